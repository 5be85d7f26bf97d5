// Ctrl-C (SIGINT), SIGTERM and SIGHUP (a closed terminal) for the commands
// that end at a safe point rather than at once: while a CatchInterrupts
// lives, the signals are caught and noted for every thread to see; when the
// last one ends, their default handling is back. One lives for a whole run,
// over all its ports, until its output is printed.
#pragma once
#include <string>

#include "cli/exit_status.h"

class CatchInterrupts {
public:
  CatchInterrupts();
  ~CatchInterrupts();
  CatchInterrupts(const CatchInterrupts&) = delete;
  CatchInterrupts& operator=(const CatchInterrupts&) = delete;
};

// The signal caught (SIGINT, SIGTERM or SIGHUP), 0 while none was.
int CaughtSignal();

// The exit status of a run ended by the signal caught: 130 for SIGINT, 143
// for SIGTERM, 129 for SIGHUP; kExitOk when none was caught.
ExitStatus InterruptedStatus();

// True for the statuses of an interrupted run.
bool IsInterrupted(ExitStatus status);

// A port's command that an interruption stopped at a safe point before its
// result was whole: `text` ("interrupted before ...: no file written") told
// as its error and as what happened on it; the status of the interruption.
ExitStatus StoppedShort(const std::string& text);
