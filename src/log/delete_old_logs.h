// Deletion of old log files, by the month and day in their names.
#pragma once
#include "framework/cstring.h"
#include "log/cutoff_date.h"

struct LogDeletion {
  int deleted;   // files removed
  int skipped;   // old names that could not be removed (directories, read-only files)
};

// Removes from `dir` every log file of the tool (see ParseLogFileName) whose
// month and day lie outside the `age` days up to `today`. Any other entry is
// left alone; one that cannot be removed is tried once and skipped.
LogDeletion DeleteOldLogFiles(const CString& dir, const CalendarDate& today, int age);
