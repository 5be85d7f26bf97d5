// The simulator bench for tests: what a technician sees and what the
// instrument received, with short timings and assertions on the way.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "native/sim_launch.h"

class SimBench : public SimLaunch {
public:
  // Launches (see SimLaunch) with TimeOut 1000 ms, SendDelay 10 ms and
  // SleepTime 1 ms unless `ini` gives a [COMM] section. The TimeOut is the
  // tool's default: an answer under ThreadSanitizer beside a build can
  // take a few hundred milliseconds.
  void Start(const std::vector<std::string>& simArgs = {}, bool makerPages = true, const std::string& ini = "");
  // Presses Connect and reports whether the dialog is connected afterwards.
  bool Connect();
  // Starts, connects and forgets the identification frames.
  void StartConnected(const std::vector<std::string>& simArgs, bool makerPages, const std::string& ini);

  // The message boxes shown so far, as (text, caption).
  using Boxes = std::vector<std::pair<std::string, std::string>>;
  Boxes Shown() const;
};

// The box a memory download that fails shows ("一括読出").
inline constexpr char kReadFailed[] = "ﾒﾓﾘﾃﾞｰﾀの読出に失敗しました。";

// The same as a test fixture.
class DialogWithSim : public ::testing::Test, public SimBench {};
