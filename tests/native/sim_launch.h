// The main dialog, headless, with the instrument simulator on a pty offered
// as COM7: the subject of the simulator tests and of the benchmark. Needs no
// test framework.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "app/tavo_app.h"
#include "app/tavo_dlg.h"
#include "native/sim_process.h"
#include "support/message_boxes.h"
#include "support/temp_dir.h"

class SimLaunch {
public:
  SimLaunch() = default;
  ~SimLaunch();   // closes the link and the dialog, ends the simulator
  SimLaunch(const SimLaunch&) = delete;
  SimLaunch& operator=(const SimLaunch&) = delete;

  // Starts the simulator with `simArgs`, lists its device as COM7 and opens
  // the main dialog; `ini` becomes TAVO.ini unless empty (the defaults then),
  // and "vorinfo.ini" is there when `makerPages`. Empty when all went well,
  // else what failed.
  std::string Launch(const std::vector<std::string>& simArgs, bool makerPages, const std::string& ini);

  // The frames the simulator received, in hex as it logs them ("02 24 51 03").
  std::vector<std::string> Frames() const;
  // The same frames as bytes.
  std::vector<std::string> FrameBytes() const;
  // Forgets the frames received so far.
  void ClearFrames();
  // A frame's bytes as the simulator logs them.
  static std::string Hex(const std::string& bytes);

  TempCurrentDir dir;
  CTAVOApp app;
  MessageBoxRecorder boxes;
  std::unique_ptr<SimProcess> sim;
  std::unique_ptr<CTAVODlg> dlg;

private:
  std::string m_logPath;
};
