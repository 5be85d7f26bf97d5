#include "log/delete_old_logs.h"

#include "log/log_names.h"
#include "platform/files.h"

LogDeletion DeleteOldLogFiles(const CString& dir, const CalendarDate& today, int age) {
  const CalendarDate cutOff = CutOffDate(today, age);
  LogDeletion result = {0, 0};
  for (const plat::FoundFile& entry : plat::FindFiles(InLogDirectory(dir, "*").str())) {
    LogNameDate date;
    if (!ParseLogFileName(entry.name, date) || !IsOldLogDate(date.month, date.day, cutOff, today)) continue;
    if (!entry.isDirectory && plat::RemoveFile(InLogDirectory(dir, entry.name).str()))
      ++result.deleted;
    else
      ++result.skipped;
  }
  return result;
}
