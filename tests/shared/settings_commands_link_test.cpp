// The settings commands on a link whose port is scripted: without a link, with
// a port that fails to write, and with a reply refused six times.
#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/tavo_app.h"
#include "app/tavo_dlg.h"
#include "res/resource.h"
#include "support/fake_port.h"
#include "support/message_boxes.h"
#include "support/page_commands.h"
#include "support/temp_dir.h"

namespace {

using Command = PageCommand;

const Command kQueries[] = {Get('Q'), Get('T'), Get('I'), Get('B'), Get('K'), Get('S'), Get('s'), Get('L'), Get('M')};
const Command kSettings[] = {Set("Q"), Set("T"),       Set("I"),
                             Set("B"),       Set("K"),   Set("S"),
                             Set("sa"),  Set("sb"),    Set("L"),
                             Set("M")};

class SettingsCommandsOnFakePort : public ::testing::Test {
protected:
  void Open(FakePort::Answer answer = nullptr) {
    dir.Write("TAVO.ini", kFakePortComm);
    ASSERT_TRUE(dlg.Create(IDD_TAVO_DIALOG));
    dlg.m_dlgUser1.m_comboIoTInterval.SetCurSel(0);
    dlg.m_dlgUser1.m_dateClock.SetTime({2024, 5, 0, 31, 9, 5, 7, 0});
    dlg.m_dlgUser1.m_timeClock.SetTime({2024, 5, 0, 31, 9, 5, 7, 0});
    auto owned = std::make_unique<FakePort>(std::move(answer));
    port = owned.get();
    ASSERT_EQ(dlg.m_instrument.UsePort(std::move(owned), "COM1"), 1);
  }
  void TearDown() override { dlg.CloseLink(); }

  TempCurrentDir dir;
  CTAVOApp app;
  MessageBoxRecorder boxes;
  CTAVODlg dlg;
  FakePort* port = nullptr;
};

TEST_F(SettingsCommandsOnFakePort, WithoutALinkEveryCommandFails) {
  ASSERT_TRUE(dlg.Create(IDD_TAVO_DIALOG));
  for (Command query : kQueries) EXPECT_EQ(query(dlg), 0);
  for (Command setting : kSettings) EXPECT_EQ(setting(dlg), 0);
  dlg.ResetSettings();
  EXPECT_EQ(dlg.m_instrument.Link(), nullptr);
  EXPECT_TRUE(boxes.boxes.empty()) << "commands show no messages";
}

// A failed byte write: each command tries its first byte once, nothing is
// awaited, and no control changes.
TEST_F(SettingsCommandsOnFakePort, FailedWrite) {
  Open();
  port->writeResult = plat::WriteResult::Failed;
  for (Command setting : kSettings) {
    EXPECT_EQ(setting(dlg), 0);
    EXPECT_FALSE(dlg.m_instrument.Link()->AwaitingAck());
  }
  dlg.m_dlgUser1.m_editBuzzer.SetWindowText("before");
  for (Command query : kQueries) EXPECT_EQ(query(dlg), 0);
  EXPECT_EQ(dlg.m_dlgUser1.m_editBuzzer.GetWindowText(), "before");
  EXPECT_EQ(port->Frames(), 0);
  EXPECT_EQ(port->writeAttempts, static_cast<int>(std::size(kSettings) + std::size(kQueries)));
}

// Six refusals: the query fails after six sends, and no control changes.
TEST_F(SettingsCommandsOnFakePort, SixRefusalsFailTheQueryAndShowNothing) {
  Open([](const std::string&) { return std::string("\x15"); });
  dlg.m_dlgUser1.m_editBuzzer.SetWindowText("before");
  EXPECT_EQ(Get('B')(dlg), 0);
  EXPECT_EQ(port->Frames(), 6);
  EXPECT_EQ(dlg.m_dlgUser1.m_editBuzzer.GetWindowText(), "before");
}

// A reply that names no item of its list leaves the list without a choice,
// whatever it showed before (a platform list told to select an item beyond
// its end may keep its selection).
TEST_F(SettingsCommandsOnFakePort, AChoiceOutsideItsListSelectsNothing) {
  auto reply = std::make_shared<std::string>();
  Open([reply](const std::string&) { return "\x02" + *reply + "\x04"; });
  using Combo = CComboBox& (*)(CTAVODlg&);
  const Combo autoPowerOff = [](CTAVODlg& d) -> CComboBox& { return d.m_dlgUser1.m_comboAutoPowerOff; };
  const Combo alarmMode = [](CTAVODlg& d) -> CComboBox& { return d.m_dlgUser1.m_comboAlarmMode; };
  const Combo model = [](CTAVODlg& d) -> CComboBox& { return d.m_dlgMaker1.m_comboModel; };
  const Combo interval = [](CTAVODlg& d) -> CComboBox& { return d.m_dlgUser1.m_comboIoTInterval; };
  const struct {
    const char* reply;
    Command query;
    Combo combo;
  } cases[] = {
      {"Q7", Get('Q'), autoPowerOff},     {"Qx", Get('Q'), autoPowerOff},
      {"K5", Get('K'), alarmMode},     {"Kx", Get('K'), alarmMode},
      {"M8", Get('M'), model},               {"M-", Get('M'), model},
      {"sa007 b 06 22", Get('s'), interval}, {"sa01x b 06 22", Get('s'), interval},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reply);
    *reply = c.reply;
    c.combo(dlg).SetCurSel(1);
    EXPECT_EQ(c.query(dlg), 1);
    EXPECT_EQ(c.combo(dlg).GetCurSel(), -1);
  }
}

// Set on user page 1 before any read, with an instrument that answers no
// setting: an untouched clock is not sent, a frame that cannot be built fails
// at once and uses one resend (five sends are left for the thresholds), and
// an empty level is not sent as zero.
TEST_F(SettingsCommandsOnFakePort, SetSendsOnlyWhatTheUserChose) {
  Open();
  dlg.m_dlgUser1.PutClock({2024, 5, 0, 31, 9, 5, 7, 0});   // as a read would show it
  const struct {
    const char* name;
    int autoPowerOff;
    std::vector<const char*> levels;
    int frames;
    std::vector<std::string> captions;
  } cases[] = {
      {"nothing chosen", 0, {"", "", "", ""}, 0, {}},
      {"no auto power-off choice", -1, {"25.0", "26.0", "27.0", "28.0"}, 5,
       {"ｵｰﾄﾊﾟﾜｰｵﾌ設定異常", "ﾊﾟﾄﾗｲﾄﾓｰﾄﾞ閾値設定異常"}},
      {"level 3 empty", 0, {"25.0", "26.0", "", "28.0"}, 0, {"ﾊﾟﾄﾗｲﾄﾓｰﾄﾞ閾値 ﾚﾍﾞﾙ3入力値異常"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CDlg3& page = dlg.m_dlgUser1;
    page.m_comboAutoPowerOff.SetCurSel(c.autoPowerOff);
    CEdit* levels[] = {&page.m_editLevel1, &page.m_editLevel2, &page.m_editLevel3, &page.m_editLevel4};
    for (int i = 0; i < 4; ++i) levels[i]->SetWindowText(c.levels[i]);
    boxes.boxes.clear();
    const int before = port->Frames();
    EXPECT_EQ(dlg.WriteUser1Settings(), c.captions.empty() ? 1 : 0);
    EXPECT_EQ(port->Frames() - before, c.frames);
    std::vector<std::string> captions;
    for (const auto& box : boxes.boxes) captions.push_back(box.caption);
    EXPECT_EQ(captions, c.captions);
  }
}

}  // namespace
