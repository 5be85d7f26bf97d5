// The instrument's writes: the plan of what a Set would send, group by group,
// the write of a plan with one resend budget, its read-back, and the settings
// reset.
#include <algorithm>
#include <string>

#include "instrument/instrument.h"
#include "instrument/number_rule.h"
#include "instrument/setting_codec.h"
#include "instrument/value_compare.h"
#include "link/serial.h"
#include "link/transactions.h"

namespace inst {

namespace {

// The first of the group's texts that fails its page's rule, whether the user
// typed it or the instrument reported it; where all must be filled, an empty
// one fails too, since it would go out as zero. Null when every one passes.
const Setting* FirstFailed(const WriteGroup& row, const InstrumentSettings& values) {
  for (const Setting* setting : GroupSettings(&row)) {
    if (setting->kind != Kind::Number) continue;
    const std::string& text = values[*setting].text;
    if ((row.allFilled && text.empty()) || !PassesRule(setting->rule, text.c_str())) return setting;
  }
  return nullptr;
}

}  // namespace

Plan Instrument::PlanWrite(const std::vector<int>& pages) const {
  Plan plan;
  for (int page : pages) {
    for (Group group : WriteOrder(page)) {
      PlannedGroup planned = {group, Action::Send, WhyNot(*GroupSettings(group).front()), true, {}};
      bool filled = false;
      for (const Setting* setting : GroupSettings(group)) {
        if (Differs(*setting, m_values, m_snapshot)) planned.changed.push_back(setting);
        filled = filled || (setting->kind == Kind::Number && !m_values[*setting].text.empty());
      }
      // A group of a page the front end does not have, or of a unit the
      // instrument does not have, is no step of the write; one the model
      // lacks keeps its pause.
      planned.step = planned.why == Why::Offered || planned.why == Why::NoHumidityLimit;
      if (planned.why != Why::Offered) planned.action = Action::NotOffered;
      else if (planned.changed.empty()) planned.action = Action::Unchanged;
      else if (group->anyFilled && !filled) planned.action = Action::NotGiven;
      plan.push_back(planned);
    }
  }
  return plan;
}

// Sends one group; 0 (after its message) when a text of its frame fails its
// rule or it was not acknowledged. A frame that cannot be built or written
// fails the group at once and uses one resend.
int Instrument::SendGroup(Reporter& reporter, const WriteGroup& row, int& retryCounter) {
  if (const Setting* failed = FirstFailed(row, m_values)) {
    reporter.Tell(failed->rule.message, failed->rule.caption, Icon::Exclamation);
    return 0;
  }
  CSerial& link = *m_link;
  const std::vector<const Setting*> settings = GroupSettings(&row);
  const bool carriesClock =
      std::any_of(settings.begin(), settings.end(), [](const Setting* setting) { return setting->kind == Kind::Clock; });
  const auto stopped = [&reporter] { return reporter.Stopped(); };
  bool sent = false;   // the frame went out whole at least once
  auto send = [&] {
    // The pause for an answer owed first (the link's own, taken early), where
    // a stop ends it before the frame; for the clock so that the frame's time
    // on the line is all that is left until it arrives.
    if (!AwaitOwedAnswer(link, FrameLength(&row), stopped)) return 0;
    if (carriesClock && m_arrivalClock) m_values.SetClockByUser(m_arrivalClock(MsOnTheLine(&row)));
    std::string frame;
    const int written = GroupFrame(&row, m_values, frame) ? SendSettingFrame(link, frame) : 0;
    sent = sent || written != 0;
    return written;
  };
  const bool acknowledged = RunSetTransaction(link, send, retryCounter, stopped) != 0;
  if (!sent && reporter.Stopped()) return 0;   // stopped before its frame: not sent, nothing to tell
  reporter.Written(&row, acknowledged                                ? WriteOutcome::Acknowledged
                         : link.WritesFailing()                      ? WriteOutcome::LineGone
                         : link.LastAckCode() == kNak                ? WriteOutcome::Refused
                         : link.ReadsFailing() || reporter.Stopped() ? WriteOutcome::Unanswered
                                                                     : WriteOutcome::Refused);
  if (acknowledged) {
    CopyGroup(&row, m_values, m_snapshot);
    return 1;
  }
  reporter.Tell(row.message, row.caption, Icon::Error);
  return 0;
}

int Instrument::Write(const Plan& plan, Reporter& reporter) {
  if (!m_link) return 0;
  int result = 1, retryCounter = 1;
  for (const PlannedGroup& planned : plan) {
    if (!planned.step) continue;
    if (!Proceed(reporter)) break;
    if (planned.action == Action::Send && !SendGroup(reporter, *planned.group, retryCounter)) result = 0;
  }
  return result;
}

int Instrument::Verify(const Plan& plan, Reporter& reporter, std::vector<Mismatch>& mismatches) {
  const InstrumentSettings written = m_values;
  std::vector<int> pages;
  for (const PlannedGroup& planned : plan) {
    const int page = PageOfGroup(planned.group).page;
    if (planned.action == Action::Send && (pages.empty() || pages.back() != page)) pages.push_back(page);
  }
  int read = 1;
  for (int page : pages) read = ReadPage(reporter, page) && read;
  if (!read) return 0;
  for (const PlannedGroup& planned : plan) {
    if (planned.action != Action::Send) continue;
    for (const Setting* setting : GroupSettings(planned.group))
      if (setting->kind != Kind::Clock && !SameValue(*setting, written[*setting], m_values[*setting]))
        mismatches.push_back({setting, written[*setting], m_values[*setting]});
  }
  return mismatches.empty() ? 1 : 0;
}

long long Instrument::MsUntilSent(const Plan& plan, Group group) const {
  const CommSettings* line = m_link ? m_link->Settings() : nullptr;
  if (!line) return 0;
  long long pauses = 0;
  bool pauseDue = m_pauseDue;
  for (const PlannedGroup& planned : plan) {
    if (!planned.step) continue;
    if (pauseDue) ++pauses;
    pauseDue = true;
    if (planned.group == group) break;
  }
  // The pause for an answer owed runs on through the pauses between commands.
  const long long pausesMs = pauses * plat::CapWaitMs(line->SendDelay);
  return std::max(pausesMs, m_link->MsOwedBefore(FrameLength(group))) + MsOnTheLine(group);
}

long long Instrument::MsOnTheLine(Group group) const {
  const CommSettings* line = m_link ? m_link->Settings() : nullptr;
  if (!line) return 0;
  const int bits = 1 + line->DataBits + (line->Parity != 0 ? 1 : 0) + (line->StopBits != 0 ? 2 : 1);
  const double byteMs = line->BaudRate > 0 ? 1000.0 * bits / line->BaudRate : 0.0;
  const long long bytes = FrameLength(group);
  return static_cast<long long>((bytes - 1) * plat::CapWaitMs(line->SleepTime) + bytes * byteMs + 0.5);
}

int Instrument::Reset(Reporter& reporter) {
  if (!m_link) return 0;
  Step();
  const WriteGroup& reset = ResetGroup();
  std::string frame;
  if (GroupFrame(&reset, m_values, frame) && RunResetTransaction(*m_link, frame)) return 1;
  reporter.Tell(reset.message, reset.caption, Icon::Error);
  return 0;
}

}  // namespace inst
