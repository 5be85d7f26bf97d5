// The state of the log, one per process, set up by the start-up.
#pragma once
#include <cstdint>
#include <functional>

#include "framework/cstring.h"
#include "log/log_names.h"
#include "platform/clock.h"

// Where the log takes the local time from (the real clock, or a fixed one in tests).
using LogClock = std::function<plat::LocalTime()>;

// One kind of file (log or error) being numbered and written.
struct LogKindState {
  int sequence = 0;             // number of today's new file, 0-999
  std::uint16_t counter = 0;    // number of the next record in the file
  int nameMonth = 0;            // month and day the sequence number was found for
  int nameDay = 0;
};

struct LogState {
  bool usable = false;          // the directory is settled and no file creation failed
  bool starting = false;        // inside the start-up: "Process Start" is recorded
  CString directory;            // without trailing separator; empty for the root
  int deleteAge = 10;           // days, 1-100
  bool writeSwitch = false;     // files are written
  CString banner;               // the first text of every file
  LogKindState kinds[2];        // indexed by LogKind

  LogKindState& Kind(LogKind kind) { return kinds[kind == LogKind::Log ? 0 : 1]; }
};
