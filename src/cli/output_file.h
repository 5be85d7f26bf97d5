// The file -o names for download and monitor; "-" is standard output.
#pragma once
#include <string>

bool IsStandardOutput(const std::string& path);

// The file as messages name it: the path, or "standard output".
std::string OutputName(const std::string& path);

// Before anything is sent: true when the file can be written (standard
// output always); else false after telling the user the path and the
// system's reason.
bool CheckOutputFile(const std::string& path);

// False, after telling the user, when -o - and --json would both take standard output.
bool OneUseOfStandardOutput(const std::string& path, bool json);

// Tells the user that writing the file failed, with the system's reason, and,
// when `cutShort`, that the file itself was written and is left cut short.
void ReportWriteFailure(const std::string& path, bool cutShort = false);
