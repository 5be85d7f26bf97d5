// The facts of a serial device on POSIX, read from the file system.
#pragma once
#include <string>

#include "platform/comports.h"

namespace plat {

// The facts of `device` (a path, links followed) as the tree under `root`
// tells them ("" for this system's own): the link in /dev/serial/by-id that
// leads to it and, when it is a USB device, the ids and strings its sysfs
// folder (/sys/class/tty/NAME/device, or one of the folders above it) holds.
PortFacts DescribeDevice(const std::string& device, const std::string& root);

}  // namespace plat
