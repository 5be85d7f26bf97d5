#include "config/comm_settings.h"

#include <atomic>
#include <string>

#include "config/ini_file.h"
#include "platform/files.h"
#include "platform/profile.h"

namespace {

struct CommKey {
  const char* name;
  int CommSettings::*field;
  int defaultValue;
};

// The keys in the order they are read.
const CommKey kCommKeys[] = {
    {"BaudRate", &CommSettings::BaudRate, 9600}, {"StopBits", &CommSettings::StopBits, 0},
    {"Parity", &CommSettings::Parity, 0},        {"DataBits", &CommSettings::DataBits, 8},
    {"TimeOut", &CommSettings::TimeOut, 1000},   {"SendDelay", &CommSettings::SendDelay, 500},
    {"SleepTime", &CommSettings::SleepTime, 50},
};

std::string g_commSettingsFile;   // empty: "TAVO.ini" in the current directory
std::atomic<CommSettingsTeller> g_teller{nullptr};

}  // namespace

const char kCommSettingsFailure[] = "パラメータディレクトリの取得に失敗しました";
const char kCommSettingsCaption[] = "TAVO";

void SetCommSettingsTeller(CommSettingsTeller teller) { g_teller = teller; }

void SetCommSettingsFile(const std::string& path) {
  if (g_commSettingsFile != path) g_commSettingsFile = path;   // threads that open links read it
}

int ReadCommSettings(CommSettings& settings) {
  std::string dir;
  if (!plat::GetCurrentDir(dir)) {
    if (CommSettingsTeller teller = g_teller) teller(kCommSettingsFailure, kCommSettingsCaption);
    return -1;
  }
  const std::string path = g_commSettingsFile.empty() ? JoinPath(dir, "TAVO.ini") : g_commSettingsFile;
  for (const CommKey& key : kCommKeys) {
    settings.*key.field = plat::GetProfileInt("COMM", key.name, key.defaultValue, path);
  }
  return 0;
}
