// The configuration files of the tool, all in the current working directory:
// "TAVO.ini" (serial line and timing, config/comm_settings.h), "SETTING.ini"
// (log files) and "vorinfo.ini" (present or not). The tool only reads them.
#pragma once
#include <string>

// The log settings of "SETTING.ini".
struct LogSettings {
  std::string logPath;  // [TAVO] LogPath: empty for the current directory
  int logDeleteDay;     // [TAVO] LogDeleteDay, kept within 1..100
  bool logOutSwitch;    // [LogOut] LogOutSwitch non-zero
};

// Reads "SETTING.ini" (defaults: "", 10, off). The current directory is
// `currentDir`, as the log start-up has it.
LogSettings ReadLogSettings(const std::string& currentDir);

// True when a file named "vorinfo.ini" is in the current directory: the maker pages are shown.
bool HasMakerInfoFile();

// `dir` followed by `name`, with one separator between them.
std::string JoinPath(const std::string& dir, const char* name);
