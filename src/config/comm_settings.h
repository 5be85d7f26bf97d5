// The serial line and timing settings of the tool, [COMM] of "TAVO.ini" in
// the current working directory (or the file a front end names).
#pragma once
#include <string>

// The [COMM] values of "TAVO.ini". A new instance has all fields zero.
struct CommSettings {
  int BaudRate = 0;    // bit/s
  int Parity = 0;      // DCB parity code
  int StopBits = 0;    // DCB stop-bit code
  int DataBits = 0;
  int TimeOut = 0;     // ms to wait for a reply
  int SendDelay = 0;   // ms between two commands of a sequence
  int SleepTime = 0;   // ms after each byte written
};

// Fills every field from [COMM] of `file` (a full path), or of "TAVO.ini" in
// the current directory when `file` is empty, with the default of each
// missing key (and of a missing file). Returns 0, or -1 when the current
// directory cannot be had: the teller is told (kCommSettingsFailure) and
// `settings` is left unchanged.
int ReadCommSettings(CommSettings& settings, const std::string& file = std::string());

// What the user is told when the line settings cannot be read, and under what caption.
extern const char kCommSettingsFailure[];
extern const char kCommSettingsCaption[];
// Who tells the user of that failure: each front end its own way (a message
// box, a line). Nobody until one is set.
using CommSettingsTeller = void (*)(const char* message, const char* caption);
void SetCommSettingsTeller(CommSettingsTeller teller);
