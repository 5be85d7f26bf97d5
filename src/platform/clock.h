// Sleeping and the local time.
#pragma once

namespace plat {

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

// Milliseconds from an arbitrary fixed point, never going backwards.
unsigned long long MonotonicMs();

}  // namespace plat
