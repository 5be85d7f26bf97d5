// The log files at start-up.
#pragma once
#include "log/log_state.h"

// Under the named mutex "LOGOUTPUT_MUTEX" (one start-up at a time on the
// machine): reads "SETTING.ini", settles the log directory, deletes old log
// files and, when switched on, creates this start's log and error files with
// two records each. Shows no message: a failure leaves the log not usable.
void StartLog();

// The same with the local time taken from `clock`.
void StartLog(const LogClock& clock);

// The log state of this process, as the last start-up left it.
const LogState& TheLogState();
