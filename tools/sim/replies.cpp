#include "replies.h"

#include <cstdio>
#include <ctime>

#include "instrument.h"
#include "records.h"

namespace {

std::string Fixed(const std::string& text, size_t width) {
  std::string out = text.substr(0, width);
  out.resize(width, ' ');
  return out;
}

// Signed fields on a grid: each field is a tag letter, then the sign and
// value characters as given ("+00003.25"), fields separated by ", ". With
// values of 9 characters the sign of field k stands at 3 + 12 k.
std::string SignedGrid(const char* const values[], int count) {
  std::string out;
  for (int k = 0; k < count; ++k) {
    if (k > 0) out += ", ";
    out += static_cast<char>('a' + k);
    out += values[k];
  }
  return out;
}

// Measured values: six blocks of ten, "01+25.3" and three separators, so the
// signs stand at 4, 14, ... 54.
std::string MeasurementPayload() {
  static const char* const values[] = {"+25.3", "+26.1", "+28.4", "+65.0", "+27.9", "+30.2"};
  std::string out;
  for (int k = 0; k < 6; ++k) {
    char block[16];
    std::snprintf(block, sizeof block, "%s%02d%s", k > 0 ? ",  " : "", k + 1, values[k]);
    out += block;
  }
  return out;
}

std::string PreampPayload() {
  static const char* const values[] = {"+00003.25", "+00028.40", "+00001.02", "+00000.98", "+00030.15",
                                       "+00030.20", "+00001.11", "-00000.40", "+00065.30", "+00065.00"};
  return SignedGrid(values, 10);
}

std::string CalibrationPayload() {
  static const char* const values[] = {"+00001.50", "-00000.75"};
  return SignedGrid(values, 2);
}

// Twenty A/D counts of ten digits, ", " between them: field k at 2 + 12 (k - 1).
std::string AdCountPayload(char channel) {
  std::string out;
  for (int k = 1; k <= 20; ++k) {
    char field[16];
    std::snprintf(field, sizeof field, "%s%010d", k > 1 ? ", " : "", (channel - '0') * 10000 + 1200 + k * 7);
    out += field;
  }
  return out;
}

std::string ClockPayload(std::time_t offset) {
  std::time_t now = std::time(nullptr) + offset;
  std::tm local;
  localtime_r(&now, &local);
  char text[16];
  std::strftime(text, sizeof text, "%y%m%d%H%M%S", &local);
  return text;
}

}  // namespace

bool QueryPayload(const InstrumentState& s, char letter, const std::string& parameter, std::string& payload) {
  if (letter != 'V' && !parameter.empty()) return false;
  switch (letter) {
    case 'v': payload = Fixed(s.model, 9) + Fixed(s.version, 6); return true;
    case 'D': payload = MeasurementPayload(); return true;
    case 'P': payload = PreampPayload(); return true;
    case 'G': payload = CalibrationPayload(); return true;
    case 'V':
      if (parameter.size() != 1 || parameter[0] < '0' || parameter[0] > '2') return false;
      payload = AdCountPayload(parameter[0]);
      return true;
    case 'O': payload = SimulatedMemory(s.records); return true;
    case 'Q': payload = std::string(1, s.autoPowerOff); return true;
    case 'T': payload = ClockPayload(s.clockOffset); return true;
    case 'I': payload = s.interval; return true;
    case 'B': payload = s.buzzer + "6"; return true;
    case 'K': payload = std::string(1, s.patrolMode); return true;
    case 'S': payload = s.thresholds; return true;
    case 's': payload = "a" + s.iotInterval + " b " + s.iotStart + " " + s.iotStop; return true;
    case 'L': payload = s.humidityLimit + "8"; return true;
    case 'M': payload = std::string(1, s.modelCode); return true;
  }
  return false;
}
