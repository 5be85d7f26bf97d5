#include "instrument/setting_values.h"

#include <climits>
#include <cstdio>

bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

int DigitValue(char c) { return IsDecimalDigit(c) ? c - '0' : 0; }

bool LeadingNumber(const std::string& text, int width, int& value) {
  long long limit = 1;   // 10^width, or just above the largest int when that is less
  for (int i = 0; i < width && limit <= INT_MAX; ++i) limit *= 10;
  long long number = 0;
  value = 0;
  for (size_t i = 0; i < text.size() && IsDecimalDigit(text[i]); ++i) {
    number = number * 10 + (text[i] - '0');
    if (number >= limit || number > INT_MAX) return false;
    value = static_cast<int>(number);
  }
  return true;
}

bool ClockDigits(const plat::LocalTime& value, std::string& digits) {
  if (value.year < kFirstClockYear || value.year > kLastClockYear || !plat::IsValidDateTime(value)) return false;
  char text[80];   // room for any int, so that nothing is cut
  std::snprintf(text, sizeof text, "%02d%02d%02d%02d%02d%02d", value.year - kFirstClockYear, value.month, value.day,
                value.hour, value.minute, value.second);
  digits = text;
  return true;
}

bool ParseClockDigits(const std::string& digits, plat::LocalTime& value) {
  if (digits.size() != 12) return false;
  for (char c : digits)
    if (!IsDecimalDigit(c)) return false;
  auto field = [&](int k) { return (digits[2 * k] - '0') * 10 + (digits[2 * k + 1] - '0'); };
  plat::LocalTime parsed = {kFirstClockYear + field(0), field(1), 0, field(2), field(3), field(4), field(5), 0};
  if (!plat::IsValidDateTime(parsed)) return false;
  parsed.dayOfWeek = plat::DayOfWeek(parsed.year, parsed.month, parsed.day);
  value = parsed;
  return true;
}
