// The exit status of tavo-cli, for scripts.
#pragma once

enum ExitStatus {
  kExitOk = 0,
  kExitInstrument = 1,   // the instrument did not answer, or refused
  kExitUsage = 2,        // bad usage, or a bad settings file
  kExitPort = 3,         // the port could not be opened
  kExitFile = 4,         // a file to write could not be written
};
