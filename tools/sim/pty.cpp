#include "pty.h"

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

bool Fail(std::string& error, const std::string& what) {
  error = what + ": " + std::strerror(errno);
  return false;
}

}  // namespace

bool OpenPty(const std::string& linkPath, Pty& pty, std::string& error) {
  pty.master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (pty.master < 0) return Fail(error, "posix_openpt");
  if (grantpt(pty.master) != 0 || unlockpt(pty.master) != 0) return Fail(error, "grantpt");
  pty.slavePath = ptsname(pty.master);
  pty.slave = open(pty.slavePath.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (pty.slave < 0) return Fail(error, "open " + pty.slavePath);
  termios tio;
  if (tcgetattr(pty.slave, &tio) != 0) return Fail(error, "tcgetattr");
  cfmakeraw(&tio);
  if (tcsetattr(pty.slave, TCSANOW, &tio) != 0) return Fail(error, "tcsetattr");
  if (!linkPath.empty()) {
    unlink(linkPath.c_str());
    if (symlink(pty.slavePath.c_str(), linkPath.c_str()) != 0) return Fail(error, "symlink " + linkPath);
  }
  return true;
}
