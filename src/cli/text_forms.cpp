#include "cli/text_forms.h"

#include <cstdio>

std::string Unpadded(std::string text) {
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

bool IsMeasuredNumber(const std::string& text) {
  size_t before = 0, after = 0;
  bool point = false;
  for (size_t i = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0; i < text.size(); ++i) {
    if (text[i] >= '0' && text[i] <= '9') ++(point ? after : before);
    else if (text[i] == '.' && !point) point = true;
    else return false;
  }
  return before > 0 && (!point || after > 0);
}

plat::LocalTime PcClock() {
  plat::LocalTime t = plat::GetLocalTime();
  t.millisecond = 0;
  return t;
}

std::string DateTimeText(const plat::LocalTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
  return text;
}

std::string DriftText(long long seconds) {
  const char sign = seconds < 0 ? '-' : '+';
  const long long size = seconds < 0 ? -seconds : seconds;
  char text[48];
  if (size < 60) std::snprintf(text, sizeof text, "%c%lld s", sign, size);
  else if (size < 3600) std::snprintf(text, sizeof text, "%c%lld min %02lld s", sign, size / 60, size % 60);
  else std::snprintf(text, sizeof text, "%c%lld h %02lld min %02lld s", sign, size / 3600, size / 60 % 60, size % 60);
  return text;
}
