#include "log/log_file.h"

#include "log/delete_old_logs.h"
#include "log/log_record.h"
#include "log/sequence_number.h"

namespace {

const char* KindWord(LogKind kind) { return kind == LogKind::Log ? "log pfile" : "error pfile"; }

}  // namespace

CalendarDate DateOf(const plat::LocalTime& time) { return {time.year, time.month, time.day}; }

void RemoveOldLogFiles(const LogState& log, const plat::LocalTime& now) {
  if (log.usable) DeleteOldLogFiles(log.directory, DateOf(now), log.deleteAge);
}

void NumberLogKind(LogState& log, LogKind kind, const plat::LocalTime& now) {
  LogKindState& state = log.Kind(kind);
  state.sequence = FindFreeSequenceNumber(log.directory, kind, now.month, now.day);
  state.nameMonth = now.month;
  state.nameDay = now.day;
}

bool CreateLogFile(LogState& log, LogKind kind, const LogClock& clock, plat::OutFile& file) {
  const plat::LocalTime now = clock();
  LogKindState& state = log.Kind(kind);
  if (now.month != state.nameMonth || now.day != state.nameDay) {
    RemoveOldLogFiles(log, now);
    NumberLogKind(log, kind, now);
  }
  const CString name = LogFileName(kind, now.month, now.day, state.sequence);
  state.counter = 0;
  if (!file.Create(InLogDirectory(log.directory, name).str())) return false;
  CString header;
  header.Format("%s %s", log.banner.str().c_str(), KindWord(kind));
  WriteLogRecord(file, header, now, state.counter);
  if (log.starting) WriteLogRecord(file, "Process Start", clock(), state.counter);
  return true;
}
