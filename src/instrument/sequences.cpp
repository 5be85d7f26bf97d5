#include "instrument/sequences.h"

#include <string>

#include "instrument/number_rule.h"
#include "instrument/query.h"
#include "instrument/setting_codec.h"
#include "link/frames.h"
#include "link/transactions.h"
#include "res/resource.h"

namespace inst {

namespace {

const char kReadCaption[] = "初期処理";
const char kFirstQueryFailed[] = "ｵｰﾄﾊﾟﾜｰｵﾌ取得要求に失敗しました。";
const char kQueryFailed[] = "初期データの取得に失敗しました。";

bool Changed(const WriteGroup& row, const InstrumentSettings& values, const InstrumentSettings& snapshot) {
  bool differs = false, filled = false;
  for (const Setting* setting : GroupSettings(row.group)) {
    const SettingValue& now = values[*setting];
    const SettingValue& held = snapshot[*setting];
    switch (setting->kind) {
      case Kind::List:   // compared as the 8-bit item the snapshot keeps
        differs = differs || static_cast<unsigned char>(now.item) != static_cast<unsigned char>(held.item);
        break;
      case Kind::Number:
        differs = differs || now.text != held.text;
        filled = filled || !now.text.empty();
        break;
      case Kind::Clock:   // before it was ever read or set, only a clock the user set counts
        differs = differs || (held.text.empty() ? values.clockSetByUser : now.text != held.text);
        break;
    }
  }
  return differs && (!row.anyFilled || filled);
}

// The first of the group's texts that fails its page's rule, whether the user
// typed it or the instrument reported it; where all must be filled, an empty
// one fails too, since it would go out as zero. Null when every one passes.
const Setting* FirstFailed(const WriteGroup& row, const InstrumentSettings& values) {
  for (const Setting* setting : GroupSettings(row.group)) {
    if (setting->kind != Kind::Number) continue;
    const std::string& text = values[*setting].text;
    if ((row.allFilled && text.empty()) || !PassesRule(setting->rule, text.c_str())) return setting;
  }
  return nullptr;
}

// Sends one group when it changed; 0 (after its message) when a text of its
// frame fails its rule or it was not acknowledged. A frame that cannot be built or
// written fails the group at once and uses one resend.
int WriteChangedGroup(Instrument& instrument, Reporter& reporter, const WriteGroup& row, int& retryCounter) {
  if (!Changed(row, instrument.values, instrument.snapshot)) return 1;
  if (const Setting* failed = FirstFailed(row, instrument.values)) {
    reporter.Tell(failed->rule.message, failed->rule.caption, Icon::Exclamation);
    return 0;
  }
  CSerial& link = *instrument.link;
  auto send = [&] {
    std::string frame;
    return GroupFrame(row.group, instrument.values, frame) ? SendSettingFrame(link, frame) : 0;
  };
  const bool acknowledged = RunSetTransaction(link, send, retryCounter, WriteFailure::EndsTransaction) != 0;
  reporter.Written(row.group, acknowledged);
  if (acknowledged) {
    CopyGroup(row.group, instrument.values, instrument.snapshot);
    return 1;
  }
  reporter.Tell(row.message, row.caption, Icon::Error);
  return 0;
}

// The groups of `order` in turn, a pause between two of them, with one resend
// budget; the IoT groups are no part of the sequence without an IoT unit.
int WriteGroups(Instrument& instrument, Reporter& reporter, const std::vector<Group>& order) {
  if (!instrument.link) return 0;
  int result = 1, retryCounter = 1, step = 0;
  for (Group group : order) {
    if (reporter.Stopped()) break;
    const WriteGroup& row = GroupOf(group);
    if (row.iot && !instrument.iot) continue;
    if (step++ > 0) reporter.Pause();
    if (row.limitModels && !ModelHasHumidityLimit(instrument.values["model_code"].item)) continue;
    if (!WriteChangedGroup(instrument, reporter, row, retryCounter)) result = 0;
  }
  return result;
}

}  // namespace

int ReadUser1Settings(Instrument& instrument, Reporter& reporter) {
  if (!instrument.link) return 0;
  CopyPage(IDD_USER1, InstrumentSettings(), instrument.snapshot);
  bool first = true;
  for (char letter : User1ReadOrder()) {
    if (IsIoTQuery(letter) && !instrument.iot) continue;
    if (!first) reporter.Pause();
    if (!QueryInto(*instrument.link, letter, instrument.values)) {
      reporter.Tell(first ? kFirstQueryFailed : kQueryFailed, kReadCaption, Icon::Error);
      return 0;
    }
    reporter.Taken(letter, instrument.values);
    first = false;
  }
  return 1;
}

int WriteUser1Settings(Instrument& instrument, Reporter& reporter) {
  return WriteGroups(instrument, reporter, User1WriteOrder());
}

int WriteMaker1Settings(Instrument& instrument, Reporter& reporter) {
  return WriteGroups(instrument, reporter, Maker1WriteOrder());
}

int ResetSettings(CSerial& link, Reporter& reporter) {
  if (RunResetTransaction(link, ResetSettingsFrame())) return 1;
  reporter.Tell("設定値初期化に失敗しました。", "設定値初期化", Icon::Error);
  return 0;
}

void CopyGroup(Group group, const InstrumentSettings& from, InstrumentSettings& to) {
  for (const Setting* setting : GroupSettings(group)) to[*setting] = from[*setting];
}

void CopyPage(int page, const InstrumentSettings& from, InstrumentSettings& to) {
  for (const Setting& setting : Settings())
    if (setting.page == page) to[setting] = from[setting];
}

}  // namespace inst
