// Names of the log files: a kind letter, today's month and day, a sequence
// number and ".txt" (L1206000.txt is the first log file of 6 December).
#pragma once
#include "framework/cstring.h"

enum class LogKind { Log, Error };

const LogKind kLogKinds[] = {LogKind::Log, LogKind::Error};

// 'L' for the log file, 'E' for the error file.
char LogKindLetter(LogKind kind);

// The bare file name, e.g. "E0305012.txt".
CString LogFileName(LogKind kind, int month, int day, int sequence);

// `name` in `dir` (a directory without trailing separator; empty for the root).
CString InLogDirectory(const CString& dir, const CString& name);

// Month and day of one of the tool's own log file names.
struct LogNameDate {
  int month;
  int day;
};

// True only for names of exactly the shape the tool writes: 'L' or 'E', two
// digits of month, two of day, three of sequence number, ".txt" (letters in
// any case, as the file system of Windows takes them). The month
// and day are then stored in `date` (not checked against the calendar).
bool ParseLogFileName(const CString& name, LogNameDate& date);
