// Time through the Win32 functions.
#include <windows.h>

#include "platform/clock.h"

namespace plat {

void SleepMs(unsigned ms) { ::Sleep(ms); }

LocalTime GetLocalTime() {
  SYSTEMTIME st;
  ::GetLocalTime(&st);
  return LocalTime{st.wYear, st.wMonth,  st.wDayOfWeek, st.wDay,
                   st.wHour, st.wMinute, st.wSecond,    st.wMilliseconds};
}

unsigned long long MonotonicMs() { return GetTickCount64(); }

}  // namespace plat
