// The facts of a serial device: /dev/serial/by-id and sysfs.
#include "platform/posix/port_facts.h"

#include <dirent.h>
#include <limits.h>
#include <stdlib.h>

#include <algorithm>
#include <fstream>
#include <vector>

#include "platform/posix/device_path.h"

namespace plat {
namespace {

// The path with every link resolved; empty when it does not exist.
std::string RealPath(const std::string& path) {
  char real[PATH_MAX];
  return realpath(path.c_str(), real) ? std::string(real) : std::string();
}

// The names in `dir` but . and .., sorted; none when it cannot be read.
std::vector<std::string> Entries(const std::string& dir) {
  std::vector<std::string> names;
  if (DIR* d = opendir(dir.c_str())) {
    while (const dirent* entry = readdir(d))
      if (entry->d_name[0] != '.') names.push_back(entry->d_name);
    closedir(d);
  }
  std::sort(names.begin(), names.end());
  return names;
}

// The first line of a file without its line end; empty when it cannot be read.
std::string FirstLine(const std::string& path) {
  std::ifstream file(path);
  std::string line;
  std::getline(file, line);
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
  return line;
}

std::string StableName(const std::string& real, const std::string& root) {
  const std::string dir = root + "/dev/serial/by-id";
  for (const std::string& name : Entries(dir))
    if (RealPath(dir + "/" + name) == real) return dir + "/" + name;
  return "";
}

// The USB device of a tty: the nearest folder above its sysfs device folder
// (the interface, itself) with a vendor id; empty when there is none.
std::string UsbFolder(const std::string& tty, const std::string& root) {
  const std::string top = RealPath(root + "/sys");
  std::string dir = RealPath(root + "/sys/class/tty/" + tty + "/device");
  for (int level = 0; level < 4 && !top.empty() && dir.size() > top.size(); ++level) {
    if (!FirstLine(dir + "/idVendor").empty()) return dir;
    dir = dir.substr(0, dir.rfind('/'));
  }
  return "";
}

}  // namespace

PortFacts DescribeDevice(const std::string& device, const std::string& root) {
  PortFacts facts;
  const std::string real = RealPath(device);
  if (real.empty()) return facts;
  facts.stableName = StableName(real, root);
  const std::string usb = UsbFolder(real.substr(real.rfind('/') + 1), root);
  if (usb.empty()) return facts;
  facts.vendorId = FirstLine(usb + "/idVendor");
  facts.productId = FirstLine(usb + "/idProduct");
  facts.manufacturer = FirstLine(usb + "/manufacturer");
  facts.product = FirstLine(usb + "/product");
  facts.serialNumber = FirstLine(usb + "/serial");
  return facts;
}

PortFacts DescribeComPort(const std::string& port) { return DescribeDevice(DevicePath(port), ""); }

}  // namespace plat
