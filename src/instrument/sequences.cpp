// The instrument's sequences over user page 1 and maker page 1: the read of
// user page 1's settings, the writes of the changed setting groups and the
// settings reset.
#include <string>

#include "instrument/instrument.h"
#include "instrument/number_rule.h"
#include "instrument/query.h"
#include "instrument/setting_codec.h"
#include "instrument/value_compare.h"
#include "link/frames.h"
#include "link/transactions.h"
#include "res/resource.h"

namespace inst {

namespace {

const char kReadCaption[] = "初期処理";
const char kFirstQueryFailed[] = "ｵｰﾄﾊﾟﾜｰｵﾌ取得要求に失敗しました。";
const char kQueryFailed[] = "初期データの取得に失敗しました。";

// Whether the group's values differ from what the instrument holds (and, for
// a group sent only when filled, one of its texts is filled).
bool Changed(const WriteGroup& row, const InstrumentSettings& values, const InstrumentSettings& snapshot) {
  bool differs = false, filled = false;
  for (const Setting* setting : GroupSettings(&row)) {
    differs = differs || Differs(*setting, values, snapshot);
    filled = filled || (setting->kind == Kind::Number && !values[*setting].text.empty());
  }
  return differs && (!row.anyFilled || filled);
}

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

int Instrument::ReadUser1(Reporter& reporter) {
  if (!m_link) return 0;
  CopyPage(IDD_USER1, InstrumentSettings(), m_snapshot);
  bool first = true;
  for (char letter : User1ReadOrder()) {
    if (IsIoTQuery(letter) && !HasIoTUnit()) continue;
    if (!first) Pause();
    if (!QueryInto(*m_link, letter, m_values)) {
      reporter.Tell(first ? kFirstQueryFailed : kQueryFailed, kReadCaption, Icon::Error);
      return 0;
    }
    reporter.Taken(letter, *this);
    first = false;
  }
  CopyPage(IDD_USER1, m_values, m_snapshot);
  return 1;
}

// Sends one group when it changed; 0 (after its message) when a text of its
// frame fails its rule or it was not acknowledged. A frame that cannot be built or
// written fails the group at once and uses one resend.
int Instrument::WriteChangedGroup(Reporter& reporter, const WriteGroup& row, int& retryCounter) {
  if (!Changed(row, m_values, m_snapshot)) return 1;
  if (const Setting* failed = FirstFailed(row, m_values)) {
    reporter.Tell(failed->rule.message, failed->rule.caption, Icon::Exclamation);
    return 0;
  }
  CSerial& link = *m_link;
  auto send = [&] {
    std::string frame;
    return GroupFrame(&row, m_values, frame) ? SendSettingFrame(link, frame) : 0;
  };
  const bool acknowledged = RunSetTransaction(link, send, retryCounter) != 0;
  reporter.Written(&row, acknowledged);
  if (acknowledged) {
    CopyGroup(&row, m_values, m_snapshot);
    return 1;
  }
  reporter.Tell(row.message, row.caption, Icon::Error);
  return 0;
}

// The groups of `order` in turn, a pause between two of them, with one resend
// budget; the IoT groups are no part of the sequence without an IoT unit, and
// a group the model does not offer is passed over.
int Instrument::WriteGroups(Reporter& reporter, const std::vector<Group>& order) {
  if (!m_link) return 0;
  int result = 1, retryCounter = 1, step = 0;
  for (Group group : order) {
    if (reporter.Stopped()) break;
    const WriteGroup& row = GroupOf(group);
    if (row.iot && !HasIoTUnit()) continue;
    if (step++ > 0) Pause();
    if (!Offers(*GroupSettings(group).front())) continue;
    if (!WriteChangedGroup(reporter, row, retryCounter)) result = 0;
  }
  return result;
}

int Instrument::WriteUser1(Reporter& reporter) { return WriteGroups(reporter, User1WriteOrder()); }

int Instrument::WriteMaker1(Reporter& reporter) { return WriteGroups(reporter, Maker1WriteOrder()); }

int Instrument::Reset(Reporter& reporter) {
  if (!m_link) return 0;
  if (RunResetTransaction(*m_link, ResetSettingsFrame())) return 1;
  reporter.Tell("設定値初期化に失敗しました。", "設定値初期化", Icon::Error);
  return 0;
}

}  // namespace inst
