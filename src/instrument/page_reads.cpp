#include "instrument/page_reads.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "instrument/query.h"
#include "instrument/readings.h"
#include "instrument/reply_reader.h"
#include "instrument/setting_values.h"
#include "link/frames.h"
#include "link/reply_fields.h"
#include "link/serial.h"
#include "link/transactions.h"
#include "platform/clock.h"
#include "res/resource.h"

namespace inst {

namespace {

const int kChoicePosition = 2;   // '$Q'
const int kClockPosition = 2;    // '$T'
const unsigned kSecondIdentificationPauseMs = 100;

// User page 2's texts for the auto power-off choices '0' and '1'.
const char* const kAutoPowerOffTexts[] = {"許可", "禁止"};

// Runs the query `frame` of `letter` and, when its reply came, `take`, which
// is false for a reply it cannot take.
int QueryReply(CSerial* link, const std::string& frame, char letter,
               const std::function<bool(const ReplyReader&)>& take) {
  if (!link || RunQuery(*link, frame, letter) != QueryOutcome::Replied) return 0;
  const ReplyReader reply(*link, letter);
  return reply.Answered() && take(reply) ? 1 : 0;
}

int QueryReadingsOf(Instrument& instrument, Reporter& reporter, const std::string& frame, int page, char letter) {
  std::vector<std::string> texts;
  if (!instrument.link || !QueryReadings(*instrument.link, frame, letter, page, texts)) return 0;
  instrument.readings.resize(Readings().size());
  const std::vector<const Reading*> rows = PageReadings(page, letter);
  for (size_t i = 0; i < rows.size(); ++i) instrument.readings[rows[i] - Readings().data()] = texts[i];
  reporter.Shown(page, letter, instrument);
  return 1;
}

// A settings query whose reply is taken into the values.
int QuerySettingsOf(Instrument& instrument, Reporter& reporter, char letter) {
  if (!instrument.link || !QueryInto(*instrument.link, letter, instrument.values)) return 0;
  reporter.Taken(letter, instrument.values);
  return 1;
}

// One step of a page's read and what the user is told when it fails.
struct ReadStep {
  std::function<int(Instrument&, Reporter&)> run;
  Message failure;
};

// Runs every step with a pause between two, telling each failure; the result of the last step.
int RunEveryStep(Instrument& instrument, Reporter& reporter, const std::vector<ReadStep>& steps) {
  if (!instrument.link) return 0;
  int result = 0;
  for (size_t i = 0; i < steps.size(); ++i) {
    if (i > 0) reporter.Pause();
    result = steps[i].run(instrument, reporter);
    if (!result) reporter.Tell(steps[i].failure.text, steps[i].failure.caption, Icon::Error);
  }
  return result;
}

ReadStep ReadingsStep(int page, char letter, Message failure) {
  return {[page, letter](Instrument& i, Reporter& r) { return ReadPageReadings(i, r, page, letter); }, failure};
}

// A maker page 1 setting: taken into the snapshot when answered.
ReadStep SnapshotSetting(char letter, Group group, bool& taken, Message failure) {
  return {[letter, group, &taken](Instrument& i, Reporter& r) {
            taken = QuerySettingsOf(i, r, letter) != 0;
            if (taken) CopyGroup(group, i.values, i.snapshot);
            return taken ? 1 : 0;
          },
          failure};
}

}  // namespace

const Message kClockTextFailed = {"時計の取得に失敗しました。", "時計取得要求"};
const Message kMeasurementFailed = {"測定ﾃﾞｰﾀの取得に失敗しました。", "測定ﾃﾞｰﾀ取得要求"};

int IdentifyInstrument(Instrument& instrument, Reporter& reporter) {
  Identity identity;
  if (!instrument.link || !Identify(*instrument.link, identity)) return 0;
  instrument.identity = identity;
  instrument.iot = identity.iot;
  if (identity.modelCode >= 0) instrument.values["model_code"].item = identity.modelCode;
  reporter.Shown(IDD_USER2, 'v', instrument);
  return 1;
}

int ReadAutoPowerOffText(Instrument& instrument, Reporter& reporter) {
  return QueryReply(instrument.link, QueryFrame('Q'), 'Q', [&](const ReplyReader& reply) {
    const int choice = DigitValue(reply.At(kChoicePosition));
    if (reply.Damaged()) return false;
    instrument.autoPowerOffText = choice <= 1 ? kAutoPowerOffTexts[choice] : "";
    reporter.Shown(IDD_USER2, 'Q', instrument);
    return true;
  });
}

int ReadClockText(Instrument& instrument, Reporter& reporter) {
  return QueryReply(instrument.link, QueryFrame('T'), 'T', [&](const ReplyReader& reply) {
    auto field = [&](int k) { return reply.Field(kClockPosition + 2 * k, 2); };
    const std::string text = "20" + field(0) + "/" + field(1) + "/" + field(2) + " " + field(3) + ":" + field(4) +
                             ":" + field(5);
    if (reply.Damaged()) return false;
    instrument.clockText = text;
    reporter.Shown(IDD_USER2, 'T', instrument);
    return true;
  });
}

int ReadPageReadings(Instrument& instrument, Reporter& reporter, int page, char letter) {
  return QueryReadingsOf(instrument, reporter, QueryFrame(letter), page, letter);
}

int ReadAdCounts(Instrument& instrument, Reporter& reporter, int channel) {
  char digit;
  if (!SelectionDigit(channel, digit)) return 0;
  return QueryReadingsOf(instrument, reporter, AdCountQueryFrame(digit), IDD_MAKER2, 'V');
}

int ReadUser2Page(Instrument& instrument, Reporter& reporter) {
  return RunEveryStep(instrument, reporter, {
      {ReadAutoPowerOffText, {"ｵｰﾄﾊﾟﾜｰｵﾌの取得に失敗しました。", "ｵｰﾄﾊﾟﾜｰｵﾌ取得要求"}},
      {ReadClockText, kClockTextFailed},
      {IdentifyInstrument, {"Version Noの取得に送信に失敗しました。", "Version No取得要求"}},
      ReadingsStep(IDD_USER2, 'D', kMeasurementFailed),
  });
}

int ReadMaker1Page(Instrument& instrument, Reporter& reporter) {
  if (!instrument.link) return 0;
  // The humidity limit and the model code are taken as the instrument
  // reported them; one whose query went unanswered as the values hold it when
  // the read ends, so that Set sends it only when the user changes it.
  bool limitTaken = false, modelTaken = false;
  const int result = RunEveryStep(instrument, reporter, {
      ReadingsStep(IDD_MAKER1, 'D', {"ﾘｱﾙﾀｲﾑﾃﾞｰﾀ取得要求の送信に失敗しました。", "ﾘｱﾙﾀｲﾑﾃﾞｰﾀ取得要求"}),
      SnapshotSetting('L', Group::HumidityLimit, limitTaken,
                      {"相対湿度の上限値取得要求の送信に失敗しました。", "相対湿度の上限値取得要求"}),
      SnapshotSetting('M', Group::ModelCode, modelTaken, {"機種ｺｰﾄﾞ取得要求の送信に失敗しました。", "機種ｺｰﾄﾞ取得要求"}),
      ReadingsStep(IDD_MAKER1, 'P', {"ﾌﾟﾘｱﾝﾌﾟﾃﾞｰﾀ取得要求の送信に失敗しました。", "ﾌﾟﾘｱﾝﾌﾟﾃﾞｰﾀ取得要求"}),
      ReadingsStep(IDD_MAKER1, 'G', {"湿度校正値取得要求の送信に失敗しました。", "湿度校正値取得要求"}),
  });
  if (!limitTaken) CopyGroup(Group::HumidityLimit, instrument.values, instrument.snapshot);
  if (!modelTaken) CopyGroup(Group::ModelCode, instrument.values, instrument.snapshot);
  // User page 1's part of the snapshot stays: its edits are still to be sent.
  return result;
}

int ReadMaker2Page(Instrument& instrument, Reporter& reporter, int channel) {
  return RunEveryStep(instrument, reporter,
                      {{[channel](Instrument& i, Reporter& r) { return ReadAdCounts(i, r, channel); },
                        {"A/Dｶｳﾝﾄ取得要求の送信に失敗しました。", "A/Dｶｳﾝﾄ取得要求"}}});
}

Connection Connect(CSerial& link, const char* port, Instrument& instrument, Reporter& reporter, bool secondTry) {
  if (!link.Open(port)) {
    reporter.Tell("COMポートオープンに失敗しました。", "COMポートオープン", Icon::Error);
    return Connection::NotOpened;
  }
  instrument.link = &link;
  int identified = IdentifyInstrument(instrument, reporter);
  if (!identified && secondTry) {
    plat::SleepMs(kSecondIdentificationPauseMs);
    identified = IdentifyInstrument(instrument, reporter);
  }
  if (identified) return Connection::Connected;
  instrument.link = nullptr;
  link.Close();
  return Connection::NoAnswer;
}

}  // namespace inst
