#include "log/start_log.h"

#include <string>

#include "config/ini_file.h"
#include "log/log_directory.h"
#include "log/log_file.h"
#include "platform/files.h"
#include "platform/sync.h"

namespace {

const char kLogMutexName[] = "LOGOUTPUT_MUTEX";
const char kBanner[] = "TAVO Ver.1.1.0";
const unsigned kWaitForever = 0xFFFFFFFFu;

LogState g_log;

// Reads the settings and settles the directory. False when the current directory cannot be had.
bool SetUpLog(LogState& log) {
  std::string currentDir;
  if (!plat::GetCurrentDir(currentDir)) return false;
  const LogSettings settings = ReadLogSettings(currentDir);
  log.deleteAge = settings.logDeleteDay;
  log.writeSwitch = settings.logOutSwitch;
  log.banner = kBanner;
  log.directory = SettleLogDirectory(settings.logPath, currentDir);
  log.usable = true;
  log.directory = TrimTrailingSeparators(log.directory);
  return true;
}

void WriteStartFiles(LogState& log, const LogClock& clock) {
  for (LogKind kind : kLogKinds) {
    plat::OutFile file;
    if (!CreateLogFile(log, kind, clock, file)) log.usable = false;
  }
}

void RunStartUp(LogState& log, const LogClock& clock) {
  if (!SetUpLog(log)) return;
  const plat::LocalTime now = clock();
  RemoveOldLogFiles(log, now);
  for (LogKind kind : kLogKinds) NumberLogKind(log, kind, now);
  if (log.writeSwitch) WriteStartFiles(log, clock);
}

}  // namespace

void StartLog() { StartLog(plat::GetLocalTime); }

void StartLog(const LogClock& clock) {
  // Kept for the life of the process, as other instances wait on it.
  static plat::NamedMutex mutex(kLogMutexName);
  if (!mutex.IsValid() || !mutex.Acquire(kWaitForever)) {
    g_log.usable = false;
    return;
  }
  g_log.starting = true;
  RunStartUp(g_log, clock);
  g_log.starting = false;
  mutex.Release();
}

const LogState& TheLogState() { return g_log; }
