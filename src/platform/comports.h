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

// What tells a port from the others whatever name it is given: on POSIX the
// device the name leads to (through the port folder and symbolic links), on
// Windows the COM name in capitals without a leading "\\.\". Two names of one
// port give the same text.
std::string PortIdentity(const std::string& name);

// What the system knows of a port besides its name, as the system gives it
// (the ANSI code page on Windows, UTF-8 elsewhere); empty where it knows nothing.
struct PortFacts {
  std::string stableName;   // a name that outlives replugging: /dev/serial/by-id/... on Linux
  std::string vendorId;     // USB vendor and product id, four hex digits each
  std::string productId;
  std::string manufacturer;   // the USB device's own strings
  std::string product;
  std::string serialNumber;
  std::string friendlyName;   // Windows: the device's name in the Device Manager
};

// The facts of `port`, a name ListComPorts gives or a device path.
PortFacts DescribeComPort(const std::string& port);

}  // namespace plat
