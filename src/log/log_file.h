// Creation of today's log or error file with its first records.
#pragma once
#include "log/cutoff_date.h"
#include "log/log_state.h"
#include "platform/out_file.h"

// The calendar date of a local time.
CalendarDate DateOf(const plat::LocalTime& time);

// Deletes the old log files for the date of `now`; nothing while the log is not usable.
void RemoveOldLogFiles(const LogState& log, const plat::LocalTime& now);

// Finds the free sequence number of `kind` for the date of `now`.
void NumberLogKind(LogState& log, LogKind kind, const plat::LocalTime& now);

// Creates the file of `kind` in `file` (replacing one of that name) and writes
// the header record and, while starting, "Process Start". When the date has
// changed since the kind was numbered, old files are deleted and it is numbered
// again first. False when the file cannot be created.
bool CreateLogFile(LogState& log, LogKind kind, const LogClock& clock, plat::OutFile& file);
