#include "native/dialog_with_sim.h"

#include "res/resource.h"
#include "support/ui_driver.h"

void SimBench::Start(const std::vector<std::string>& simArgs, bool makerPages, const std::string& ini) {
  std::string error = Launch(simArgs, makerPages,
                             ini.empty() ? "[COMM]\r\nTimeOut=1000\r\nSendDelay=10\r\nSleepTime=1\r\n" : ini);
  ASSERT_TRUE(error.empty()) << error;
}

bool SimBench::Connect() {
  ui::Click(*dlg, IDC_BUTTON_CONNECT);
  return dlg->m_instrument.Connected();
}

void SimBench::StartConnected(const std::vector<std::string>& simArgs, bool makerPages, const std::string& ini) {
  Start(simArgs, makerPages, ini);
  ASSERT_TRUE(Connect());
  ClearFrames();
}

SimBench::Boxes SimBench::Shown() const {
  Boxes shown;
  for (const fw::MessageBoxRecord& box : boxes.boxes) shown.emplace_back(box.text, box.caption);
  return shown;
}
