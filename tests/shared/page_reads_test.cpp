// The reads of what user page 2 and the maker pages only show, and their
// pages' Read, over a scripted port: the queries sent, the texts the replies
// give, and what the user is told.
#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "instrument/instrument.h"
#include "link/serial.h"
#include "res/resource.h"
#include "support/fake_port.h"
#include "support/temp_dir.h"

namespace {

using Read = std::function<int(inst::Instrument&, inst::Reporter&)>;

struct Recorder : inst::Reporter {
  void Tell(const char* message, const char* caption, inst::Icon icon) override {
    EXPECT_EQ(icon, inst::Icon::Error);
    told.push_back(std::string(message) + " / " + caption);
  }
  std::vector<std::string> told;
};

Read Readings(int page, char letter) {
  return [=](inst::Instrument& i, inst::Reporter& r) { return i.ReadReadings(r, page, letter); };
}
Read AdCounts(int channel) {
  return [=](inst::Instrument& i, inst::Reporter& r) { return i.ReadAdCounts(r, channel); };
}
const Read kAutoPowerOff = [](inst::Instrument& i, inst::Reporter& r) { return i.ReadAutoPowerOffText(r); };
const Read kClock = [](inst::Instrument& i, inst::Reporter& r) { return i.ReadClockText(r); };
const Read kIdentify = [](inst::Instrument& i, inst::Reporter& r) { return i.Identify(r); };

// Every text the reads give, one after the other.
std::string Shown(const inst::Instrument& instrument) {
  std::string shown = instrument.AutoPowerOffText() + instrument.ClockText() + instrument.GetIdentity().model +
                      instrument.GetIdentity().version;
  for (const inst::Reading& reading : inst::Readings()) shown += instrument.ReadingText(reading);
  return shown;
}

class PageReads : public ::testing::Test {
protected:
  // A link whose instrument answers each query with the one of `replies`
  // (letter, then payload) of its letter, framed, and any other not at all.
  void Open(const std::vector<std::string>& replies) {
    dir.Write("TAVO.ini", kFakePortComm);
    auto owned = std::make_unique<FakePort>([=](const std::string& frame) {
      for (const std::string& reply : replies)
        if (!reply.empty() && reply[0] == frame[2]) return "\x02" + reply + "\x04";
      return std::string();
    });
    port = owned.get();
    instrument = std::make_unique<inst::Instrument>();
    ASSERT_EQ(instrument->UsePort(std::move(owned), "COM1"), 1);
  }

  TempCurrentDir dir;
  FakePort* port = nullptr;
  std::unique_ptr<inst::Instrument> instrument;
  Recorder reporter;
};

// The one query each read sends and the texts it gives: a clock that is no
// date and time as it came, a choice outside the list as nothing.
TEST_F(PageReads, EachReadsOneReply) {
  struct Case {
    Read read;
    std::string reply;   // letter, then payload; empty: unanswered
    std::string frame;   // what goes out
    int result;
    std::string shown;
  };
  const std::string q = "\x02$Q\x03", t = "\x02$T\x03";
  const Case cases[] = {
      {kAutoPowerOff, "Q0", q, 1, "許可"},
      {kAutoPowerOff, "Q1", q, 1, "禁止"},
      {kAutoPowerOff, "Q7", q, 1, ""},
      {kClock, "T240531090705", t, 1, "2024/05/31 09:07:05"},
      {kClock, "T241305090705", t, 1, "2024/13/05 09:07:05"},
      {kClock, "T240005090705", t, 1, "2024/00/05 09:07:05"},
      {kClock, "T240531240000", t, 1, "2024/05/31 24:00:00"},
      {kClock, "T240230120000", t, 1, "2024/02/30 12:00:00"},
      {kClock, "T240531096005", t, 1, "2024/05/31 09:60:05"},
      {kClock, "T2405310907x5", t, 1, "2024/05/31 09:07:x5"},
      {kClock, "T2405", t, 1, "2024/05/ ::"},
      {kClock, "T2405\x1B" "10907", t, 0, ""},   // damaged on the line: the failure, not the text
      {kIdentify, "vTAVO-420A1.21  ", "\x02#v\x03", 1, "TAVO-420A1.21  "},
      {kIdentify, "vTAVO-4\n0A1.21  ", "\x02#v\x03", 0, ""},   // damaged: no answer
      {kIdentify, "vTAVO-420A", "\x02#v\x03", 0, ""},          // cut after the model name: no answer
      {kIdentify, "vTAVO-420A1.2", "\x02#v\x03", 0, ""},       // cut in the version
      {kIdentify, "vTAVO-4\xFF" "0A1.21  ", "\x02#v\x03", 0, ""},   // a byte no instrument writes there
      {kIdentify, "vTAVO-420A1.\xB5" "1  ", "\x02#v\x03", 0, ""},
      {AdCounts(2), "V0000021207", "\x02$V2\x03", 1, "21207"},
      {AdCounts(-1), "V0000021207", "", 0, ""},   // no channel, nothing asked
      {Readings(IDD_USER2, 'D'), "", "\x02$D\x03", 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reply + " " + c.frame);
    Open({c.reply});
    EXPECT_EQ(c.read(*instrument, reporter), c.result);
    EXPECT_EQ(port->Written(), c.frame);
    EXPECT_EQ(Shown(*instrument), c.shown);
  }
  EXPECT_TRUE(reporter.told.empty());
}

// A page's Read goes on after a failed step, each failure told.
TEST_F(PageReads, APageReadGoesOnAfterAFailure) {
  struct Case {
    Read read;
    std::vector<std::string> sent;   // the queries in their order
    std::vector<std::string> told;
  };
  const Case cases[] = {
      {[](inst::Instrument& i, inst::Reporter& r) { return i.ReadPage(r, IDD_USER2); }, {"$Q", "$T", "#v", "$D"},
       {"ｵｰﾄﾊﾟﾜｰｵﾌの取得に失敗しました。 / ｵｰﾄﾊﾟﾜｰｵﾌ取得要求", "時計の取得に失敗しました。 / 時計取得要求",
        "測定ﾃﾞｰﾀの取得に失敗しました。 / 測定ﾃﾞｰﾀ取得要求"}},
      {[](inst::Instrument& i, inst::Reporter& r) { return i.ReadPage(r, IDD_MAKER1); }, {"$D", "$L", "$M", "$P", "$G"},
       {"ﾘｱﾙﾀｲﾑﾃﾞｰﾀ取得要求の送信に失敗しました。 / ﾘｱﾙﾀｲﾑﾃﾞｰﾀ取得要求",
        "相対湿度の上限値取得要求の送信に失敗しました。 / 相対湿度の上限値取得要求",
        "機種ｺｰﾄﾞ取得要求の送信に失敗しました。 / 機種ｺｰﾄﾞ取得要求",
        "ﾌﾟﾘｱﾝﾌﾟﾃﾞｰﾀ取得要求の送信に失敗しました。 / ﾌﾟﾘｱﾝﾌﾟﾃﾞｰﾀ取得要求",
        "湿度校正値取得要求の送信に失敗しました。 / 湿度校正値取得要求"}},
      {[](inst::Instrument& i, inst::Reporter& r) { return i.ReadPage(r, IDD_MAKER2, 0); }, {"$V0"},
       {"A/Dｶｳﾝﾄ取得要求の送信に失敗しました。 / A/Dｶｳﾝﾄ取得要求"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sent[0]);
    Open({"vTAVO-420A1.21  "});   // the identification alone is answered
    reporter.told.clear();
    EXPECT_EQ(c.read(*instrument, reporter), 0);
    std::string frames;
    for (const std::string& query : c.sent) frames += "\x02" + query + "\x03";
    EXPECT_EQ(port->Written(), frames);
    EXPECT_EQ(reporter.told, c.told);
  }
}

// Without a link nothing is asked; a frame that cannot be written is tried
// once, its first byte, and nothing is read.
TEST_F(PageReads, WithoutALinkOrAWrittenFrameNothingIsRead) {
  const Read reads[] = {kAutoPowerOff,             kClock,       Readings(IDD_USER2, 'D'), Readings(IDD_MAKER1, 'D'),
                        Readings(IDD_MAKER1, 'P'), Readings(IDD_MAKER1, 'G'), AdCounts(0)};
  Open({"Q1"});
  port->writeResult = plat::WriteResult::Failed;
  for (const Read& read : reads) EXPECT_EQ(read(*instrument, reporter), 0);
  EXPECT_EQ(port->writeAttempts, static_cast<int>(std::size(reads)));
  instrument->Disconnect();   // the port goes with the link
  for (const Read& read : reads) EXPECT_EQ(read(*instrument, reporter), 0);
  EXPECT_EQ(Shown(*instrument), "");
}

// Maker page 1's Read keeps user page 1's part of the snapshot (its edits are
// still to be sent) and takes the humidity limit and the model code as the
// instrument reported them or, where a query went unanswered, as the values
// hold them when the read ends: a write of maker page 1 then sends nothing.
TEST_F(PageReads, MakerPage1ReadTakesWhatTheInstrumentHolds) {
  struct Case {
    std::vector<std::string> replies;
    const char* limit;   // the snapshot's humidity limit afterwards
    int model;           // the snapshot's model code afterwards
  };
  const Case cases[] = {
      {{"L090.08", "M3"}, "90.0", 3}, {{"M3"}, "77.7", 3}, {{"L090.08"}, "90.0", 4}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.limit + std::to_string(c.model));
    Open(c.replies);
    instrument->Values()["buzzer"].text = "33.0";
    instrument->Values()["humidity_limit"].text = "77.7";
    instrument->Values()["model_code"].item = 4;
    instrument->ReadPage(reporter, IDD_MAKER1);
    EXPECT_EQ(instrument->Snapshot()["buzzer"].text, "");
    EXPECT_EQ(instrument->Snapshot()["humidity_limit"].text, c.limit);
    EXPECT_EQ(instrument->Snapshot()["model_code"].item, c.model);
    const size_t read = port->Written().size();
    EXPECT_EQ(instrument->Write(instrument->PlanWrite({IDD_MAKER1}), reporter), 1);
    EXPECT_EQ(port->Written().size(), read);
    instrument->Write(instrument->PlanWrite({IDD_USER1}), reporter);
    EXPECT_EQ(port->Written().substr(read, 2), "\x02" "B");
  }
}

}  // namespace
