// The pseudo-terminal pair the simulator answers on.
#pragma once
#include <string>

struct Pty {
  int master = -1;
  int slave = -1;          // kept open, so the line never hangs up between connections
  std::string slavePath;
};

// Opens a raw pair; links the slave at `linkPath` when it is not empty
// (replacing what is there). False with a message in `error`.
bool OpenPty(const std::string& linkPath, Pty& pty, std::string& error);
