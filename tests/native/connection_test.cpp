// Connecting to the instrument: the identification and what it decides, the
// connect and disconnect paths, and the measurement and maintenance queries,
// against the simulator.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <algorithm>
#include <filesystem>

#include "native/dialog_with_sim.h"
#include "res/resource.h"
#include "support/ui_driver.h"

namespace {

class Connection : public DialogWithSim {
protected:
  bool Sent(const std::string& frame) const {
    std::vector<std::string> frames = Frames();
    return std::find(frames.begin(), frames.end(), Hex(frame)) != frames.end();
  }
  int CountSent(const std::string& frame) const {
    std::vector<std::string> frames = Frames();
    return static_cast<int>(std::count(frames.begin(), frames.end(), Hex(frame)));
  }
};

TEST(Identification, DecidesNameModelHumidityLimitAndIoT) {
  struct Case {
    const char* model;
    const char* version;
    const char* shown;
    int modelItem;       // -1: the combo keeps the item selected before
    bool humidityLimit;
    bool iot;
  };
  const Case cases[] = {
      // The decisions themselves are the core's (InstrumentCore.Identity); here the pages show them.
      {"TAVO-420A", "1.30", "TAVO-420AN", 4, false, false},
      {"TAVO-420B", "2.00", "TAVO-420BN", 5, true, true},
      {"TAVO-999X", "2.00", "TAVO-999X", -1, false, true},  // unknown: model controls untouched
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.model) + " " + c.version);
    SimBench bench;
    bench.Start({"--model", c.model, "--version", c.version});
    std::unique_ptr<CTAVODlg>& dlg = bench.dlg;
    dlg->m_dlgMaker1.m_editHumidityLimit.EnableWindow(false);
    const int itemBefore = 3;   // an item no row expects, and not the page's first
    dlg->m_dlgMaker1.m_comboModel.SetCurSel(itemBefore);
    ASSERT_TRUE(bench.Connect());
    EXPECT_EQ(dlg->m_dlgUser2.m_staticModelName.GetWindowText(), c.shown);
    EXPECT_EQ(dlg->m_dlgUser2.m_staticVersion.GetWindowText(), (std::string(c.version) + "      ").substr(0, 6).c_str());
    EXPECT_EQ(dlg->m_dlgMaker1.m_comboModel.GetCurSel(), c.modelItem < 0 ? itemBefore : c.modelItem);
    EXPECT_EQ(dlg->m_dlgMaker1.m_editHumidityLimit.IsWindowEnabled(), c.humidityLimit);
    EXPECT_EQ(dlg->m_instrument.HasIoTUnit(), c.iot);
    for (CWnd* control : {static_cast<CWnd*>(&dlg->m_dlgUser1.m_comboIoTInterval),
                          static_cast<CWnd*>(&dlg->m_dlgUser1.m_editIoTStart),
                          static_cast<CWnd*>(&dlg->m_dlgUser1.m_editIoTStop)}) {
      EXPECT_EQ(control->IsWindowEnabled(), c.iot);
    }
    EXPECT_EQ(bench.Frames(), std::vector<std::string>{"02 23 76 03"});
  }
}

TEST_F(Connection, ConnectsAndShowsIt) {
  Start();
  ASSERT_TRUE(Connect());
  EXPECT_EQ(ui::TextOf(*dlg, IDC_STATIC_STATUS), "接続中");
  EXPECT_EQ(ui::TextOf(*dlg, IDC_BUTTON_CONNECT), "切断");
  EXPECT_EQ(ui::TextColourOf(*dlg, IDC_STATIC_STATUS), 0xFF0000u);
  EXPECT_FALSE(ui::IsEnabled(*dlg, IDC_COMBO_PORT));
  EXPECT_TRUE(ui::IsEnabled(*dlg, IDC_BUTTON_CONNECT));
  EXPECT_TRUE(ui::IsEnabled(*dlg, IDC_BUTTON_SET));
  EXPECT_TRUE(ui::IsEnabled(*dlg, IDC_BUTTON_READ));
  EXPECT_FALSE(ui::IsEnabled(*dlg, IDC_BUTTON_INIT));
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_EQ(Frames().size(), 1u);   // nothing is read at connection time
}

TEST_F(Connection, AnInstrumentThatAnswersOnlyTheSecondTimeIsConnected) {
  Start({"--naks", "1"});
  EXPECT_TRUE(Connect());
  EXPECT_EQ(CountSent("\x02#v\x03"), 2);
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Connection, NoInstrumentLeavesItDisconnectedWithoutAMessage) {
  Start({"--ignore", "v"});
  EXPECT_FALSE(Connect());
  EXPECT_EQ(CountSent("\x02#v\x03"), 2);
  EXPECT_EQ(dlg->m_instrument.Link(), nullptr);
  EXPECT_TRUE(ui::IsEnabled(*dlg, IDC_COMBO_PORT));
  EXPECT_EQ(ui::TextOf(*dlg, IDC_STATIC_STATUS), "未接続");
  EXPECT_EQ(ui::TextOf(*dlg, IDC_BUTTON_CONNECT), "接続");
  EXPECT_TRUE(ui::IsEnabled(*dlg, IDC_BUTTON_CONNECT));
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Connection, APortThatCannotBeOpenedIsReported) {
  Start();
  std::filesystem::remove(dir.path() / "ports" / "COM7");
  std::filesystem::create_symlink(dir.path() / "no-such-device", dir.path() / "ports" / "COM7");
  EXPECT_FALSE(Connect());
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "COMポートオープンに失敗しました。");
  EXPECT_EQ(boxes.boxes[0].caption, "COMポートオープン");
  EXPECT_EQ(boxes.boxes[0].type, fw::kMbIconError);
  EXPECT_EQ(dlg->m_instrument.Link(), nullptr);
  EXPECT_TRUE(ui::IsEnabled(*dlg, IDC_BUTTON_CONNECT));
}

TEST_F(Connection, AnEmptyPortListCannotBeOpened) {
  Start();
  dlg->m_comboPort.ResetContent();
  EXPECT_FALSE(Connect());
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].caption, "COMポートオープン");
}

TEST_F(Connection, ConnectingOnMakerPage2EnablesReadAndResetOnly) {
  Start();
  ASSERT_TRUE(ui::ChooseTab(*dlg, IDC_TAB, 3));
  ASSERT_TRUE(Connect());
  EXPECT_FALSE(ui::IsEnabled(*dlg, IDC_BUTTON_SET));
  EXPECT_TRUE(ui::IsEnabled(*dlg, IDC_BUTTON_READ));
  EXPECT_TRUE(ui::IsEnabled(*dlg, IDC_BUTTON_INIT));
}

TEST_F(Connection, DisconnectingKeepsPagesAndSnapshot) {
  Start({"--reply", "B025.06", "--reply", "M3"});
  ASSERT_TRUE(Connect());
  for (int tab : {0, 2}) {
    ASSERT_TRUE(ui::ChooseTab(*dlg, IDC_TAB, tab));
    ui::Click(*dlg, IDC_BUTTON_READ);
  }
  ui::Click(*dlg, IDC_BUTTON_CONNECT);
  EXPECT_EQ(dlg->m_instrument.Link(), nullptr);
  EXPECT_EQ(ui::TextOf(*dlg, IDC_STATIC_STATUS), "未接続");
  EXPECT_EQ(ui::TextOf(*dlg, IDC_BUTTON_CONNECT), "接続");
  EXPECT_EQ(ui::TextColourOf(*dlg, IDC_STATIC_STATUS), 0u);
  EXPECT_TRUE(ui::IsEnabled(*dlg, IDC_COMBO_PORT));
  EXPECT_FALSE(ui::IsEnabled(*dlg, IDC_BUTTON_SET));
  EXPECT_FALSE(ui::IsEnabled(*dlg, IDC_BUTTON_READ));
  EXPECT_EQ(dlg->m_dlgUser1.m_editBuzzer.GetWindowText(), "25.0");
  EXPECT_EQ(dlg->m_instrument.Snapshot()["buzzer"].text, "25.0");
  EXPECT_EQ(dlg->m_instrument.Snapshot()["model_code"].item, 3);
  EXPECT_EQ(dlg->m_dlgUser2.m_staticModelName.GetWindowText(), "TAVO-420BN");
  // And it connects again.
  EXPECT_TRUE(Connect());
}

TEST_F(Connection, MakerPage1IdentifiesAgainAndReportsAFailure) {
  Start();
  ASSERT_TRUE(Connect());
  ClearFrames();
  ASSERT_TRUE(ui::ChooseTab(*dlg, IDC_TAB, 2));
  EXPECT_TRUE(Sent("\x02#v\x03"));
  EXPECT_TRUE(boxes.boxes.empty());

  sim.reset();   // the instrument goes away
  ASSERT_TRUE(ui::ChooseTab(*dlg, IDC_TAB, 0));
  ASSERT_TRUE(ui::ChooseTab(*dlg, IDC_TAB, 2));
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "Version Noの取得に失敗しました。");
  EXPECT_EQ(boxes.boxes[0].caption, "ユーザ１");
  EXPECT_EQ(boxes.boxes[0].type, fw::kMbIconError);
  EXPECT_TRUE(ui::IsEnabled(*dlg, IDC_BUTTON_SET));   // the switch completes
}

TEST_F(Connection, ExitClosesTheLink) {
  Start();
  ASSERT_TRUE(Connect());
  ui::Click(*dlg, IDC_BUTTON_EXIT);
  EXPECT_TRUE(dlg->IsEnded());
  EXPECT_EQ(dlg->m_instrument.Link(), nullptr);
}

TEST_F(Connection, MeasurementAndMaintenanceValuesReachTheirControls) {
  Start();
  ASSERT_TRUE(Connect());
  ASSERT_EQ(dlg->ReadUser2Page(), 1);
  ASSERT_EQ(dlg->ReadMaker1Page(), 1);
  struct Case {
    CStatic& control;
    const char* shown;
  };
  CDlg4& user2 = dlg->m_dlgUser2;
  CDlg5& maker1 = dlg->m_dlgMaker1;
  const Case cases[] = {
      {user2.m_staticTavoIndoor, "25.3"},   {user2.m_staticTavoOutdoor, "26.1"},
      {user2.m_staticAirTemp, "28.4"},      {user2.m_staticHumidity, "65.0"},
      {user2.m_staticGlobeTemp, "30.2"},    {maker1.m_staticRtTavoIndoor, "25.3"},
      {maker1.m_staticRtTavoOutdoor, "26.1"}, {maker1.m_staticRtAirTemp, "28.4"},
      {maker1.m_staticRtHumidity, "65.0"},  {maker1.m_staticRtRelTemp, "27.9"},
      {maker1.m_staticRtGlobeTemp, "30.2"}, {maker1.m_staticPaBattery, "3.25"},
      {maker1.m_staticPaAirTemp, "28.40"},  {maker1.m_staticPaRadiantTemp, "30.15"},
      {maker1.m_staticPaGlobe150, "1.11"},  {maker1.m_staticPaHumidityRaw, "65.30"},
      {maker1.m_staticPaHumidityCal, "65.00"}, {maker1.m_staticCalibRhB, "1.50"},
      {maker1.m_staticCalibRhA, "-0.75"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.control.GetWindowText(), c.shown) << c.control.GetDlgCtrlID();
}

TEST_F(Connection, AdCountsOfTheChosenChannel) {
  Start();
  ASSERT_TRUE(Connect());
  ClearFrames();
  dlg->m_dlgMaker2.m_comboChannel.SetCurSel(2);
  ASSERT_EQ(dlg->ReadMaker2Page(), 1);
  EXPECT_EQ(Frames(), std::vector<std::string>{"02 24 56 32 03"});
  EXPECT_EQ(dlg->m_dlgMaker2.m_staticAd[0].GetWindowText(), "21207");
  EXPECT_EQ(dlg->m_dlgMaker2.m_staticAd[19].GetWindowText(), "21340");
}

TEST_F(Connection, AFailedQueryLeavesTheControlsAsTheyWere) {
  Start({"--ignore", "DP"});
  ASSERT_TRUE(Connect());
  dlg->m_dlgUser2.m_staticTavoIndoor.SetWindowText("old");
  EXPECT_EQ(dlg->ReadUser2Page(), 0);
  dlg->ReadMaker1Page();
  EXPECT_EQ(dlg->m_dlgUser2.m_staticTavoIndoor.GetWindowText(), "old");
  EXPECT_EQ(dlg->m_dlgMaker1.m_staticPaBattery.GetWindowText(), "");
}

}  // namespace
