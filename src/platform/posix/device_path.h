// The device behind a port name on POSIX.
#pragma once
#include <string>

namespace plat {

// The device of a port name: a name without a slash is a link in the port
// directory (TAVO_PORT_DIR), found in any letter case as on Windows; any
// other name is a path (backslashes taken as slashes).
std::string DevicePath(const std::string& name);

}  // namespace plat
