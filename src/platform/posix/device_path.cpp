#include "platform/posix/device_path.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <cstdlib>

#include "platform/posix/mbcs.h"

namespace plat {

std::string DevicePath(const std::string& name) {
  const char* portDir = std::getenv("TAVO_PORT_DIR");
  if (name.find('/') != std::string::npos || name.find('\\') != std::string::npos || !portDir) {
    return mbcs::ToSlashes(name);
  }
  std::string found = std::string(portDir) + "/" + name;
  struct stat st;
  if (lstat(found.c_str(), &st) == 0) return found;   // named as it is: no folder to search
  if (DIR* d = opendir(portDir)) {
    while (const dirent* entry = readdir(d)) {
      if (strcasecmp(entry->d_name, name.c_str()) == 0) found = std::string(portDir) + "/" + entry->d_name;
    }
    closedir(d);
  }
  return found;
}

}  // namespace plat
