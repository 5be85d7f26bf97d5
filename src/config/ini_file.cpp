#include "config/ini_file.h"

#include <cstdlib>
#include <string>

#include "platform/code_page.h"
#include "platform/files.h"
#include "platform/profile.h"

namespace {

const int kLogPathChars = 259;
const int kLogSwitchChars = 2;

// True when the last character of `path` is the separator; the second byte of
// a double-byte character (such as that of "表") may equal '\\' and is none.
bool EndsWithSeparator(const std::string& path, char separator) {
  bool last = false;
  for (std::size_t i = 0; i < path.size(); ++i) {
    last = path[i] == separator;
    if (IsLeadByte932(static_cast<unsigned char>(path[i]))) ++i;
  }
  return last;
}

}  // namespace

std::string JoinPath(const std::string& dir, const char* name) {
  std::string path = dir;
  const char separator = plat::PathSeparator();
  if (!EndsWithSeparator(path, separator)) path += separator;
  return path + name;
}

LogSettings ReadLogSettings(const std::string& currentDir) {
  const std::string path = JoinPath(currentDir, "SETTING.ini");
  LogSettings settings;
  settings.logPath = plat::GetProfileString("TAVO", "LogPath", "", kLogPathChars + 1, path);
  int days = plat::GetProfileInt("TAVO", "LogDeleteDay", 10, path);
  settings.logDeleteDay = days <= 1 ? 1 : (days >= 100 ? 100 : days);
  std::string sw = plat::GetProfileString("LogOut", "LogOutSwitch", "0", kLogSwitchChars + 1, path);
  settings.logOutSwitch = std::atoi(sw.c_str()) != 0;
  return settings;
}

bool HasMakerInfoFile() { return plat::FileExists("vorinfo.ini"); }
