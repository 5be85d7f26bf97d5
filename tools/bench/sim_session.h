// The main dialog, headless, connected through a pty to the instrument
// simulator: the subject of every measurement. Default timings unless an
// INI text is given.
#pragma once
#include <string>
#include <vector>

#include "native/sim_launch.h"

class SimSession : public SimLaunch {
public:
  // Starts the simulator with `simArgs`, offers its device as COM7 and opens
  // the main dialog. False, with the reason in `error`, when either fails.
  bool Start(const std::vector<std::string>& simArgs, const std::string& ini, std::string& error);
  // Presses Connect (or Disconnect); the seconds the press took.
  double PressConnect();
  bool Connected() const { return dlg->m_instrument.Connected(); }
  // Presses `button` on tab `tab`; the seconds the press took.
  double Press(int tab, int button);
  std::string PathOf(const std::string& name) const { return (dir.path() / name).string(); }
};
