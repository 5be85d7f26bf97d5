// The settings commands on a link whose port is scripted: without a link, with
// a port that fails to write, and with a reply refused six times.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/tavo_app.h"
#include "app/tavo_dlg.h"
#include "commands/iot_schedule.h"
#include "commands/maker_settings.h"
#include "commands/memory_buzzer.h"
#include "commands/patrol_light.h"
#include "commands/power_clock.h"
#include "res/resource.h"
#include "support/fake_port.h"
#include "support/message_boxes.h"
#include "support/temp_dir.h"

namespace {

using Command = int (*)(CTAVODlg&);

const Command kQueries[] = {&GetAutoPowerOff,   &ShowAutoPowerOff,         &GetClock,        &ShowClock,
                            &GetMemoryInterval, &GetBuzzerAlarm,           &GetPatrolLightMode,
                            &GetPatrolLightThresholds, &GetIoTSchedule,    &GetHumidityLimit, &GetModelCode};
const Command kSettings[] = {&SetAutoPowerOff,    &SetClock,       &SetMemoryInterval,
                             &SetBuzzerAlarm,     &SetPatrolLightMode, &SetPatrolLightThresholds,
                             &SetIoTInterval,     &SetIoTCommHours, &SetHumidityLimit, &SetModelCode};

class SettingsCommandsOnFakePort : public ::testing::Test {
protected:
  void Open(FakePort::Answer answer = nullptr) {
    dir.Write("TAVO.ini", "[COMM]\r\nTimeOut=100\r\nSleepTime=0\r\n");
    ASSERT_TRUE(dlg.Create(IDD_TAVO_DIALOG));
    dlg.m_dlgUser1.m_comboIoTInterval.SetCurSel(0);
    dlg.m_dlgUser1.m_dateClock.SetTime({2024, 5, 0, 31, 9, 5, 7, 0});
    dlg.m_dlgUser1.m_timeClock.SetTime({2024, 5, 0, 31, 9, 5, 7, 0});
    auto owned = std::make_unique<FakePort>(std::move(answer));
    port = owned.get();
    dlg.m_pSerial = new CSerial(std::move(owned));
    ASSERT_EQ(dlg.m_pSerial->Open("COM1"), 1);
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
}

// A failed byte write: nothing is awaited, and no control changes.
TEST_F(SettingsCommandsOnFakePort, FailedWrite) {
  Open();
  port->writeResult = plat::WriteResult::Failed;
  for (Command setting : kSettings) {
    EXPECT_EQ(setting(dlg), 0);
    EXPECT_FALSE(dlg.m_pSerial->AwaitingAck());
  }
  dlg.m_dlgUser1.m_editBuzzer.SetWindowText("before");
  for (Command query : kQueries) EXPECT_EQ(query(dlg), 0);
  EXPECT_EQ(dlg.m_dlgUser1.m_editBuzzer.GetWindowText(), "before");
  EXPECT_EQ(port->Frames(), 0);
}

// Six refusals: the query fails after six sends, and no control changes.
TEST_F(SettingsCommandsOnFakePort, SixRefusalsFailTheQueryAndShowNothing) {
  Open([](const std::string&) { return std::string("\x15"); });
  dlg.m_dlgUser1.m_editBuzzer.SetWindowText("before");
  EXPECT_EQ(GetBuzzerAlarm(dlg), 0);
  EXPECT_EQ(port->Frames(), 6);
  EXPECT_EQ(dlg.m_dlgUser1.m_editBuzzer.GetWindowText(), "before");
}

}  // namespace
