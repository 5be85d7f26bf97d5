// Sleeping and the local time.
#pragma once

namespace plat {

// The longest wait or pause the platform expresses, in ms: one below the
// 32-bit value that the system's waits take as "for ever" (about 49.7 days).
constexpr unsigned kLongestWaitMs = 0xFFFFFFFEu;

// A wait computed in 64 bits, held within 0 and kLongestWaitMs.
constexpr unsigned CapWaitMs(long long ms) {
  return ms <= 0 ? 0u : ms >= static_cast<long long>(kLongestWaitMs) ? kLongestWaitMs : static_cast<unsigned>(ms);
}

// Blocks the calling thread for `ms` milliseconds.
void SleepMs(unsigned ms);

// A local date and time as GetLocalTime gives it.
struct LocalTime {
  int year;          // 4 digits
  int month;         // 1-12
  int dayOfWeek;     // 0 Sunday - 6 Saturday
  int day;           // 1-31
  int hour;          // 0-23
  int minute;
  int second;
  int millisecond;
};

LocalTime GetLocalTime();

// True for a date from 1752 to 9999 and a time of day that exist (the range of
// the date and time picker).
bool IsValidDateTime(const LocalTime& value);

// The days of a month (1-12) of a year of the Gregorian calendar.
int DaysInMonth(int year, int month);

// The day of the week of a date of the Gregorian calendar, 0 = Sunday.
int DayOfWeek(int year, int month, int day);

// Seconds from 2000-01-01 00:00:00 to a date and time of 2000-2099.
long long SecondsSince2000(const LocalTime& value);
// The date and time `seconds` after 2000-01-01 00:00:00 (0 ms), the inverse of SecondsSince2000.
LocalTime LocalTimeAt(long long seconds);

// Milliseconds from an arbitrary fixed point, never going backwards.
unsigned long long MonotonicMs();

}  // namespace plat
