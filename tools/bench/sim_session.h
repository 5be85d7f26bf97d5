// The main dialog, headless, connected through a pty to the instrument
// simulator: the subject of every measurement. Default timings unless an
// INI text is given.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "app/tavo_app.h"
#include "app/tavo_dlg.h"
#include "native/sim_process.h"
#include "support/message_boxes.h"
#include "support/temp_dir.h"

class SimSession {
public:
  SimSession() = default;
  ~SimSession();
  SimSession(const SimSession&) = delete;
  SimSession& operator=(const SimSession&) = delete;

  // Starts the simulator with `simArgs`, offers its device as COM7 and opens
  // the main dialog. False, with the reason in `error`, when either fails.
  bool Start(const std::vector<std::string>& simArgs, const std::string& ini, std::string& error);
  // Presses Connect (or Disconnect); the seconds the press took.
  double PressConnect();
  bool Connected() const { return dlg->m_bConnected == 1; }
  // Presses `button` on tab `tab`; the seconds the press took.
  double Press(int tab, int button);
  // The frames the simulator received so far, as bytes (STX up to ETX).
  std::vector<std::string> Frames() const;
  std::string PathOf(const std::string& name) const { return (dir.path() / name).string(); }

  TempCurrentDir dir;
  CTAVOApp app;
  MessageBoxRecorder boxes;
  std::unique_ptr<SimProcess> sim;
  std::unique_ptr<CTAVODlg> dlg;

private:
  std::string m_logPath;
};
