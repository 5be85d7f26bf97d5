// Time of the POSIX build.
#include "platform/clock.h"

#include <sys/time.h>

#include <chrono>
#include <ctime>
#include <thread>

namespace plat {

void SleepMs(unsigned ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

LocalTime GetLocalTime() {
  timeval now;
  gettimeofday(&now, nullptr);
  std::tm tm;
  localtime_r(&now.tv_sec, &tm);
  return LocalTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_wday, tm.tm_mday,
                   tm.tm_hour,        tm.tm_min,     tm.tm_sec,  static_cast<int>(now.tv_usec / 1000)};
}

unsigned long long MonotonicMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace plat
