// tavo-cli's check of the line settings file (TAVO.ini, or the file --ini
// names) before a port is opened: what TAVO.exe's reader would take as 0 or
// hand to the port unchecked is refused here, with the file, the line and the
// key. TAVO.exe reads the file as it always has (config/comm_settings.h).
#pragma once
#include <string>
#include <vector>

// The problems of the [COMM] values in the text of the INI file `path`, each
// as "PATH:LINE: KEY: reason": a value that is no whole number (TimeOut=abc,
// TimeOut=2000ms, an empty one), a BaudRate not above 0, a Parity, StopBits
// or DataBits that is no code of its kind. Empty when there is none.
std::vector<std::string> CommValueProblems(const std::string& path, const std::string& text);

// Checks the INI file tavo-cli reads: the file `iniFile` names, or TAVO.ini
// in the current directory when there is one. False after telling each problem.
bool CheckCommValues(const std::string& iniFile);
