#include "native/dialog_with_sim.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "res/resource.h"
#include "support/ui_driver.h"

SimBench::~SimBench() {
  if (dlg) {
    dlg->CloseLink();
    dlg->DestroyWindow();
  }
  unsetenv("TAVO_PORT_DIR");
}

void SimBench::Start(const std::vector<std::string>& simArgs, bool makerPages, const std::string& ini) {
  dir.Write("TAVO.ini", ini.empty() ? "[COMM]\r\nTimeOut=300\r\nSendDelay=10\r\nSleepTime=1\r\n" : ini);
  if (makerPages) dir.Write("vorinfo.ini", "");
  m_logPath = (dir.path() / "sim.log").string();
  std::vector<std::string> args = simArgs;
  args.insert(args.end(), {"--log", m_logPath});
  sim = std::make_unique<SimProcess>(args);
  ASSERT_FALSE(sim->Device().empty()) << "the simulator did not start";
  std::filesystem::path ports = dir.path() / "ports";
  std::filesystem::create_directories(ports);
  std::filesystem::create_symlink(sim->Device(), ports / "COM7");
  setenv("TAVO_PORT_DIR", ports.c_str(), 1);
  dlg = std::make_unique<CTAVODlg>();
  ASSERT_TRUE(dlg->Create(IDD_TAVO_DIALOG));
  ASSERT_EQ(dlg->m_comboPort.GetWindowText(), "COM7");
}

bool SimBench::Connect() {
  ui::Click(*dlg, IDC_BUTTON_CONNECT);
  return dlg->m_bConnected == 1;
}

std::vector<std::string> SimBench::Frames() const {
  std::vector<std::string> frames;
  std::ifstream in(m_logPath);
  std::string line;
  while (std::getline(in, line)) {
    size_t space = line.find(' ');
    if (space != std::string::npos) frames.push_back(line.substr(space + 1));
  }
  return frames;
}

void SimBench::ClearFrames() { std::ofstream(m_logPath, std::ios::trunc); }

std::string SimBench::Hex(const std::string& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char b : bytes) {
    if (!out.empty()) out += ' ';
    out += digits[b >> 4];
    out += digits[b & 15];
  }
  return out;
}
