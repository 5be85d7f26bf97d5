// The settings commands against the instrument simulator: the frames the
// instrument receives, byte for byte, and where each reply field lands.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "native/dialog_with_sim.h"
#include "res/resource.h"
#include "support/page_commands.h"
#include "support/ui_driver.h"

namespace {

using Command = PageCommand;
using PageValues = std::function<void(CTAVODlg&)>;

fw::DateTime PickerAt(int year, int month, int day, int hour, int minute, int second) {
  return {year, month, 0, day, hour, minute, second, 0};
}

std::string Shown(const fw::DateTime& t) {
  char text[64];
  std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                t.second);
  return text;
}

// What a control shows, as one text: a combo its item index, a picker its
// date and time, an edit or static its text.
using Probe = std::function<std::string(CTAVODlg&)>;
Probe Item(CComboBox CDlg3::*combo) {
  return [combo](CTAVODlg& d) { return std::to_string((d.m_dlgUser1.*combo).GetCurSel()); };
}
Probe Text(CEdit CDlg3::*edit) {
  return [edit](CTAVODlg& d) { return (d.m_dlgUser1.*edit).GetWindowText().str(); };
}
Probe Picker(CDateTimeCtrl CDlg3::*picker) {
  return [picker](CTAVODlg& d) {
    fw::DateTime t;
    return (d.m_dlgUser1.*picker).GetTime(t) ? Shown(t) : std::string("none");
  };
}
const Probe kHumidityLimit = [](CTAVODlg& d) { return d.m_dlgMaker1.m_editHumidityLimit.GetWindowText().str(); };
const Probe kHumidityLimitEnabled = [](CTAVODlg& d) {
  return std::string(d.m_dlgMaker1.m_editHumidityLimit.IsWindowEnabled() ? "enabled" : "disabled");
};
const Probe kModelItem = [](CTAVODlg& d) { return std::to_string(d.m_dlgMaker1.m_comboModel.GetCurSel()); };

// The dialog connected to the simulator through a link of its own, so that
// only the frames of the commands under test reach the instrument.
class SettingsCommands : public DialogWithSim {
protected:
  // TimeOut `timeOutMs`: a reply that comes is never waited out, so only the
  // cases that wait in vain pay for a long one.
  void Open(const std::vector<std::string>& simArgs = {}, int timeOutMs = 2000) {
    if (dlg) Restart();
    Start(simArgs, true, "[COMM]\r\nTimeOut=" + std::to_string(timeOutMs) + "\r\nSendDelay=10\r\nSleepTime=1\r\n");
    ASSERT_EQ(dlg->m_instrument.UsePort(MakeSystemPort(), "COM7"), 1);
    ClearFrames();
  }
  // Ends the simulator and the dialog of the previous case.
  void Restart() {
    dlg->CloseLink();
    dlg->DestroyWindow();
    dlg.reset();
    sim.reset();
    unsetenv("TAVO_PORT_DIR");
    std::filesystem::remove_all(dir.path() / "ports");
  }
  // Runs a set command as the write sequences do; 1 when the instrument acknowledged.
  int SetAndAwaitAck(Command command) {
    int retries = 1;
    return RunSetTransaction(*dlg->m_instrument.Link(), [&] { return command(*dlg); }, retries);
  }
  // Puts a value the commands never produce into every control they fill.
  void Preset() {
    CDlg3& user1 = dlg->m_dlgUser1;
    user1.m_comboAutoPowerOff.SetCurSel(0);
    user1.m_comboAlarmMode.SetCurSel(0);
    user1.m_comboIoTInterval.SetCurSel(2);
    user1.m_dateClock.SetTime(PickerAt(2001, 2, 3, 4, 5, 6));
    user1.m_timeClock.SetTime(PickerAt(2001, 2, 3, 4, 5, 6));
    for (CEdit* edit : {&user1.m_editMemInterval, &user1.m_editBuzzer, &user1.m_editLevel1, &user1.m_editLevel2,
                        &user1.m_editLevel3, &user1.m_editLevel4, &user1.m_editIoTStart, &user1.m_editIoTStop})
      edit->SetWindowText("before");
    dlg->m_dlgUser2.m_staticAutoPowerOff.SetWindowText("before");
    dlg->m_dlgUser2.m_staticClock.SetWindowText("before");
    dlg->m_dlgMaker1.m_editHumidityLimit.SetWindowText("before");
    dlg->m_dlgMaker1.m_editHumidityLimit.EnableWindow(true);
    dlg->m_dlgMaker1.m_comboModel.SetCurSel(0);
  }
};

const char* const kBefore = "2001/02/03 04:05:06";

// Every set command with the page values of the edge cases, through a set
// transaction: the instrument got exactly this frame and acknowledged it.
TEST_F(SettingsCommands, SetFramesByteForByte) {
  struct Case {
    const char* name;
    PageValues setup;
    Command command;
    std::string frame;
  };
  auto select = [](CComboBox CDlg3::*combo, int item) {
    return [=](CTAVODlg& d) { (d.m_dlgUser1.*combo).SetCurSel(item); };
  };
  auto type = [](std::vector<std::pair<CEdit CDlg3::*, const char*>> texts) {
    return [=](CTAVODlg& d) {
      for (const auto& t : texts) (d.m_dlgUser1.*t.first).SetWindowText(t.second);
    };
  };
  auto clock = [](fw::DateTime date, fw::DateTime time) {
    return [=](CTAVODlg& d) {
      d.m_dlgUser1.m_dateClock.SetTime(date);
      d.m_dlgUser1.m_timeClock.SetTime(time);
    };
  };
  auto limit = [](const char* text) { return [=](CTAVODlg& d) { d.m_dlgMaker1.m_editHumidityLimit.SetWindowText(text); }; };
  auto model = [](int item) { return [=](CTAVODlg& d) { d.m_dlgMaker1.m_comboModel.SetCurSel(item); }; };
  // The frames of every value are the core's (InstrumentCore.GroupFramesByteForByte);
  // here each group's controls reach the line.
  const Case cases[] = {
      {"prohibited", select(&CDlg3::m_comboAutoPowerOff, 1), Set("Q"), "\x02Q1\x03"},
      {"date of 1071, time of 1083", clock(PickerAt(2024, 5, 31, 23, 1, 1), PickerAt(1999, 1, 1, 9, 5, 7)), Set("T"),
       "\x02T240531090507\x03"},
      {"interval 5", type({{&CDlg3::m_editMemInterval, "5"}}), Set("I"), "\x02I005\x03"},
      {"buzzer 28.5", type({{&CDlg3::m_editBuzzer, "28.5"}}), Set("B"), "\x02" "B028.56\x03"},
      {"alarm on", select(&CDlg3::m_comboAlarmMode, 1), Set("K"), "\x02K1\x03"},
      {"four levels",
       type({{&CDlg3::m_editLevel1, "28.0"}, {&CDlg3::m_editLevel2, "31.0"}, {&CDlg3::m_editLevel3, "33.0"},
             {&CDlg3::m_editLevel4, "35.0"}}),
       Set("S"), "\x02Sa028.06b031.06c033.06d035.06\x03"},
      {"15 minutes", select(&CDlg3::m_comboIoTInterval, 6), Set("sa"), "\x02sa015\x03"},
      {"hours 7 to 18", type({{&CDlg3::m_editIoTStart, "7"}, {&CDlg3::m_editIoTStop, "18"}}), Set("sb"),
       "\x02sb07 18\x03"},
      {"limit 90.0", limit("90.0"), Set("L"), "\x02L090.08\x03"},
      {"model 420BN", model(5), Set("M"), "\x02M*5*\x03"},
  };
  Open();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.setup(*dlg);
    ClearFrames();
    EXPECT_EQ(SetAndAwaitAck(c.command), 1);
    EXPECT_EQ(Frames(), std::vector<std::string>{Hex(c.frame)});
  }
}

// A set command sends its frame and returns at once: the acknowledgement is
// awaited from then on, by its caller.
TEST_F(SettingsCommands, SetCommandsLeaveTheAcknowledgementAwaited) {
  Open({"--ignore", "Q"});
  dlg->m_instrument.Link()->SetAwaitingAck(false);
  EXPECT_EQ(Set("Q")(*dlg), 1);
  EXPECT_TRUE(dlg->m_instrument.Link()->AwaitingAck());
}

struct QueryCase {
  const char* name;
  std::vector<std::string> replies;   // --reply values: letter, then payload
  Command command;
  int result;
  std::vector<std::pair<Probe, std::string>> shown;
  std::vector<std::string> zeros = {};   // --zero values: letter, then reply position
};

// Each reply field in its control, and what a reply out of the lists leaves;
// a zero byte where a field is read fails the query and leaves every control.
TEST_F(SettingsCommands, ReplyFieldsLandInTheirControls) {
  const Probe level[] = {Text(&CDlg3::m_editLevel1), Text(&CDlg3::m_editLevel2), Text(&CDlg3::m_editLevel3),
                         Text(&CDlg3::m_editLevel4)};
  const Probe iotItem = Item(&CDlg3::m_comboIoTInterval), iotStart = Text(&CDlg3::m_editIoTStart),
              iotStop = Text(&CDlg3::m_editIoTStop);
  // The values of every reply are the core's (InstrumentCore.RepliesGiveValues);
  // here each query's values reach their controls.
  const QueryCase cases[] = {
      {"prohibited", {"Q1"}, Get('Q'), 1, {{Item(&CDlg3::m_comboAutoPowerOff), "1"}}},
      {"choice 7", {"Q7"}, Get('Q'), 1, {{Item(&CDlg3::m_comboAutoPowerOff), "-1"}}},
      {"clock", {"T240531090705"}, Get('T'), 1,
       {{Picker(&CDlg3::m_dateClock), "2024/05/31 09:07:05"}, {Picker(&CDlg3::m_timeClock), "2024/05/31 09:07:05"}}},
      {"interval 010", {"I010"}, Get('I'), 1, {{Text(&CDlg3::m_editMemInterval), "10"}}},
      {"buzzer -05.0", {"B-05.06"}, Get('B'), 1, {{Text(&CDlg3::m_editBuzzer), "-5.0"}}},
      {"alarm on", {"K1"}, Get('K'), 1, {{Item(&CDlg3::m_comboAlarmMode), "1"}}},
      {"levels", {"Sa028.06b-05.06c+33.56d035.06"}, Get('S'), 1,
       {{level[0], "28.0"}, {level[1], "-5.0"}, {level[2], "33.5"}, {level[3], "35.0"}}},
      {"schedule", {"sa030 b 08 17"}, Get('s'), 1, {{iotItem, "7"}, {iotStart, "08"}, {iotStop, "17"}}},
      {"schedule 007", {"sa007 b 06 22"}, Get('s'), 1, {{iotItem, "-1"}, {iotStart, "06"}, {iotStop, "22"}}},
      {"limit 100.0, taken whole", {"L100.08"}, Get('L'), 1, {{kHumidityLimit, "100.0"}}},
      {"model 5", {"M5"}, Get('M'), 1, {{kModelItem, "5"}, {kHumidityLimitEnabled, "enabled"}}},
      {"model 2", {"M2"}, Get('M'), 1, {{kModelItem, "2"}, {kHumidityLimitEnabled, "disabled"}}},
      {"model 8", {"M8"}, Get('M'), 1, {{kModelItem, "-1"}, {kHumidityLimitEnabled, "enabled"}}},
      // Damaged replies in the core (InstrumentCore.DamagedAndShortReplies); here one leaves its controls.
      {"levels, a zero in level 2", {"Sa028.06b015.06c033.06d035.06"}, Get('S'), 0,
       {{level[0], "before"}, {level[1], "before"}}, {"S13"}},
  };
  for (const QueryCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> args;
    for (const std::string& reply : c.replies) args.insert(args.end(), {"--reply", reply});
    for (const std::string& zero : c.zeros) args.insert(args.end(), {"--zero", zero});
    Open(args);
    Preset();
    EXPECT_EQ(c.command(*dlg), c.result);
    for (const auto& shown : c.shown) EXPECT_EQ(shown.first(*dlg), shown.second);
    EXPECT_EQ(Frames().size(), 1u);
  }
}

// The queries with the simulator's own state, one after the other on one link.
TEST_F(SettingsCommands, QueriesSendTheirFourBytes) {
  struct Case {
    Command command;
    const char* frame;
  };
  const Case cases[] = {
      {Get('Q'), "\x02$Q\x03"},    {Get('T'), "\x02$T\x03"},       {Get('I'), "\x02$I\x03"},
      {Get('B'), "\x02$B\x03"},     {Get('K'), "\x02$K\x03"}, {Get('S'), "\x02$S\x03"},
      {Get('s'), "\x02$s\x03"},
  };   // maker page 1's in the core (PageReads.APageReadGoesOnAfterAFailure)
  Open();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.frame + 1);
    ClearFrames();
    EXPECT_EQ(c.command(*dlg), 1);
    EXPECT_EQ(Frames(), std::vector<std::string>{Hex(c.frame)});
  }
  EXPECT_EQ(dlg->m_dlgUser1.m_editBuzzer.GetWindowText(), "28.5");
  EXPECT_EQ(dlg->m_dlgUser1.m_editLevel4.GetWindowText(), "35.0");
  EXPECT_EQ(dlg->m_dlgUser1.m_comboIoTInterval.GetCurSel(), 5);   // 10 minutes
}

// '$s' is sent again when no reply came, six times at most; the other
// queries are sent again only after a NAK.
TEST_F(SettingsCommands, ScheduleQueryIsSentAgainOnTimeOut) {
  struct Case {
    const char* name;
    std::vector<std::string> simArgs;
    Command command;
    bool awaitingAck;
    int result;
    size_t sends;
  };
  const Case cases[] = {
      {"schedule, answered at the third send", {"--silent", "2"}, Get('s'), false, 1, 3},
      {"schedule, never answered", {"--ignore", "s"}, Get('s'), false, 0, 6},
      {"schedule, refused once", {"--naks", "1"}, Get('s'), true, 1, 2},
      {"interval, answered at the third send", {"--silent", "2"}, Get('I'), false, 0, 1},
      {"interval, refused twice", {"--naks", "2"}, Get('I'), true, 1, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Open(c.simArgs, 500);
    Preset();
    dlg->m_instrument.Link()->SetAwaitingAck(c.awaitingAck);
    EXPECT_EQ(c.command(*dlg), c.result);
    const std::vector<std::string> frames = Frames();
    EXPECT_EQ(frames.size(), c.sends);
    const bool schedule = std::string(c.name).rfind("schedule", 0) == 0;
    for (const std::string& frame : frames) EXPECT_EQ(frame, Hex(schedule ? "\x02$s\x03" : "\x02$I\x03"));
    const std::string shown = schedule ? Text(&CDlg3::m_editIoTStart)(*dlg) : Text(&CDlg3::m_editMemInterval)(*dlg);
    EXPECT_EQ(shown, c.result ? (schedule ? "08" : "10") : "before");
  }
}

// A clock that is no date and time leaves the pickers, fails, and frees the
// reply buffer for the next query.
TEST_F(SettingsCommands, ClockOutOfRange) {
  const char* const replies[] = {"T241305090705", "T240005090705", "T240531240000", "T240230120000",
                                 "T240531096005", "T2405310907x5", "T2405"};
  for (const char* reply : replies) {
    SCOPED_TRACE(reply);
    Open({"--reply", reply});
    Preset();
    EXPECT_EQ(Get('T')(*dlg), 0);
    EXPECT_EQ(Picker(&CDlg3::m_dateClock)(*dlg), kBefore);
    EXPECT_EQ(Picker(&CDlg3::m_timeClock)(*dlg), kBefore);
    EXPECT_EQ(Get('Q')(*dlg), 1);
  }
}

// Nothing is sent for a value the frame cannot carry: a combo without a
// selection or beyond sixteen items, a year the two digits cannot hold.
TEST_F(SettingsCommands, NothingSentWithoutAValue) {
  struct Case {
    const char* name;
    PageValues setup;
    Command command;
  };
  auto deselect = [](CComboBox& (*combo)(CTAVODlg&)) { return [=](CTAVODlg& d) { combo(d).SetCurSel(-1); }; };
  const Case cases[] = {
      {"auto power-off", deselect([](CTAVODlg& d) -> CComboBox& { return d.m_dlgUser1.m_comboAutoPowerOff; }),
       Set("Q")},
      {"alarm mode", deselect([](CTAVODlg& d) -> CComboBox& { return d.m_dlgUser1.m_comboAlarmMode; }),
       Set("K")},
      {"model", deselect([](CTAVODlg& d) -> CComboBox& { return d.m_dlgMaker1.m_comboModel; }), Set("M")},
      {"IoT interval", deselect([](CTAVODlg& d) -> CComboBox& { return d.m_dlgUser1.m_comboIoTInterval; }),
       Set("sa")},
      {"model item 16",
       [](CTAVODlg& d) {
         while (d.m_dlgMaker1.m_comboModel.GetCount() < 17) d.m_dlgMaker1.m_comboModel.AddString("extra");
         d.m_dlgMaker1.m_comboModel.SetCurSel(16);
       },
       Set("M")},
      {"year 1999",
       [](CTAVODlg& d) {
         d.m_dlgUser1.m_dateClock.SetTime(PickerAt(1999, 12, 31, 0, 0, 0));
         d.m_dlgUser1.m_timeClock.SetTime(PickerAt(1999, 12, 31, 23, 59, 59));
       },
       Set("T")},
      {"year 2100",
       [](CTAVODlg& d) {
         d.m_dlgUser1.m_dateClock.SetTime(PickerAt(2100, 1, 1, 0, 0, 0));
         d.m_dlgUser1.m_timeClock.SetTime(PickerAt(2100, 1, 1, 0, 0, 0));
       },
       Set("T")},
  };
  Open();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.setup(*dlg);
    dlg->m_instrument.Link()->SetAwaitingAck(false);
    ClearFrames();
    EXPECT_EQ(c.command(*dlg), 0);
    EXPECT_FALSE(dlg->m_instrument.Link()->AwaitingAck());
    EXPECT_EQ(Get('I')(*dlg), 1);   // the next frame the instrument gets is this query
    EXPECT_EQ(Frames(), std::vector<std::string>{Hex("\x02$I\x03")});
  }
}

// The clock frame comes from the pickers' values, whatever their text shows.
TEST_F(SettingsCommands, ClockFrameFromThePickerValues) {
  Open();
  dlg->m_dlgUser1.m_dateClock.SetTime(PickerAt(2024, 5, 31, 0, 0, 0));
  dlg->m_dlgUser1.m_timeClock.SetTime(PickerAt(2024, 5, 31, 9, 5, 7));
  dlg->m_dlgUser1.m_dateClock.SetWindowText("31.5.24");
  dlg->m_dlgUser1.m_timeClock.SetWindowText("9.05 AM");
  EXPECT_EQ(SetAndAwaitAck(Set("T")), 1);
  EXPECT_EQ(Frames(), std::vector<std::string>{Hex("\x02T240531090507\x03")});
}

// The hidden button: one reset frame, one wait, and no acknowledgement
// awaited afterwards whatever the instrument answered; a failure is reported.
TEST_F(SettingsCommands, ResetButton) {
  struct Case {
    const char* name;
    std::vector<std::string> simArgs;
    bool failed;   // refused or unanswered: waited out (a NAK signals nothing) and reported
  };
  const Case cases[] = {
      {"acknowledged", {}, false}, {"refused", {"--naks", "1"}, true}, {"unanswered", {"--ignore", "i"}, true}};
  const int timeOut = 800;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Open(c.simArgs, timeOut);
    dlg->m_btnInit.ShowWindow(fw::kSwShow);
    dlg->m_btnInit.EnableWindow(true);
    dlg->m_dlgUser1.m_editBuzzer.SetWindowText("33.0");
    boxes.boxes.clear();
    auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(ui::Click(*dlg, IDC_BUTTON_INIT));
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    if (c.failed) {
      EXPECT_GE(ms, timeOut * 3 / 4) << "the wait for the acknowledgement";
    } else {
      EXPECT_LT(ms, timeOut / 2) << "the acknowledgement ends the wait";
    }
    EXPECT_LT(ms, timeOut * 7 / 4) << "one wait, not two (two take twice the time-out)";
    EXPECT_EQ(Frames(), std::vector<std::string>{Hex("\x02i**\x03")});
    const Boxes failure = {{"設定値初期化に失敗しました。", "設定値初期化"}};
    EXPECT_EQ(Shown(), c.failed ? failure : Boxes());
    for (const auto& box : boxes.boxes) EXPECT_EQ(box.type, fw::kMbOk | fw::kMbIconError);
    EXPECT_FALSE(dlg->m_instrument.Link()->AwaitingAck());
    EXPECT_EQ(dlg->m_dlgUser1.m_editBuzzer.GetWindowText(), "33.0");
  }
}

// After a reset the instrument holds its initial values again.
TEST_F(SettingsCommands, ResetReturnsTheInstrumentToItsInitialValues) {
  Open();
  dlg->m_dlgUser1.m_editMemInterval.SetWindowText("5");
  ASSERT_EQ(SetAndAwaitAck(Set("I")), 1);
  dlg->ResetSettings();
  ASSERT_EQ(Get('I')(*dlg), 1);
  EXPECT_EQ(dlg->m_dlgUser1.m_editMemInterval.GetWindowText(), "10");
}

}  // namespace
