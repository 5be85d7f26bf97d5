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

std::atomic<CommSettingsTeller> g_teller{nullptr};

}  // namespace

const char kCommSettingsFailure[] = "パラメータディレクトリの取得に失敗しました";
const char kCommSettingsCaption[] = "TAVO";

void SetCommSettingsTeller(CommSettingsTeller teller) { g_teller = teller; }

int ReadCommSettings(CommSettings& settings, const std::string& file) {
  std::string dir;
  if (file.empty() && !plat::GetCurrentDir(dir)) {
    if (CommSettingsTeller teller = g_teller) teller(kCommSettingsFailure, kCommSettingsCaption);
    return -1;
  }
  const std::string path = file.empty() ? JoinPath(dir, "TAVO.ini") : file;
  for (const CommKey& key : kCommKeys) {
    settings.*key.field = plat::GetProfileInt("COMM", key.name, key.defaultValue, path);
  }
  return 0;
}
