// Serial devices of a POSIX system.
#include "platform/comports.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/posix/device_path.h"

namespace plat {
namespace {

bool IsSerialName(const char* name) {
  for (const char* prefix : {"ttyS", "ttyUSB", "ttyACM"})
    if (std::strncmp(name, prefix, std::strlen(prefix)) == 0) return true;
  return false;
}

// The entries of `dir` that `wanted` accepts, sorted by name (as paths under /dev,
// as bare names elsewhere); false when it cannot be read.
template <typename Pred>
bool ListDir(const std::string& dir, Pred wanted, std::vector<std::string>& out) {
  const std::string prefix = dir == "/dev" ? dir + "/" : std::string();
  DIR* d = opendir(dir.c_str());
  if (!d) return false;
  std::vector<std::string> names;
  while (const dirent* entry = readdir(d))
    if (wanted(entry)) names.push_back(prefix + entry->d_name);
  closedir(d);
  std::sort(names.begin(), names.end());
  out.insert(out.end(), names.begin(), names.end());
  return true;
}

}  // namespace

std::string PortIdentity(const std::string& name) {
  const std::string device = DevicePath(name);
  struct stat st;
  if (stat(device.c_str(), &st) != 0) return device;
  if (S_ISCHR(st.st_mode)) return "device " + std::to_string(static_cast<unsigned long long>(st.st_rdev));
  return "file " + std::to_string(static_cast<unsigned long long>(st.st_dev)) + ":" +
         std::to_string(static_cast<unsigned long long>(st.st_ino));
}

bool ListComPorts(std::vector<std::string>& ports) {
  ports.clear();
  if (const char* portDir = std::getenv("TAVO_PORT_DIR")) {
    std::string dir = portDir;
    return ListDir(dir, [&dir](const dirent* e) {
      struct stat st;
      return lstat((dir + "/" + e->d_name).c_str(), &st) == 0 && S_ISLNK(st.st_mode);
    }, ports);
  }
  return ListDir("/dev", [](const dirent* e) { return IsSerialName(e->d_name); }, ports);
}

}  // namespace plat
