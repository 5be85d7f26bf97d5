// The exit status of tavo-cli, for scripts.
#pragma once

enum ExitStatus : int {
  kExitOk = 0,
  kExitInstrument = 1,     // the instrument did not answer, or refused
  kExitUsage = 2,          // bad usage, or a bad settings file
  kExitPort = 3,           // the port could not be opened
  kExitFile = 4,           // a file to write could not be written
  kExitDifferent = 5,      // diff: the instrument's settings differ from the file's
  kExitHungUp = 129,       // ended by SIGHUP (its terminal closed), 128 + 1
  kExitInterrupted = 130,  // ended by Ctrl-C (SIGINT), 128 + 2
  kExitTerminated = 143,   // ended by SIGTERM, 128 + 15
};

// Over several ports, the status that tells the most: an interruption, then
// any failure (the highest), then "different", then success.
ExitStatus Worse(ExitStatus a, ExitStatus b);

// Whether `status` tells of a failure (anything but success and "different").
bool IsFailure(ExitStatus status);
// The kind of failure a status tells, as the JSON output names it:
// "instrument", "usage", "port", "file" or "interrupted"; null for none.
const char* FailureKind(ExitStatus status);
// What a status tells, in a few words ("the port could not be opened").
const char* StatusWords(ExitStatus status);
