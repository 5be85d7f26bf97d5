#include "sim_session.h"

#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "res/resource.h"
#include "framework/headless/driver.h"

namespace {

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string BytesOfHex(const std::string& hex) {
  std::string bytes;
  for (size_t i = 0; i + 1 < hex.size(); i += 3) bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  return bytes;
}

}  // namespace

SimSession::~SimSession() {
  if (dlg) {
    dlg->CloseLink();
    dlg->DestroyWindow();
  }
  unsetenv("TAVO_PORT_DIR");
}

bool SimSession::Start(const std::vector<std::string>& simArgs, const std::string& ini, std::string& error) {
  if (!ini.empty()) dir.Write("TAVO.ini", ini);
  m_logPath = (dir.path() / "sim.log").string();
  std::vector<std::string> args = simArgs;
  args.insert(args.end(), {"--log", m_logPath});
  sim = std::make_unique<SimProcess>(args);
  if (sim->Device().empty()) {
    error = "the simulator did not start";
    return false;
  }
  std::filesystem::path ports = dir.path() / "ports";
  std::filesystem::create_directories(ports);
  std::filesystem::create_symlink(sim->Device(), ports / "COM7");
  setenv("TAVO_PORT_DIR", ports.c_str(), 1);
  dlg = std::make_unique<CTAVODlg>();
  if (!dlg->Create(IDD_TAVO_DIALOG) || dlg->m_comboPort.GetWindowText() != "COM7") {
    error = "the main dialog did not offer the simulator's port";
    return false;
  }
  return true;
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

std::vector<std::string> SimSession::Frames() const {
  std::vector<std::string> frames;
  std::ifstream in(m_logPath);
  std::string line;
  while (std::getline(in, line)) {
    size_t space = line.find(' ');
    if (space != std::string::npos) frames.push_back(BytesOfHex(line.substr(space + 1)));
  }
  return frames;
}
