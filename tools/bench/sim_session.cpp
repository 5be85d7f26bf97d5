#include "sim_session.h"

#include <chrono>

#include "framework/headless/driver.h"
#include "res/resource.h"

namespace {

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

bool SimSession::Start(const std::vector<std::string>& simArgs, const std::string& ini, std::string& error) {
  error = Launch(simArgs, false, ini);
  return error.empty();
}

double SimSession::PressConnect() {
  auto start = std::chrono::steady_clock::now();
  fw::headless::Click(*dlg, IDC_BUTTON_CONNECT);
  return SecondsSince(start);
}

double SimSession::Press(int tab, int button) {
  fw::headless::ChooseTab(*dlg, IDC_TAB, tab);
  auto start = std::chrono::steady_clock::now();
  fw::headless::Click(*dlg, button);
  return SecondsSince(start);
}
