#include "config/ini_file.h"

#include <cstdlib>
#include <string>

#include "framework/ui.h"
#include "platform/files.h"
#include "platform/profile.h"

namespace {

struct CommKey {
  const char* name;
  int CIniFile::*field;
  int defaultValue;
};

// The keys in the order they are read.
const CommKey kCommKeys[] = {
    {"BaudRate", &CIniFile::BaudRate, 9600}, {"StopBits", &CIniFile::StopBits, 0},
    {"Parity", &CIniFile::Parity, 0},        {"DataBits", &CIniFile::DataBits, 8},
    {"TimeOut", &CIniFile::TimeOut, 1000},   {"SendDelay", &CIniFile::SendDelay, 500},
    {"SleepTime", &CIniFile::SleepTime, 50},
};

const int kLogPathChars = 259;
const int kLogSwitchChars = 2;

std::string g_commSettingsFile;   // empty: "TAVO.ini" in the current directory

}  // namespace

void SetCommSettingsFile(const std::string& path) {
  if (g_commSettingsFile != path) g_commSettingsFile = path;   // threads that open links read it
}

namespace {

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

CString JoinPath(const CString& dir, const char* name) {
  CString path = dir;
  char separator = plat::PathSeparator();
  if (!EndsWithSeparator(path.str(), separator)) path += separator;
  path += name;
  return path;
}

int ReadCommSettings(CIniFile& ini) {
  std::string dir;
  if (!plat::GetCurrentDir(dir)) {
    fw::MessageBoxNoOwner("パラメータディレクトリの取得に失敗しました", "TAVO", fw::kMbOk);
    return -1;
  }
  const std::string path = g_commSettingsFile.empty() ? JoinPath(dir, "TAVO.ini").str() : g_commSettingsFile;
  for (const CommKey& key : kCommKeys) {
    ini.*key.field = plat::GetProfileInt("COMM", key.name, key.defaultValue, path);
  }
  return 0;
}

LogSettings ReadLogSettings(const CString& currentDir) {
  const std::string path = JoinPath(currentDir, "SETTING.ini").str();
  LogSettings settings;
  settings.logPath = plat::GetProfileString("TAVO", "LogPath", "", kLogPathChars + 1, path);
  int days = plat::GetProfileInt("TAVO", "LogDeleteDay", 10, path);
  settings.logDeleteDay = days <= 1 ? 1 : (days >= 100 ? 100 : days);
  std::string sw = plat::GetProfileString("LogOut", "LogOutSwitch", "0", kLogSwitchChars + 1, path);
  settings.logOutSwitch = std::atoi(sw.c_str()) != 0;
  return settings;
}

bool HasMakerInfoFile() { return plat::FileExists("vorinfo.ini"); }
