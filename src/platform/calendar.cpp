// Calendar arithmetic on local dates and times, the one place of it.
#include "platform/clock.h"

namespace plat {

namespace {
bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }
const int kDaysBefore[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
}  // namespace

int DaysInMonth(int year, int month) {
  const int daysBeforeNext = month == 12 ? 365 : kDaysBefore[month];
  return daysBeforeNext - kDaysBefore[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

bool IsValidDateTime(const LocalTime& t) {
  if (t.year < 1752 || t.year > 9999 || t.month < 1 || t.month > 12) return false;
  return t.day >= 1 && t.day <= DaysInMonth(t.year, t.month) && t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59 &&
         t.second >= 0 && t.second <= 59 && t.millisecond >= 0 && t.millisecond <= 999;
}

int DayOfWeek(int year, int month, int day) {
  static const int kOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  if (month < 3) year -= 1;
  return (year + year / 4 - year / 100 + year / 400 + kOffsets[month - 1] + day) % 7;
}

long long SecondsSince2000(const LocalTime& t) {
  const int years = t.year - 2000;
  long long days = 365LL * years + (years + 3) / 4 + kDaysBefore[t.month - 1] + (t.day - 1);
  if (t.month > 2 && t.year % 4 == 0) ++days;   // 2000 is a leap year; 2100 is outside
  return ((days * 24 + t.hour) * 60 + t.minute) * 60 + t.second;
}

LocalTime LocalTimeAt(long long seconds) {
  LocalTime t{};
  long long days = seconds / 86400;
  t.hour = static_cast<int>(seconds / 3600 % 24);
  t.minute = static_cast<int>(seconds / 60 % 60);
  t.second = static_cast<int>(seconds % 60);
  for (t.year = 2000; days >= (IsLeapYear(t.year) ? 366 : 365); ++t.year) days -= IsLeapYear(t.year) ? 366 : 365;
  for (t.month = 1; t.month < 12; ++t.month) {
    const int next = kDaysBefore[t.month] + (t.month >= 2 && IsLeapYear(t.year) ? 1 : 0);
    if (days < next) break;
  }
  days -= kDaysBefore[t.month - 1] + (t.month > 2 && IsLeapYear(t.year) ? 1 : 0);
  t.day = static_cast<int>(days) + 1;
  t.dayOfWeek = DayOfWeek(t.year, t.month, t.day);
  return t;
}

}  // namespace plat
