// The serial ports the system offers.
#pragma once
#include <string>
#include <vector>

namespace plat {

// The port names as the system lists them, in the system's order, unfiltered
// and unconverted: on Windows the string data of the values under
// HKEY_LOCAL_MACHINE\HARDWARE\DEVICEMAP\SERIALCOMM (values of type REG_SZ only,
// empty data included). On POSIX, when the environment variable TAVO_PORT_DIR
// names a directory, the names of the symbolic links in it (such as "COM7",
// each linking to a device), which SerialPort::Open takes in any letter case;
// otherwise the paths of the serial devices under /dev (ttyS*, ttyUSB*,
// ttyACM*). Sorted by name on POSIX (directory order means nothing). False
// when the list cannot be had at all (the key cannot be opened).
bool ListComPorts(std::vector<std::string>& ports);

}  // namespace plat
