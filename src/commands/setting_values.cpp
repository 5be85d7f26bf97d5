#include "commands/setting_values.h"

#include <climits>
#include <cstdio>

namespace {

const int kIoTIntervals[] = {1, 2, 3, 4, 5, 10, 15, 30, 60};

// 0 = Sunday, as the date and time picker counts.
int DayOfWeek(int year, int month, int day) {
  static const int kOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  if (month < 3) year -= 1;
  return (year + year / 4 - year / 100 + year / 400 + kOffsets[month - 1] + day) % 7;
}

}  // namespace

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

int IoTIntervalItem(int minutes) {
  for (int item = 0; item < static_cast<int>(sizeof kIoTIntervals / sizeof kIoTIntervals[0]); ++item)
    if (kIoTIntervals[item] == minutes) return item;
  return -1;
}

bool ClockDigits(const fw::DateTime& value, std::string& digits) {
  if (value.year < 2000 || value.year > 2099 || !fw::IsValidDateTime(value)) return false;
  char text[80];   // room for any int, so that nothing is cut
  std::snprintf(text, sizeof text, "%02d%02d%02d%02d%02d%02d", value.year - 2000, value.month, value.day,
                value.hour, value.minute, value.second);
  digits = text;
  return true;
}

bool ParseClockDigits(const std::string& digits, fw::DateTime& value) {
  if (digits.size() != 12) return false;
  for (char c : digits)
    if (!IsDecimalDigit(c)) return false;
  auto field = [&](int k) { return (digits[2 * k] - '0') * 10 + (digits[2 * k + 1] - '0'); };
  fw::DateTime parsed = {2000 + field(0), field(1), 0, field(2), field(3), field(4), field(5), 0};
  if (!fw::IsValidDateTime(parsed)) return false;
  parsed.dayOfWeek = DayOfWeek(parsed.year, parsed.month, parsed.day);
  value = parsed;
  return true;
}
