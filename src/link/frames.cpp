#include "link/frames.h"

#include <cstdio>
#include <cstring>

#include "link/control_bytes.h"
#include "link/reply_fields.h"

namespace {

// Every frame the tool sends. Lengths count STX and ETX.
const FrameLayout kCatalogue[] = {
    {"#v", 4, 'v'},  {"$G", 4, 'G'}, {"$D", 4, 'D'}, {"$P", 4, 'P'}, {"$V", 5, 'V'},
    {"$O", 4, 'O'},  {"$Q", 4, 'Q'}, {"$T", 4, 'T'}, {"$I", 4, 'I'}, {"$B", 4, 'B'},
    {"$K", 4, 'K'},  {"$S", 4, 'S'}, {"$s", 4, 's'}, {"$L", 4, 'L'}, {"$M", 4, 'M'},
    {"Q", 4, 0},     // STX 'Q' choice ETX
    {"T", 15, 0},    // STX 'T' YYMMDDhhmmss ETX
    {"I", 6, 0},     // STX 'I' minutes(3) ETX
    {"B", 9, 0},     // STX 'B' value(5) '6' ETX
    {"K", 4, 0},     // STX 'K' mode ETX
    {"S", 31, 0},    // STX 'S' then 4 x (tag value(5) '6') ETX
    {"sa", 7, 0},    // STX 's' 'a' minutes(3) ETX
    {"sb", 9, 0},    // STX 's' 'b' start(2) ' ' stop(2) ETX
    {"L", 9, 0},     // STX 'L' value(5) '8' ETX
    {"M", 6, 0},     // STX 'M' '*' code '*' ETX
    {"i", 5, 0},     // STX 'i' '*' '*' ETX
};

std::string Frame(const char* head, const std::string& payload) {
  std::string frame(1, static_cast<char>(kStx));
  frame += head;
  frame += payload;
  frame += static_cast<char>(kEtx);
  return frame;
}

std::string Digits(int value, int width) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*d", width, value);
  return text;
}

}  // namespace

const FrameLayout* FindFrameLayout(const std::string& frame) {
  if (frame.size() < 2 || static_cast<unsigned char>(frame[0]) != kStx) return nullptr;
  const FrameLayout* found = nullptr;
  for (const FrameLayout& layout : kCatalogue) {
    size_t n = std::strlen(layout.head);
    bool longer = !found || n > std::strlen(found->head);
    if (frame.compare(1, n, layout.head) == 0 && longer) found = &layout;
  }
  return found;
}

std::string QueryFrame(char letter) { return Frame("$", std::string(1, letter)); }
std::string VersionQueryFrame() { return Frame("#v", ""); }
std::string AdCountQueryFrame(char channel) { return Frame("$V", std::string(1, channel)); }

std::string AutoPowerOffFrame(char choiceDigit) { return Frame("Q", std::string(1, choiceDigit)); }
std::string ClockFrame(const std::string& yymmddhhmmss) { return Frame("T", yymmddhhmmss); }
std::string MemoryIntervalFrame(const std::string& minutes) { return Frame("I", ZeroFill(minutes, 3)); }
std::string BuzzerAlarmFrame(const std::string& value) { return Frame("B", ZeroFill(value, 5) + "6"); }
std::string PatrolLightModeFrame(char modeDigit) { return Frame("K", std::string(1, modeDigit)); }

std::string PatrolLightThresholdsFrame(const std::string levels[4]) {
  std::string payload;
  for (int i = 0; i < 4; ++i) payload += static_cast<char>('a' + i) + ZeroFill(levels[i], 5) + "6";
  return Frame("S", payload);
}

std::string IoTIntervalFrame(int minutes) { return Frame("sa", Digits(minutes, 3)); }
std::string IoTCommHoursFrame(int startHour, int stopHour) {
  return Frame("sb", Digits(startHour, 2) + " " + Digits(stopHour, 2));
}
std::string HumidityLimitFrame(const std::string& value) { return Frame("L", ZeroFill(value, 5) + "8"); }
std::string ModelCodeFrame(char modelDigit) { return Frame("M", std::string("*") + modelDigit + "*"); }
std::string ResetSettingsFrame() { return Frame("i", "**"); }
