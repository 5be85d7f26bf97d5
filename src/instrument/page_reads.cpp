// The Read button's sequences, by the pages' steps in the catalogue, and the
// reads of what the pages only show (user page 2's auto power-off and clock
// texts, the measurement and maintenance readings, the A/D counts).
#include <functional>
#include <string>
#include <vector>

#include "instrument/instrument.h"
#include "instrument/query.h"
#include "instrument/readings.h"
#include "instrument/reply_reader.h"
#include "instrument/setting_values.h"
#include "link/reply_fields.h"
#include "link/serial.h"
#include "link/transactions.h"
#include "res/resource.h"

namespace inst {

namespace {

// The setting of page `page` that the reply of `letter` holds first.
const Setting* SettingReadBy(int page, char letter) {
  for (const Setting& setting : Settings())
    if (setting.page == page && setting.read.letter == letter) return &setting;
  return nullptr;
}

// Runs the query of `letter` and, when its reply came, `take`, which is false
// for a reply it cannot take.
int QueryReply(CSerial* link, char letter, const std::function<bool(const ReplyReader&)>& take) {
  const Query* query = FindQuery(letter);
  if (!link || !query || RunQuery(*link, QueryFrameOf(*query), letter, query->wait) != QueryOutcome::Replied) return 0;
  const ReplyReader reply(*link, letter);
  return reply.Answered() && take(reply) ? 1 : 0;
}

}  // namespace

int Instrument::QueryPageReadings(Reporter& reporter, int page, char letter, const std::string& parameter) {
  std::vector<std::string> texts;
  const Query* query = FindQuery(letter);
  if (!m_link || !query || !Proceed(reporter)) return 0;
  if (!inst::QueryReadings(*m_link, *query, parameter, page, texts)) return 0;
  m_readings.resize(Readings().size());
  const std::vector<const Reading*> rows = PageReadings(page, letter);
  for (size_t i = 0; i < rows.size(); ++i) m_readings[static_cast<size_t>(rows[i] - Readings().data())] = texts[i];
  reporter.Shown(page, letter, *this);
  return 1;
}

int Instrument::ReadSettings(Reporter& reporter, char letter) {
  if (!m_link || !Proceed(reporter)) return 0;
  if (!QueryInto(*m_link, letter, m_values)) return 0;
  reporter.Taken(letter, *this);
  reporter.AsShown(letter, m_values);
  return 1;
}

// The auto power-off's field as user page 2 shows it: the item its digit
// names, and nothing for a digit beyond the list (a byte that is no digit reads as 0).
int Instrument::ReadAutoPowerOffText(Reporter& reporter) {
  const ReadStep& step = PageReadStep(IDD_USER2, 'Q');
  const Setting* setting = SettingReadBy(IDD_USER1, step.letter);
  if (!m_link || !setting || !Proceed(reporter)) return 0;
  return QueryReply(m_link.get(), step.letter, [&](const ReplyReader& reply) {
    const int choice = DigitValue(reply.At(setting->read.position));
    if (reply.Damaged()) return false;
    // User page 2 shows the choice as user page 1's list names it.
    m_autoPowerOffText = choice < ItemCount(*setting) ? setting->items[choice] : "";
    reporter.Shown(IDD_USER2, step.letter, *this);
    return true;
  });
}

// The clock's field as user page 2 shows it: its six two-character fields as
// they came, "20YY/MM/DD hh:mm:ss".
int Instrument::ReadClockText(Reporter& reporter) {
  const ReadStep& step = PageReadStep(IDD_USER2, 'T');
  const Setting* setting = SettingReadBy(IDD_USER1, step.letter);
  if (!m_link || !setting || !Proceed(reporter)) return 0;
  return QueryReply(m_link.get(), step.letter, [&](const ReplyReader& reply) {
    auto field = [&](int k) { return reply.Field(setting->read.position + 2 * k, 2); };
    const std::string century = std::to_string(kFirstClockYear / 100);
    const std::string text = century + field(0) + "/" + field(1) + "/" + field(2) + " " + field(3) + ":" + field(4) +
                             ":" + field(5);
    if (reply.Damaged()) return false;
    m_clockText = text;
    reporter.Shown(IDD_USER2, step.letter, *this);
    return true;
  });
}

int Instrument::ReadReadings(Reporter& reporter, int page, char letter) {
  return QueryPageReadings(reporter, page, letter, std::string());
}

int Instrument::ReadAdCounts(Reporter& reporter, int channel) {
  char digit;
  if (!SelectionDigit(channel, digit)) return 0;
  return QueryPageReadings(reporter, IDD_MAKER2, PageReadStep(IDD_MAKER2, 'V').letter, std::string(1, digit));
}

bool Instrument::StepOffered(const ReadStep& step) const {
  if (step.kind != StepKind::Settings || HasIoTUnit()) return true;
  for (const Setting& setting : Settings()) {
    const Group group = GroupOfSetting(setting);
    if (setting.read.letter == step.letter && group && group->offer != Offer::WithIoTUnit) return true;
  }
  return false;
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
  const PageRow* row = FindPage(page);
  if (!m_link || !row) return 0;
  if (row->stopAtFirstFailure) CopyPage(page, InstrumentSettings(), m_snapshot);
  int result = 0;
  for (const ReadStep& step : row->steps) {
    if (!StepOffered(step)) continue;
    result = RunStep(reporter, step, page, channel);
    if (result) continue;
    if (reporter.Stopped()) return 0;   // the rest not run: nothing more is told or kept
    reporter.Tell(step.failure.text, step.failure.caption, Icon::Error);
    if (row->stopAtFirstFailure) return 0;
  }
  if (row->stopAtFirstFailure) {
    CopyPage(page, m_values, m_snapshot);
    return result;
  }
  // User page 1's part of the snapshot stays: its edits are still to be sent.
  for (const ReadStep& step : row->steps) {
    if (step.kind != StepKind::Settings) continue;
    for (const Setting& setting : Settings())
      if (setting.page == page && setting.read.letter == step.letter) CopyGroup(GroupOfSetting(setting), m_values, m_snapshot);
  }
  return result;
}

}  // namespace inst
