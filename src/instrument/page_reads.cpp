// The reads of what the pages only show (user page 2's auto power-off and
// clock texts, the measurement and maintenance readings, the A/D counts) and
// the Read button's sequences of user page 2 and the maker pages, by their
// steps in the catalogue.
#include <functional>
#include <string>
#include <vector>

#include "instrument/instrument.h"
#include "instrument/query.h"
#include "instrument/readings.h"
#include "instrument/reply_reader.h"
#include "instrument/setting_values.h"
#include "link/frames.h"
#include "link/reply_fields.h"
#include "link/serial.h"
#include "link/transactions.h"
#include "res/resource.h"

namespace inst {

namespace {

const int kChoicePosition = 2;   // '$Q'
const int kClockPosition = 2;    // '$T'

// Runs the query `frame` of `letter` and, when its reply came, `take`, which
// is false for a reply it cannot take.
int QueryReply(CSerial* link, const std::string& frame, char letter,
               const std::function<bool(const ReplyReader&)>& take) {
  if (!link || RunQuery(*link, frame, letter) != QueryOutcome::Replied) return 0;
  const ReplyReader reply(*link, letter);
  return reply.Answered() && take(reply) ? 1 : 0;
}

}  // namespace

int Instrument::QueryReadings(Reporter& reporter, const std::string& frame, int page, char letter) {
  std::vector<std::string> texts;
  if (!m_link || !inst::QueryReadings(*m_link, frame, letter, page, texts)) return 0;
  m_readings.resize(Readings().size());
  const std::vector<const Reading*> rows = PageReadings(page, letter);
  for (size_t i = 0; i < rows.size(); ++i) m_readings[static_cast<size_t>(rows[i] - Readings().data())] = texts[i];
  reporter.Shown(page, letter, *this);
  return 1;
}

int Instrument::ReadSettings(Reporter& reporter, char letter) {
  if (!m_link || !QueryInto(*m_link, letter, m_values)) return 0;
  reporter.Taken(letter, *this);
  return 1;
}

int Instrument::ReadAutoPowerOffText(Reporter& reporter) {
  return QueryReply(m_link.get(), QueryFrame('Q'), 'Q', [&](const ReplyReader& reply) {
    const int choice = DigitValue(reply.At(kChoicePosition));
    if (reply.Damaged()) return false;
    // User page 2 shows the choice as user page 1's list names it.
    const Setting& autoPowerOff = *FindSetting("auto_power_off");
    m_autoPowerOffText = choice < ItemCount(autoPowerOff) ? autoPowerOff.items[choice] : "";
    reporter.Shown(IDD_USER2, 'Q', *this);
    return true;
  });
}

int Instrument::ReadClockText(Reporter& reporter) {
  return QueryReply(m_link.get(), QueryFrame('T'), 'T', [&](const ReplyReader& reply) {
    auto field = [&](int k) { return reply.Field(kClockPosition + 2 * k, 2); };
    const std::string century = std::to_string(kFirstClockYear / 100);
    const std::string text = century + field(0) + "/" + field(1) + "/" + field(2) + " " + field(3) + ":" + field(4) +
                             ":" + field(5);
    if (reply.Damaged()) return false;
    m_clockText = text;
    reporter.Shown(IDD_USER2, 'T', *this);
    return true;
  });
}

int Instrument::ReadReadings(Reporter& reporter, int page, char letter) {
  return QueryReadings(reporter, QueryFrame(letter), page, letter);
}

int Instrument::ReadAdCounts(Reporter& reporter, int channel) {
  char digit;
  if (!SelectionDigit(channel, digit)) return 0;
  return QueryReadings(reporter, AdCountQueryFrame(digit), IDD_MAKER2, 'V');
}

int Instrument::RunStep(Reporter& reporter, const ReadStep& step, int page, int channel) {
  switch (step.kind) {
    case StepKind::Settings: return ReadSettings(reporter, step.letter);
    case StepKind::Readings: return ReadReadings(reporter, page, step.letter);
    case StepKind::AutoPowerOff: return ReadAutoPowerOffText(reporter);
    case StepKind::ClockText: return ReadClockText(reporter);
    case StepKind::Identity: return Identify(reporter);
    case StepKind::AdCounts: return ReadAdCounts(reporter, channel);
  }
  return 0;
}

int Instrument::ReadPage(Reporter& reporter, int page, int channel) {
  if (!m_link) return 0;
  const std::vector<ReadStep>& steps = PageReadSteps(page);
  int result = 0;
  for (size_t i = 0; i < steps.size(); ++i) {
    if (i > 0) Pause();
    result = RunStep(reporter, steps[i], page, channel);
    if (!result) reporter.Tell(steps[i].failure.text, steps[i].failure.caption, Icon::Error);
  }
  // User page 1's part of the snapshot stays: its edits are still to be sent.
  for (const ReadStep& step : steps) {
    if (step.kind != StepKind::Settings) continue;
    for (const Setting& setting : Settings())
      if (setting.read.letter == step.letter) CopyGroup(GroupOfSetting(setting), m_values, m_snapshot);
  }
  return result;
}

}  // namespace inst
