// The configuration files of the tool, all in the current working directory:
// "TAVO.ini" (serial line and timing), "SETTING.ini" (log files) and
// "vorinfo.ini" (present or not). The tool only reads them.
#pragma once
#include <string>

#include "framework/cstring.h"

// The [COMM] values of "TAVO.ini". A new instance has all fields zero.
class CIniFile {
public:
  virtual ~CIniFile() = default;

  int BaudRate = 0;    // bit/s
  int Parity = 0;      // DCB parity code
  int StopBits = 0;    // DCB stop-bit code
  int DataBits = 0;
  int TimeOut = 0;     // ms to wait for a reply
  int SendDelay = 0;   // ms between two commands of a sequence
  int SleepTime = 0;   // ms after each byte written
};

// Fills every field from [COMM] of "TAVO.ini", with the default of each
// missing key (and of a missing file). Returns 0, or -1 when the current
// directory cannot be had: the user is told and `ini` is left unchanged.
int ReadCommSettings(CIniFile& ini);
// Makes ReadCommSettings read `path` (a full path) instead of "TAVO.ini" in
// the current directory; an empty path restores that. For front ends that
// name the file, such as the command line.
void SetCommSettingsFile(const std::string& path);

// The log settings of "SETTING.ini".
struct LogSettings {
  CString logPath;      // [TAVO] LogPath: empty for the current directory
  int logDeleteDay;     // [TAVO] LogDeleteDay, kept within 1..100
  bool logOutSwitch;    // [LogOut] LogOutSwitch non-zero
};

// Reads "SETTING.ini" (defaults: "", 10, off). The current directory is
// `currentDir`, as the log start-up has it.
LogSettings ReadLogSettings(const CString& currentDir);

// True when a file named "vorinfo.ini" is in the current directory: the maker pages are shown.
bool HasMakerInfoFile();

// `dir` followed by `name`, with one separator between them.
CString JoinPath(const CString& dir, const char* name);
