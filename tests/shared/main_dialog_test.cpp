// The main dialog: its tabs, the permissions by tab, the key filter, the
// status label and the way it ends.
#include <gtest/gtest.h>

#include "app/tavo_app.h"
#include "app/tavo_dlg.h"
#include "res/resource.h"
#include "support/combo_items.h"
#include "support/fake_port.h"
#include "support/message_boxes.h"
#include "support/temp_dir.h"
#include "support/ui_driver.h"

namespace {

// A main dialog opened in a fresh current directory, with or without "vorinfo.ini".
class MainDialog : public ::testing::Test {
protected:
  void Open(bool makerInfo) {
    if (makerInfo) dir.Write("vorinfo.ini", "");
    ASSERT_TRUE(dlg.Create(IDD_TAVO_DIALOG));
    dlg.ShowWindow(fw::kSwShow);
  }
  // Connected to an instrument that answers every query with who it is.
  void PretendConnected() {
    dir.Write("TAVO.ini", kFakePortComm);
    auto port = std::make_unique<FakePort>([](const std::string&) { return std::string("\x02vTAVO-420B2.00  \x04"); });
    ASSERT_EQ(dlg.m_instrument.UsePort(std::move(port), "COM1"), 1);
  }

  TempCurrentDir dir;
  CTAVOApp app;
  MessageBoxRecorder boxes;
  CTAVODlg dlg;
};

TEST_F(MainDialog, StartsDisconnectedOnUserPage1) {
  Open(false);
  EXPECT_EQ(dlg.GetWindowText(), "TAVO-400シリーズ設定ツール　（Ver 1.10）");
  EXPECT_EQ(ui::TextOf(dlg, IDC_STATIC_STATUS), "未接続");
  EXPECT_EQ(ui::TextOf(dlg, IDC_BUTTON_CONNECT), "接続");
  EXPECT_TRUE(ui::IsEnabled(dlg, IDC_COMBO_PORT));
  EXPECT_EQ(dlg.m_nCurTab, 0);
  EXPECT_EQ(dlg.m_instrument.Link(), nullptr);
  EXPECT_EQ(ui::DragIconOf(dlg), dlg.m_hIcon);
  EXPECT_TRUE(dlg.m_dlgUser1.IsWindowVisible());
  EXPECT_FALSE(dlg.m_dlgUser2.IsWindowVisible());
  for (int id : {IDC_BUTTON_SET, IDC_BUTTON_READ, IDC_BUTTON_INIT}) EXPECT_FALSE(ui::IsEnabled(dlg, id)) << id;
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(MainDialog, TheMakerTabsNeedTheMakerInfoFile) {
  struct Case {
    bool makerInfo;
    int tabs;
    bool resetShown;
  };
  for (const Case& c : {Case{false, 2, false}, Case{true, 4, true}}) {
    SCOPED_TRACE(c.makerInfo);
    TempCurrentDir caseDir;
    if (c.makerInfo) caseDir.Write("vorinfo.ini", "");
    CTAVODlg d;
    ASSERT_TRUE(d.Create(IDD_TAVO_DIALOG));
    EXPECT_EQ(d.m_tab.GetItemCount(), c.tabs);
    EXPECT_EQ(ui::IsVisible(d, IDC_BUTTON_INIT), c.resetShown);
    const char* names[] = {"ユーザ１", "ユーザ２", "メーカ１", "メーカ２"};
    for (int i = 0; i < c.tabs; ++i) EXPECT_EQ(d.m_tab.GetItemText(i), names[i]);
    // The maker pages exist even without their tabs.
    EXPECT_NE(d.m_dlgMaker1.m_hWnd, nullptr);
    EXPECT_NE(d.m_dlgMaker2.m_hWnd, nullptr);
    d.DestroyWindow();
  }
}

TEST_F(MainDialog, TabsDecideTheButtonsWhileConnected) {
  struct Row {
    int tab;
    const char* setText;
    bool set, read, reset;
  };
  const Row rows[] = {
      {1, "一括取得", true, true, false},
      {2, "設定", true, true, true},
      {3, "設定", false, true, true},
      {0, "設定", true, true, false},
  };
  Open(true);
  PretendConnected();
  for (const Row& r : rows) {
    SCOPED_TRACE(r.tab);
    ASSERT_TRUE(ui::ChooseTab(dlg, IDC_TAB, r.tab));
    EXPECT_EQ(dlg.m_nCurTab, r.tab);
    EXPECT_EQ(ui::TextOf(dlg, IDC_BUTTON_SET), r.setText);
    EXPECT_EQ(ui::TextOf(dlg, IDC_BUTTON_READ), "読出");
    EXPECT_EQ(ui::IsEnabled(dlg, IDC_BUTTON_SET), r.set);
    EXPECT_EQ(ui::IsEnabled(dlg, IDC_BUTTON_READ), r.read);
    EXPECT_EQ(ui::IsEnabled(dlg, IDC_BUTTON_INIT), r.reset);
    CDialog* pages[] = {&dlg.m_dlgUser1, &dlg.m_dlgUser2, &dlg.m_dlgMaker1, &dlg.m_dlgMaker2};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(pages[i]->IsWindowVisible(), i == r.tab) << "page " << i;
  }
}

TEST_F(MainDialog, TabsEnableNothingWhileDisconnected) {
  Open(true);
  for (int tab : {1, 2, 3, 0}) {
    SCOPED_TRACE(tab);
    ASSERT_TRUE(ui::ChooseTab(dlg, IDC_TAB, tab));
    for (int id : {IDC_BUTTON_SET, IDC_BUTTON_READ, IDC_BUTTON_INIT}) EXPECT_FALSE(ui::IsEnabled(dlg, id)) << id;
  }
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(MainDialog, EnterAndEscapeDoNothing) {
  Open(true);
  for (int focus : {IDC_COMBO_PORT, IDC_BUTTON_EXIT, IDC_TAB}) {
    ui::Focus(dlg, focus);
    ui::PressKey(dlg, fw::kVkReturn);
    ui::PressKey(dlg, fw::kVkEscape);
  }
  EXPECT_FALSE(dlg.IsEnded());
  EXPECT_EQ(dlg.m_nCurTab, 0);
}

TEST_F(MainDialog, ExitAndCloseEndTheDialog) {
  Open(false);
  ASSERT_TRUE(ui::Click(dlg, IDC_BUTTON_EXIT));
  EXPECT_TRUE(dlg.IsEnded());

  CTAVODlg other;
  ASSERT_TRUE(other.Create(IDD_TAVO_DIALOG));
  ui::CloseWindow(other);
  EXPECT_TRUE(other.IsEnded());
}

TEST_F(MainDialog, StatusIsBlueOnlyWhileConnected) {
  Open(false);
  EXPECT_EQ(ui::TextColourOf(dlg, IDC_STATIC_STATUS), 0x000000u);
  PretendConnected();
  EXPECT_EQ(ui::TextColourOf(dlg, IDC_STATIC_STATUS), 0xFF0000u);
}

TEST_F(MainDialog, TheSnapshotStartsEmpty) {
  Open(false);
  EXPECT_EQ(dlg.m_instrument.Snapshot()["auto_power_off"].item, 0);
  EXPECT_EQ(dlg.m_instrument.Snapshot()["model_code"].item, 0);
  EXPECT_TRUE(dlg.m_instrument.Snapshot()["clock"].text.empty());
  EXPECT_TRUE(dlg.m_instrument.Snapshot()["humidity_limit"].text.empty());
}

TEST_F(MainDialog, ReadsTheLineSettingsAtStart) {
  dir.Write("TAVO.ini", "[COMM]\r\nBaudRate=19200\r\n");
  Open(false);
  EXPECT_EQ(app.m_commSettings.BaudRate, 19200);
  EXPECT_EQ(app.m_commSettings.TimeOut, 1000);
}

TEST_F(MainDialog, SortsThePortListAsWindowsDoes) {
  Open(false);
  dlg.m_comboPort.ResetContent();
  for (const char* port : {"COM3", "COM10", "COM2", "com1"}) dlg.m_comboPort.AddString(port);
  EXPECT_EQ(ComboItems(dlg.m_comboPort), (std::vector<std::string>{"com1", "COM10", "COM2", "COM3"}));
}

}  // namespace
