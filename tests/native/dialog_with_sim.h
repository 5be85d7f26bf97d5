// The main dialog, headless, connected through a pty to the instrument
// simulator, with short timings: what a technician sees and what the
// instrument received.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/tavo_app.h"
#include "app/tavo_dlg.h"
#include "native/sim_process.h"
#include "support/message_boxes.h"
#include "support/temp_dir.h"

class SimBench {
public:
  SimBench() = default;
  ~SimBench();
  SimBench(const SimBench&) = delete;
  SimBench& operator=(const SimBench&) = delete;

  // Starts the simulator with `simArgs`, lists its device as COM7 and opens
  // the main dialog (with the maker pages when `makerPages`). TimeOut 300 ms,
  // SendDelay 10 ms and SleepTime 1 ms unless `ini` gives a [COMM] section.
  void Start(const std::vector<std::string>& simArgs = {}, bool makerPages = true, const std::string& ini = "");
  // Presses Connect and reports whether the dialog is connected afterwards.
  bool Connect();
  // The frames the simulator received, one "HH:MM:SS.mmm 02 24 ..." line each, hex only.
  std::vector<std::string> Frames() const;
  // Forgets the frames received so far.
  void ClearFrames();
  // A frame's bytes as the simulator logs them ("02 24 51 03").
  static std::string Hex(const std::string& bytes);

  TempCurrentDir dir;
  CTAVOApp app;
  MessageBoxRecorder boxes;
  std::unique_ptr<SimProcess> sim;
  std::unique_ptr<CTAVODlg> dlg;

private:
  std::string m_logPath;
};

// The same as a test fixture.
class DialogWithSim : public ::testing::Test, public SimBench {
protected:
  void TearDown() override {}
};
