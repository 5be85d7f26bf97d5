#include "native/sim_launch.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "res/resource.h"
#include "sim/frame_log.h"

SimLaunch::~SimLaunch() {
  if (dlg) {
    dlg->CloseLink();
    dlg->DestroyWindow();
  }
  unsetenv("TAVO_PORT_DIR");
}

std::string SimLaunch::Launch(const std::vector<std::string>& simArgs, bool makerPages, const std::string& ini) {
  if (!ini.empty()) dir.Write("TAVO.ini", ini);
  if (makerPages) dir.Write("vorinfo.ini", "");
  m_logPath = (dir.path() / "sim.log").string();
  // COM7 is the simulator's own link to its device, gone as soon as the
  // simulator is: the system gives a pty's number to the next one opened,
  // and a test that opens COM7 after its simulator ended must not reach the
  // simulator of a test beside it.
  std::filesystem::path ports = dir.path() / "ports";
  std::filesystem::create_directories(ports);
  std::vector<std::string> args = simArgs;
  args.insert(args.end(), {"--log", m_logPath, "--link", (ports / "COM7").string()});
  sim = std::make_unique<SimProcess>(args);
  if (sim->Device().empty()) return "the simulator did not start";
  setenv("TAVO_PORT_DIR", ports.c_str(), 1);
  dlg = std::make_unique<CTAVODlg>();
  if (!dlg->Create(IDD_TAVO_DIALOG)) return "the main dialog was not created";
  if (dlg->m_comboPort.GetWindowText() != "COM7") return "the main dialog did not offer the simulator's port";
  return std::string();
}

std::vector<std::string> SimLaunch::Frames() const {
  std::vector<std::string> frames;
  std::ifstream in(m_logPath);
  std::string line;
  while (std::getline(in, line)) {
    size_t space = line.find(' ');
    if (space != std::string::npos) frames.push_back(line.substr(space + 1));
  }
  return frames;
}

std::vector<std::string> SimLaunch::FrameBytes() const {
  std::vector<std::string> frames;
  for (const std::string& hex : Frames()) {
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 3) bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    frames.push_back(bytes);
  }
  return frames;
}

void SimLaunch::ClearFrames() { std::ofstream(m_logPath, std::ios::trunc); }

std::string SimLaunch::Hex(const std::string& bytes) { return HexBytes(bytes); }
