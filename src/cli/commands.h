// The commands of tavo-cli, each given its parsed arguments; each returns the
// exit status.
#pragma once
#include "cli/arguments.h"
#include "cli/exit_status.h"

ExitStatus RunPorts(const Arguments& args);
ExitStatus RunInfo(const Arguments& args);
ExitStatus RunRead(const Arguments& args);
ExitStatus RunApply(const Arguments& args);
ExitStatus RunDiff(const Arguments& args);
ExitStatus RunClock(const Arguments& args);
ExitStatus RunDownload(const Arguments& args);
ExitStatus RunMonitor(const Arguments& args);
