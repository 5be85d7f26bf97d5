// The Read and Set buttons: the order of the requests on the line, one error
// box per failed step, and the snapshot that decides what a Set sends.
#include <gtest/gtest.h>

#include <chrono>

#include "native/dialog_with_sim.h"
#include "res/resource.h"
#include "support/ui_driver.h"

namespace {

using Boxes = SimBench::Boxes;

class Bench : public SimBench {
public:
  // Starts the simulator with `args`, connects and forgets the identification frames.
  void ConnectTo(const std::vector<std::string>& args = {}, const std::string& ini = "") {
    StartConnected(args, true, ini);
  }
  // The heads of the frames the instrument received: "$Q", "#v", "T", "sa".
  std::vector<std::string> SentHeads() const {
    std::vector<std::string> heads;
    for (const std::string& bytes : FrameBytes()) {
      bool query = bytes.size() > 2 && (bytes[1] == '$' || bytes[1] == '#');
      bool iot = bytes.size() > 2 && bytes[1] == 's';
      heads.push_back(bytes.substr(1, query || iot ? 2 : 1));
    }
    return heads;
  }
  void Press(int tab, int button) {
    ASSERT_TRUE(ui::ChooseTab(*dlg, IDC_TAB, tab));
    ASSERT_TRUE(ui::Click(*dlg, button));
  }
  CDlg3& User1() { return dlg->m_dlgUser1; }
};

using Heads = std::vector<std::string>;

TEST(Sequences, ReadingUserPage1AsksForEachSettingInTurn) {
  struct Case {
    const char* model;
    const char* version;
    Heads sent;
  };
  const Case cases[] = {
      {"TAVO-420A", "1.30", {"$Q", "$T", "$I", "$B", "$K", "$S"}},
      {"TAVO-420B", "2.00", {"$Q", "$T", "$I", "$B", "$K", "$S", "$s"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.model);
    Bench run;   // a fresh dialog and instrument for each case
    run.ConnectTo({"--model", c.model, "--version", c.version});
    run.Press(0, IDC_BUTTON_READ);
    EXPECT_EQ(run.SentHeads(), c.sent);
    EXPECT_TRUE(run.boxes.boxes.empty());
    EXPECT_FALSE(run.dlg->m_snapDate.IsEmpty());
    EXPECT_EQ(fw::WaitCursorDepth(), 0);
  }
}

TEST(Sequences, UserPage1StopsAtItsFirstFailure) {
  Bench run;
  run.ConnectTo({"--ignore", "T"});
  run.Press(0, IDC_BUTTON_READ);
  EXPECT_EQ(run.SentHeads(), (Heads{"$Q", "$T"}));
  EXPECT_EQ(run.Shown(), (Boxes{{"初期データの取得に失敗しました。", "初期処理"}}));
  EXPECT_EQ(run.boxes.boxes[0].type, fw::kMbOk | fw::kMbIconError);
  EXPECT_TRUE(run.dlg->m_snapDate.IsEmpty());
  EXPECT_TRUE(run.dlg->m_snapBuzzer.IsEmpty());
  EXPECT_EQ(fw::WaitCursorDepth(), 0);
}

TEST(Sequences, UserPage1ReportsAFirstQueryWithoutAnswer) {
  Bench run;
  run.ConnectTo({"--ignore", "Q"});
  run.Press(0, IDC_BUTTON_READ);
  EXPECT_EQ(run.SentHeads(), (Heads{"$Q"}));
  EXPECT_EQ(run.Shown(), (Boxes{{"ｵｰﾄﾊﾟﾜｰｵﾌ取得要求に失敗しました。", "初期処理"}}));
}

TEST(Sequences, TheOtherPagesGoOnAfterAFailure) {
  struct Case {
    int tab;
    Heads sent;
    Boxes shown;
  };
  const Case cases[] = {
      {1, {"$Q", "$T", "#v", "$D"},
       {{"ｵｰﾄﾊﾟﾜｰｵﾌの取得に失敗しました。", "ｵｰﾄﾊﾟﾜｰｵﾌ取得要求"},
        {"時計の取得に失敗しました。", "時計取得要求"},
        {"測定ﾃﾞｰﾀの取得に失敗しました。", "測定ﾃﾞｰﾀ取得要求"}}},
      {2, {"$D", "$L", "$M", "$P", "$G"},
       {{"ﾘｱﾙﾀｲﾑﾃﾞｰﾀ取得要求の送信に失敗しました。", "ﾘｱﾙﾀｲﾑﾃﾞｰﾀ取得要求"},
        {"相対湿度の上限値取得要求の送信に失敗しました。", "相対湿度の上限値取得要求"},
        {"機種ｺｰﾄﾞ取得要求の送信に失敗しました。", "機種ｺｰﾄﾞ取得要求"},
        {"ﾌﾟﾘｱﾝﾌﾟﾃﾞｰﾀ取得要求の送信に失敗しました。", "ﾌﾟﾘｱﾝﾌﾟﾃﾞｰﾀ取得要求"},
        {"湿度校正値取得要求の送信に失敗しました。", "湿度校正値取得要求"}}},
      {3, {"$V"}, {{"A/Dｶｳﾝﾄ取得要求の送信に失敗しました。", "A/Dｶｳﾝﾄ取得要求"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tab);
    Bench run;
    // The instrument answers the identification only: every other query goes unanswered.
    run.ConnectTo({"--ignore", "QTDLMPGV"});
    if (c.tab == 1) run.ClearFrames();
    run.boxes.boxes.clear();
    run.Press(c.tab, IDC_BUTTON_READ);
    EXPECT_EQ(run.Shown(), c.shown);
    Heads sent = run.SentHeads();
    if (c.tab == 2) sent.erase(sent.begin());   // the identification on switching to the page
    EXPECT_EQ(sent, c.sent);
    EXPECT_EQ(fw::WaitCursorDepth(), 0);
  }
}

TEST(Sequences, ASilentInstrumentGivesOneBoxPerStep) {
  Bench run;
  run.ConnectTo();
  run.sim.reset();
  run.Press(1, IDC_BUTTON_READ);
  EXPECT_EQ(run.Shown(), (Boxes{{"ｵｰﾄﾊﾟﾜｰｵﾌの取得に失敗しました。", "ｵｰﾄﾊﾟﾜｰｵﾌ取得要求"},
                                {"時計の取得に失敗しました。", "時計取得要求"},
                                {"Version Noの取得に送信に失敗しました。", "Version No取得要求"},
                                {"測定ﾃﾞｰﾀの取得に失敗しました。", "測定ﾃﾞｰﾀ取得要求"}}));
  EXPECT_EQ(fw::WaitCursorDepth(), 0);
}

TEST(Sequences, UnchangedSettingsAreNotSent) {
  Bench run;
  run.ConnectTo();
  run.Press(0, IDC_BUTTON_READ);
  run.ClearFrames();
  run.Press(0, IDC_BUTTON_SET);
  EXPECT_TRUE(run.SentHeads().empty());
  EXPECT_TRUE(run.boxes.boxes.empty());
}

TEST(Sequences, OnlyTheChangedGroupsAreSent) {
  struct Case {
    const char* name;
    void (*edit)(CDlg3&);
    Heads sent;
  };
  const Case cases[] = {
      {"the time only", [](CDlg3& p) {
         fw::DateTime t{};
         p.m_timeClock.GetTime(t);
         t.minute = (t.minute + 30) % 60;
         p.m_timeClock.SetTime(t);
       }, {"T"}},
      {"the buzzer emptied", [](CDlg3& p) { p.m_editBuzzer.SetWindowText(""); }, {}},
      {"the buzzer changed", [](CDlg3& p) { p.m_editBuzzer.SetWindowText("33.0"); }, {"B"}},
      {"every threshold emptied", [](CDlg3& p) {
         for (CEdit* e : {&p.m_editLevel1, &p.m_editLevel2, &p.m_editLevel3, &p.m_editLevel4}) e->SetWindowText("");
       }, {}},
      {"one threshold", [](CDlg3& p) { p.m_editLevel3.SetWindowText("31.0"); }, {"S"}},
      {"mode and interval", [](CDlg3& p) {
         p.m_comboAlarmMode.SetCurSel(1 - p.m_comboAlarmMode.GetCurSel());
         p.m_editMemInterval.SetWindowText("15");
       }, {"K", "I"}},
      {"the IoT hours", [](CDlg3& p) { p.m_editIoTStop.SetWindowText("22"); }, {"sb"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Bench run;
    run.ConnectTo();
    run.Press(0, IDC_BUTTON_READ);
    run.ClearFrames();
    c.edit(run.User1());
    run.Press(0, IDC_BUTTON_SET);
    EXPECT_EQ(run.SentHeads(), c.sent);
    EXPECT_TRUE(run.boxes.boxes.empty());
    run.ClearFrames();
    run.Press(0, IDC_BUTTON_SET);   // acknowledged: the second Set sends nothing
    EXPECT_TRUE(run.SentHeads().empty());
  }
}

TEST(Sequences, WithoutAnIoTUnitItsSettingsAreNeverSent) {
  Bench run;
  run.ConnectTo({"--model", "TAVO-420A", "--version", "1.30"});
  run.User1().m_editIoTStart.SetWindowText("5");
  run.User1().m_comboIoTInterval.SetCurSel(3);
  run.User1().m_comboAutoPowerOff.SetCurSel(1);
  run.Press(0, IDC_BUTTON_SET);
  Heads sent = run.SentHeads();
  EXPECT_EQ(std::count(sent.begin(), sent.end(), "sa") + std::count(sent.begin(), sent.end(), "sb"), 0);
  EXPECT_EQ(sent.front(), "Q");
}

TEST(Sequences, ReadingMakerPage1TakesUserPage1EditsIntoTheSnapshot) {
  Bench run;
  run.ConnectTo();
  run.Press(0, IDC_BUTTON_READ);
  run.User1().m_editBuzzer.SetWindowText("33.0");
  run.Press(2, IDC_BUTTON_READ);
  EXPECT_EQ(run.dlg->m_snapBuzzer, "33.0");
  run.ClearFrames();
  run.Press(0, IDC_BUTTON_SET);
  EXPECT_TRUE(run.SentHeads().empty());
}

TEST(Sequences, ASettingWithoutAnswerFailsEvenAfterAnEarlierAck) {
  Bench run;
  run.ConnectTo({"--ignore", "B"});
  run.User1().m_comboAutoPowerOff.SetCurSel(1);
  run.User1().m_editBuzzer.SetWindowText("25.0");
  run.Press(0, IDC_BUTTON_SET);
  Heads sent = run.SentHeads();
  EXPECT_EQ(std::count(sent.begin(), sent.end(), "Q"), 1);
  EXPECT_EQ(std::count(sent.begin(), sent.end(), "B"), 6);
  EXPECT_EQ(run.Shown(), (Boxes{{"ﾌﾞｻﾞｰ警報の設定に失敗しました。", "ﾌﾞｻﾞｰ警報設定異常"}}));
  EXPECT_EQ(run.dlg->m_snapAutoPowerOff, 1);
  EXPECT_TRUE(run.dlg->m_snapBuzzer.IsEmpty());   // tried again at the next Set
}

TEST(Sequences, OneRetryCounterServesTheWholeSequence) {
  Bench run;
  // The auto power-off frame goes unanswered six times; every other frame is refused once.
  run.ConnectTo({"--ignore", "Q", "--naks", "1"});
  run.User1().m_comboAutoPowerOff.SetCurSel(1);
  run.User1().m_editBuzzer.SetWindowText("25.0");
  run.Press(0, IDC_BUTTON_SET);
  Heads sent = run.SentHeads();
  EXPECT_EQ(std::count(sent.begin(), sent.end(), "Q"), 6);
  EXPECT_EQ(std::count(sent.begin(), sent.end(), "B"), 1);   // resends used up: fails at once
  EXPECT_EQ(run.Shown(), (Boxes{{"ｵｰﾄﾊﾟﾜｰｵﾌの設定に失敗しました。", "ｵｰﾄﾊﾟﾜｰｵﾌ設定異常"},
                            {"ﾌﾞｻﾞｰ警報の設定に失敗しました。", "ﾌﾞｻﾞｰ警報設定異常"}}));
}

TEST(Sequences, MakerPage1SendsTheHumidityLimitOnlyForModelsThatHaveOne) {
  struct Case {
    int model;
    Heads sent;
  };
  const Case cases[] = {{0, {"M"}}, {1, {"L", "M"}}, {2, {"M"}}, {3, {"L", "M"}}, {4, {"M"}}, {5, {"L", "M"}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.model);
    Bench run;
    run.ConnectTo({"--model", "TAVO-999X"});   // unknown: model code item 0 stays
    run.dlg->m_snapModelCode = 9;              // the model code differs
    run.dlg->m_dlgMaker1.m_comboModel.SetCurSel(c.model);
    run.dlg->m_dlgMaker1.m_editHumidityLimit.SetWindowText("90.0");
    run.Press(2, IDC_BUTTON_SET);
    Heads sent = run.SentHeads();
    sent.erase(sent.begin());   // the identification on switching to the page
    EXPECT_EQ(sent, c.sent);
    EXPECT_TRUE(run.boxes.boxes.empty());
    EXPECT_EQ(run.dlg->m_snapModelCode, c.model);
  }
}

TEST(Sequences, AMakerFrameThatCannotBeWrittenFailsAtOnce) {
  const int timeOut = 2000;   // the wait for an acknowledgement that a failed frame must not spend
  Bench run;
  run.ConnectTo({}, "[COMM]\r\nTimeOut=" + std::to_string(timeOut) + "\r\nSendDelay=10\r\nSleepTime=1\r\n");
  run.Press(2, IDC_BUTTON_READ);
  run.dlg->m_dlgMaker1.m_comboModel.SetCurSel(1);
  run.dlg->m_dlgMaker1.m_editHumidityLimit.SetWindowText("85.5");
  run.dlg->m_snapModelCode = 0;
  run.boxes.boxes.clear();
  run.sim.reset();   // the instrument is unplugged: no byte can be written
  auto start = std::chrono::steady_clock::now();
  ui::Click(*run.dlg, IDC_BUTTON_SET);
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(ms, timeOut / 2) << "no wait for an acknowledgement";
  EXPECT_EQ(run.Shown(), (Boxes{{"相対湿度表示上限値の設定に失敗しました。", "相対湿度表示上限値設定異常"},
                            {"機種コード設定に失敗しました。", "機種コード設定異常"}}));
  EXPECT_EQ(fw::WaitCursorDepth(), 0);
}

// With the default timings: an unchanged Set still pauses between its groups.
TEST(Sequences, AnUnchangedSetPausesBetweenEveryGroup) {
  struct Case {
    const char* model;
    const char* version;
    int pauses;
  };
  for (const Case& c : {Case{"TAVO-420A", "1.30", 5}, Case{"TAVO-420B", "2.00", 7}}) {
    SCOPED_TRACE(c.model);
    Bench run;
    run.ConnectTo({"--model", c.model, "--version", c.version}, "[COMM]\r\nSleepTime=1\r\n");
    run.Press(0, IDC_BUTTON_READ);
    run.ClearFrames();
    auto start = std::chrono::steady_clock::now();
    run.Press(0, IDC_BUTTON_SET);
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    EXPECT_TRUE(run.SentHeads().empty());
    EXPECT_GE(ms, c.pauses * 500);
    EXPECT_LT(ms, (c.pauses + 1) * 500 + 400);
  }
}

}  // namespace
