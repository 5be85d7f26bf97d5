// The Read and Set buttons: the order of the requests on the line, one error
// box per failed step, and the snapshot that decides what a Set sends.
#include <gtest/gtest.h>

#include <chrono>

#include "native/dialog_with_sim.h"
#include "res/resource.h"
#include "support/ui_driver.h"

namespace {

using Boxes = SimBench::Boxes;

class SequenceBench : public SimBench {
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
    SequenceBench run;   // a fresh dialog and instrument for each case
    run.ConnectTo({"--model", c.model, "--version", c.version});
    run.Press(0, IDC_BUTTON_READ);
    EXPECT_EQ(run.SentHeads(), c.sent);
    EXPECT_TRUE(run.boxes.boxes.empty());
    EXPECT_FALSE(run.dlg->m_instrument.Snapshot()["clock"].text.empty());
    EXPECT_EQ(fw::WaitCursorDepth(), 0);
  }
}

TEST(Sequences, UserPage1StopsAtItsFirstFailure) {
  SequenceBench run;
  run.ConnectTo({"--ignore", "T"});
  run.Press(0, IDC_BUTTON_READ);
  EXPECT_EQ(run.SentHeads(), (Heads{"$Q", "$T"}));
  EXPECT_EQ(run.Shown(), (Boxes{{"初期データの取得に失敗しました。", "初期処理"}}));
  EXPECT_EQ(run.boxes.boxes[0].type, fw::kMbOk | fw::kMbIconError);
  EXPECT_TRUE(run.dlg->m_instrument.Snapshot()["clock"].text.empty());
  EXPECT_TRUE(run.dlg->m_instrument.Snapshot()["buzzer"].text.empty());
  EXPECT_EQ(fw::WaitCursorDepth(), 0);
}

TEST(Sequences, UserPage1ReportsAFirstQueryWithoutAnswer) {
  SequenceBench run;
  run.ConnectTo({"--ignore", "Q"});
  run.Press(0, IDC_BUTTON_READ);
  EXPECT_EQ(run.SentHeads(), (Heads{"$Q"}));
  EXPECT_EQ(run.Shown(), (Boxes{{"ｵｰﾄﾊﾟﾜｰｵﾌ取得要求に失敗しました。", "初期処理"}}));
}

// Each step's failure in the core (PageReads.APageReadGoesOnAfterAFailure);
// here the window shows each as an error box.
TEST(Sequences, ASilentInstrumentGivesOneBoxPerStep) {
  SequenceBench run;
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
  SequenceBench run;
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
    SequenceBench run;
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
  SequenceBench run;
  run.ConnectTo({"--model", "TAVO-420A", "--version", "1.30"});
  run.User1().m_editIoTStart.SetWindowText("5");
  run.User1().m_comboIoTInterval.SetCurSel(3);
  run.User1().m_comboAutoPowerOff.SetCurSel(1);
  run.Press(0, IDC_BUTTON_SET);
  Heads sent = run.SentHeads();
  EXPECT_EQ(std::count(sent.begin(), sent.end(), "sa") + std::count(sent.begin(), sent.end(), "sb"), 0);
  EXPECT_EQ(sent.front(), "Q");
}

// Reading maker page 1 takes the model code the page shows when the read
// ends where its query went unanswered: the one the identification on
// switching to the page selected (the snapshot's rules are the core's,
// PageReads.MakerPage1ReadTakesWhatTheInstrumentHolds). A Set on maker page 1
// then sends nothing, one on user page 1 its edit.
TEST(Sequences, ReadingMakerPage1KeepsUserPage1EditsAndTakesWhatTheInstrumentHolds) {
  SequenceBench run;
  run.ConnectTo({"--model", "TAVO-420B", "--ignore", "M"});
  run.Press(0, IDC_BUTTON_READ);
  run.User1().m_editBuzzer.SetWindowText("33.0");
  run.dlg->m_dlgMaker1.m_comboModel.SetCurSel(4);   // the identification on switching selects item 5
  run.Press(2, IDC_BUTTON_READ);
  EXPECT_EQ(run.dlg->m_instrument.Snapshot()["buzzer"].text, "28.5");
  EXPECT_EQ(run.dlg->m_instrument.Snapshot()["humidity_limit"].text, "90.0");
  EXPECT_EQ(run.dlg->m_instrument.Snapshot()["model_code"].item, 5);
  run.ClearFrames();
  run.boxes.boxes.clear();
  ASSERT_TRUE(ui::Click(*run.dlg, IDC_BUTTON_SET));
  EXPECT_TRUE(run.SentHeads().empty());
  run.Press(0, IDC_BUTTON_SET);
  EXPECT_EQ(run.SentHeads(), (Heads{"B"}));
  EXPECT_TRUE(run.boxes.boxes.empty());
}

// A group whose frame cannot be built fails at once with its message and
// uses one resend of the sequence: an unanswered group after it gets five sends.
TEST(Sequences, AUserPage1FrameThatCannotBeBuiltFailsAtOnce) {
  struct Case {
    const char* name;
    void (*edit)(CDlg3&);
    Boxes shown;
  };
  const Case cases[] = {
      {"no auto power-off choice", [](CDlg3& p) { p.m_comboAutoPowerOff.SetCurSel(-1); },
       {{"ｵｰﾄﾊﾟﾜｰｵﾌの設定に失敗しました。", "ｵｰﾄﾊﾟﾜｰｵﾌ設定異常"}}},
      {"year 1999", [](CDlg3& p) {
         p.m_dateClock.SetTime({1999, 12, 0, 31, 0, 0, 0, 0});
       }, {{"時刻の設定に失敗しました。", "時刻設定異常"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SequenceBench run;
    run.ConnectTo({"--ignore", "S"});
    c.edit(run.User1());
    run.User1().m_editLevel1.SetWindowText("25.0");
    for (CEdit* e : {&run.User1().m_editLevel2, &run.User1().m_editLevel3, &run.User1().m_editLevel4})
      e->SetWindowText("30.0");
    EXPECT_EQ(run.dlg->WriteUser1Settings(), 0);
    Boxes shown = c.shown;
    shown.push_back({"ﾊﾟﾄﾗｲﾄﾓｰﾄﾞ閾値の設定に失敗しました。", "ﾊﾟﾄﾗｲﾄﾓｰﾄﾞ閾値設定異常"});
    EXPECT_EQ(run.Shown(), shown);
    EXPECT_EQ(run.SentHeads(), Heads(5, "S"));
  }
}

// Every text that goes into a setting frame passes its page's check first,
// typed or read: the first failing field's message, and the group fails. An
// empty level or hour is never sent as zero; all four levels empty still
// send nothing. A level damaged on the line stays as it was, so the other
// levels are not sent with it.
TEST(Sequences, AFieldThatFailsItsCheckIsNotSent) {
  using Typed = std::vector<std::pair<CEdit CDlg3::*, const char*>>;
  struct Case {
    const char* name;
    std::vector<std::string> simArgs;
    Typed typed;
    Boxes shown;
    Heads sent = {};   // the groups that pass
  };
  const char* kTemperature = "15.0～40.0℃の範囲で入力してください。";
  const char* kHours = "0～23時の範囲で入力してください。";
  const Typed kLevel1Changed = {{&CDlg3::m_editLevel1, "29.0"}};
  const Case cases[] = {
      {"level 2 empty", {}, {{&CDlg3::m_editLevel1, "25.0"}, {&CDlg3::m_editLevel2, ""}, {&CDlg3::m_editLevel4, ""}},
       {{kTemperature, "ﾊﾟﾄﾗｲﾄﾓｰﾄﾞ閾値 ﾚﾍﾞﾙ2入力値異常"}}},
      {"level 1 empty", {}, {{&CDlg3::m_editLevel1, ""}, {&CDlg3::m_editLevel2, "26.0"}},
       {{kTemperature, "ﾊﾟﾄﾗｲﾄﾓｰﾄﾞ閾値 ﾚﾍﾞﾙ1入力値異常"}}},
      {"every level empty", {},
       {{&CDlg3::m_editLevel1, ""}, {&CDlg3::m_editLevel2, ""}, {&CDlg3::m_editLevel3, ""}, {&CDlg3::m_editLevel4, ""}},
       {}},
      {"start hour empty", {}, {{&CDlg3::m_editIoTStart, ""}, {&CDlg3::m_editIoTStop, "22"}},
       {{kHours, "IoTユニット 通信開始時刻異常"}}},
      {"stop hour 24", {}, {{&CDlg3::m_editIoTStop, "24"}}, {{kHours, "IoTユニット 通信開始時刻異常"}}},
      {"level 2 out of range", {}, {{&CDlg3::m_editLevel2, "1.0"}}, {{kTemperature, "ﾊﾟﾄﾗｲﾄﾓｰﾄﾞ閾値 ﾚﾍﾞﾙ2入力値異常"}}},
      {"level 2 out of range as read", {"--reply", "Sa028.06b001.06c033.06d035.06"}, kLevel1Changed,
       {{kTemperature, "ﾊﾟﾄﾗｲﾄﾓｰﾄﾞ閾値 ﾚﾍﾞﾙ2入力値異常"}}},
      // The read stopped at the thresholds: what it showed before is sent as well.
      {"level 2 damaged on the line", {"--zero", "S13"}, kLevel1Changed,
       {{kTemperature, "ﾊﾟﾄﾗｲﾄﾓｰﾄﾞ閾値 ﾚﾍﾞﾙ2入力値異常"}}, {"B", "I"}},
      {"buzzer 14.9", {}, {{&CDlg3::m_editBuzzer, "14.9"}}, {{kTemperature, "ﾌﾞｻﾞｰ警報 入力値異常"}}},
      // An interval ending in a lead byte without its trail, which the edit shows as "1・", untouched: nothing.
      {"an interval the page cannot show as it came", {"--byte", "I4=81"}, {}, {}},
      {"interval 1000", {}, {{&CDlg3::m_editMemInterval, "1000"}},
       {{"0～999分の範囲で入力してください。", "ﾒﾓﾘ間隔時間 ﾒﾓﾘ間隔時間入力値異常"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SequenceBench run;
    std::vector<std::string> args = {"--model", "TAVO-420B", "--version", "2.00"};
    args.insert(args.end(), c.simArgs.begin(), c.simArgs.end());
    run.ConnectTo(args);
    run.Press(0, IDC_BUTTON_READ);
    run.ClearFrames();
    run.boxes.boxes.clear();
    for (const auto& typed : c.typed) (run.User1().*typed.first).SetWindowText(typed.second);
    EXPECT_EQ(run.dlg->WriteUser1Settings(), c.shown.empty() ? 1 : 0);
    EXPECT_EQ(run.Shown(), c.shown);
    for (const auto& box : run.boxes.boxes) EXPECT_EQ(box.type, fw::kMbOk | fw::kMbIconExclamation);
    EXPECT_EQ(run.SentHeads(), c.sent);
  }
}

// Before the clock was ever read, the pickers show the time the page was
// made: the clock is set only when the user set it. A list the instrument
// named no item of stays without a choice, and nothing is sent for it.
TEST(Sequences, SetSendsOnlyWhatTheUserChose) {
  struct Case {
    const char* name;
    std::vector<std::string> simArgs;
    bool read;
    void (*edit)(CDlg3&);
    Heads sent;
  };
  auto nothing = [](CDlg3&) {};
  auto laterTime = [](CDlg3& p) {
    fw::DateTime t{};
    p.m_timeClock.GetTime(t);
    t.minute = (t.minute + 30) % 60;
    p.m_timeClock.SetTime(t);
  };
  const Case cases[] = {
      {"never read", {}, false, nothing, {}},
      {"never read, time set by the user", {}, false, laterTime, {"T"}},
      {"read failed after the clock", {"--ignore", "I"}, true, nothing, {}},
      {"read failed, time set by the user", {"--ignore", "I"}, true, laterTime, {"T"}},
      {"choices beyond the lists", {"--reply", "Q7", "--reply", "Kx", "--reply", "sa007 b 06 22"}, true, nothing,
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SequenceBench run;
    std::vector<std::string> args = {"--model", "TAVO-420B", "--version", "2.00"};
    args.insert(args.end(), c.simArgs.begin(), c.simArgs.end());
    run.ConnectTo(args);
    if (c.read) run.Press(0, IDC_BUTTON_READ);
    run.ClearFrames();
    run.boxes.boxes.clear();
    c.edit(run.User1());
    run.Press(0, IDC_BUTTON_SET);
    EXPECT_EQ(run.SentHeads(), c.sent);
    EXPECT_TRUE(run.boxes.boxes.empty());
  }
}

TEST(Sequences, ASettingWithoutAnswerFailsEvenAfterAnEarlierAck) {
  SequenceBench run;
  run.ConnectTo({"--ignore", "B"});
  run.User1().m_comboAutoPowerOff.SetCurSel(1);
  run.User1().m_editBuzzer.SetWindowText("25.0");
  run.Press(0, IDC_BUTTON_SET);
  Heads sent = run.SentHeads();
  EXPECT_EQ(std::count(sent.begin(), sent.end(), "Q"), 1);
  EXPECT_EQ(std::count(sent.begin(), sent.end(), "B"), 6);
  EXPECT_EQ(run.Shown(), (Boxes{{"ﾌﾞｻﾞｰ警報の設定に失敗しました。", "ﾌﾞｻﾞｰ警報設定異常"}}));
  EXPECT_EQ(run.dlg->m_instrument.Snapshot()["auto_power_off"].item, 1);
  EXPECT_TRUE(run.dlg->m_instrument.Snapshot()["buzzer"].text.empty());   // tried again at the next Set
}

TEST(Sequences, OneRetryCounterServesTheWholeSequence) {
  SequenceBench run;
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
    SequenceBench run;
    // An unknown model, whose model code no item names: every item differs.
    run.ConnectTo({"--model", "TAVO-999X", "--reply", "M9", "--reply", "L080.08"});
    run.Press(2, IDC_BUTTON_READ);
    run.ClearFrames();
    run.dlg->m_dlgMaker1.m_comboModel.SetCurSel(c.model);
    run.dlg->m_dlgMaker1.m_editHumidityLimit.SetWindowText("90.0");
    run.Press(2, IDC_BUTTON_SET);
    Heads sent = run.SentHeads();
    sent.erase(sent.begin());   // the identification on choosing the page
    EXPECT_EQ(sent, c.sent);
    EXPECT_TRUE(run.boxes.boxes.empty());
    EXPECT_EQ(run.dlg->m_instrument.Snapshot()["model_code"].item, c.model);
  }
}

TEST(Sequences, AMakerFrameThatCannotBeWrittenFailsAtOnce) {
  const int timeOut = 2000;   // the wait for an acknowledgement that a failed frame must not spend
  SequenceBench run;
  run.ConnectTo({"--reply", "M0"}, "[COMM]\r\nTimeOut=" + std::to_string(timeOut) + "\r\nSendDelay=10\r\nSleepTime=1\r\n");
  run.Press(2, IDC_BUTTON_READ);
  run.dlg->m_dlgMaker1.m_comboModel.SetCurSel(1);
  run.dlg->m_dlgMaker1.m_editHumidityLimit.SetWindowText("85.5");
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
    SequenceBench run;
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
