#include "instrument.h"

#include <cctype>
#include <cstring>
#include <ctime>

#include "replies.h"

namespace {

const char kStxChar = 0x02, kEtxChar = 0x03, kEotChar = 0x04, kAckChar = 0x06, kNakChar = 0x15;

bool AllOf(const std::string& text, const char* allowed) {
  for (char c : text)
    if (!std::strchr(allowed, c) || c == '\0') return false;
  return true;
}

bool IsDigits(const std::string& text, size_t count) { return text.size() == count && AllOf(text, "0123456789"); }
bool IsValue(const std::string& text) { return text.size() == 5 && AllOf(text, "0123456789.-"); }

// YYMMDDhhmmss to the difference from the host clock.
bool ClockOffset(const std::string& digits, std::time_t& offset) {
  if (!IsDigits(digits, 12)) return false;
  auto two = [&](int i) { return (digits[i] - '0') * 10 + (digits[i + 1] - '0'); };
  std::tm t = {};
  t.tm_year = 100 + two(0);
  t.tm_mon = two(2) - 1;
  t.tm_mday = two(4);
  t.tm_hour = two(6);
  t.tm_min = two(8);
  t.tm_sec = two(10);
  t.tm_isdst = -1;
  if (t.tm_mon > 11 || t.tm_mday < 1 || t.tm_mday > 31 || t.tm_hour > 23 || t.tm_min > 59 || t.tm_sec > 59)
    return false;
  offset = std::mktime(&t) - std::time(nullptr);
  return true;
}

bool Thresholds(const std::string& p) {
  if (p.size() != 28) return false;
  for (int level = 0; level < 4; ++level) {
    const std::string group = p.substr(level * 7, 7);
    if (group[0] != 'a' + level || !IsValue(group.substr(1, 5)) || group[6] != '6') return false;
  }
  return true;
}

// Keeps a setting whose payload `p` (after the letter, without ETX) is well formed.
bool ApplySetting(InstrumentState& s, char letter, const std::string& p) {
  switch (letter) {
    case 'Q': if (p != "0" && p != "1") return false; s.autoPowerOff = p[0]; return true;
    case 'K': if (p != "0" && p != "1") return false; s.patrolMode = p[0]; return true;
    case 'M':
      if (p.size() != 3 || p[0] != '*' || p[2] != '*' || p[1] < '0' || p[1] > '5') return false;
      s.modelCode = p[1];
      return true;
    case 'T': return ClockOffset(p, s.clockOffset);
    case 'I': if (!IsDigits(p, 3)) return false; s.interval = p; return true;
    case 'B': if (p.size() != 6 || !IsValue(p.substr(0, 5)) || p[5] != '6') return false; s.buzzer = p.substr(0, 5); return true;
    case 'L': if (p.size() != 6 || !IsValue(p.substr(0, 5)) || p[5] != '8') return false; s.humidityLimit = p.substr(0, 5); return true;
    case 'S': if (!Thresholds(p)) return false; s.thresholds = p; return true;
    case 's':
      if (p.size() == 4 && p[0] == 'a' && IsDigits(p.substr(1), 3)) { s.iotInterval = p.substr(1); return true; }
      if (p.size() == 6 && p[0] == 'b' && IsDigits(p.substr(1, 2), 2) && p[3] == ' ' && IsDigits(p.substr(4), 2)) {
        s.iotStart = p.substr(1, 2);
        s.iotStop = p.substr(4);
        return true;
      }
      return false;
    case 'i':
      if (p != "**") return false;
      s = MakeInstrument(s.model, s.version, s.records);
      return true;
  }
  return false;
}

char ModelCodeOf(const std::string& model) {
  static const char* const models[] = {"TAVO-410A", "TAVO-410B", "TAVO-420A", "TAVO-420B"};
  for (int i = 0; i < 4; ++i)
    if (model == models[i]) return static_cast<char>('0' + i);
  return '0';
}

}  // namespace

InstrumentState MakeInstrument(const std::string& model, const std::string& version, int records) {
  InstrumentState s;
  s.model = model;
  s.version = version;
  s.modelCode = ModelCodeOf(model);
  s.records = records;
  return s;
}

char CommandLetter(const std::string& frame) {
  if (frame.size() < 3) return 0;
  return frame[1] == '$' || frame[1] == '#' ? frame[2] : frame[1];
}

std::string AnswerFrame(InstrumentState& state, const std::string& frame) {
  const std::string nak(1, kNakChar);
  if (frame.size() < 3 || frame.front() != kStxChar || frame.back() != kEtxChar) return nak;
  const std::string body = frame.substr(1, frame.size() - 2);
  const bool query = body[0] == '$' || (body[0] == '#' && body.substr(1) == "v");
  if (query) {
    std::string payload;
    if (body.size() < 2 || (body[0] == '$' && body[1] == 'v')) return nak;
    if (!QueryPayload(state, body[1], body.substr(2), payload)) return nak;
    return std::string(1, kStxChar) + body[1] + payload + kEotChar;
  }
  if (!ApplySetting(state, body[0], body.substr(1))) return nak;
  return std::string(1, kAckChar);
}
