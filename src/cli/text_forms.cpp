#include "cli/text_forms.h"

#include <cstdio>

std::string Unpadded(std::string text) {
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
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
