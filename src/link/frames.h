// The frames the tool sends, one builder per command; the layouts of all of
// them are in the catalogue of frames.cpp. Pure functions: a frame is the
// bytes STX, the command's head, the payload and ETX.
#pragma once
#include <string>

// One command of the catalogue.
struct FrameLayout {
  const char* head;   // the bytes after STX that name the command: "$Q", "#v", "sa", "Q"
  int length;         // bytes of the whole frame, STX and ETX included
  char answer;        // the reply letter of a query; 0 for a setting (ACK or NAK)
};

// The layout whose head starts `frame` after its STX, or null.
const FrameLayout* FindFrameLayout(const std::string& frame);

// Queries.
std::string QueryFrame(char letter);             // STX '$' letter ETX
std::string VersionQueryFrame();                 // STX '#' 'v' ETX
std::string AdCountQueryFrame(char channel);     // STX '$' 'V' channel digit ETX

// Settings: payload texts as the page gives them, filled and framed here.
std::string AutoPowerOffFrame(char choiceDigit);                  // 'Q'
std::string ClockFrame(const std::string& yymmddhhmmss);          // 'T', twelve digits
std::string MemoryIntervalFrame(const std::string& minutes);      // 'I', zero fill to 3
std::string BuzzerAlarmFrame(const std::string& value);           // 'B', zero fill to 5, then '6'
std::string PatrolLightModeFrame(char modeDigit);                 // 'K'
std::string PatrolLightThresholdsFrame(const std::string levels[4]);  // 'S', tags a-d
std::string IoTIntervalFrame(int minutes);                        // 's' 'a', 3 digits
std::string IoTCommHoursFrame(int startHour, int stopHour);       // 's' 'b', 2 digits each
std::string HumidityLimitFrame(const std::string& value);         // 'L', zero fill to 5, then '8'
std::string ModelCodeFrame(char modelDigit);                      // 'M' '*' digit '*'
std::string ResetSettingsFrame();                                 // 'i' '*' '*'
