// Events, locks and named mutexes, and the calendar. No test depends on the machine's speed:
// time-outs are only waited for, never measured.
#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "platform/clock.h"
#include "platform/sync.h"

namespace {

TEST(PlatformEvent, ResetsItselfAfterAWait) {
  plat::Event event;
  EXPECT_FALSE(event.Wait(0));
  EXPECT_FALSE(event.Wait(30)) << "time-out";
  event.Set();
  event.Set();   // not counted
  EXPECT_TRUE(event.Wait(0)) << "a Set before the Wait is remembered";
  EXPECT_FALSE(event.Wait(0)) << "auto-reset";
  event.Set();
  event.Reset();
  EXPECT_FALSE(event.Wait(0));
}

TEST(PlatformEvent, SetWakesAWaiterInAnotherThread) {
  plat::Event event;
  std::atomic<bool> woke{false};
  std::thread waiter([&] { woke = event.Wait(60000); });
  plat::SleepMs(50);
  event.Set();
  waiter.join();
  EXPECT_TRUE(woke);
}

TEST(PlatformEvent, SetWakesOnlyOneOfTwoWaiters) {
  plat::Event event;
  std::atomic<int> woke{0};
  auto wait = [&] { woke += event.Wait(1000) ? 1 : 0; };
  std::thread a(wait), b(wait);
  event.Set();
  a.join();
  b.join();
  EXPECT_EQ(woke, 1);
}

TEST(PlatformLock, KeepsOthersOutWhileHeld) {
  plat::Lock lock;
  int counter = 0;
  auto work = [&] {
    for (int i = 0; i < 2000; ++i) {
      plat::LockGuard guard(lock);
      int seen = counter;
      std::this_thread::yield();
      counter = seen + 1;
    }
  };
  std::thread a(work), b(work);
  a.join();
  b.join();
  EXPECT_EQ(counter, 4000);
}

// Unique among the test programs running side by side, too.
std::string UniqueName() {
  static const unsigned program = std::random_device()();
  return "TAVO_test_mutex_" + std::to_string(program) + "_" + std::to_string(plat::MonotonicMs());
}

// Whether another thread can take the mutex of that name (it releases it again).
bool OtherThreadAcquires(const std::string& name, unsigned ms) {
  bool taken = false;
  std::thread other([&] {
    plat::NamedMutex mutex(name.c_str());
    taken = mutex.IsValid() && mutex.Acquire(ms);
  });
  other.join();
  return taken;
}

TEST(PlatformNamedMutex, ExcludesOtherHoldersUntilReleased) {
  std::string name = UniqueName();
  plat::NamedMutex mutex(name.c_str());
  ASSERT_TRUE(mutex.IsValid());
  ASSERT_TRUE(mutex.Acquire(0));
  EXPECT_FALSE(OtherThreadAcquires(name, 0));
  EXPECT_FALSE(OtherThreadAcquires(name, 50));
  mutex.Release();
  EXPECT_TRUE(OtherThreadAcquires(name, 0));
  EXPECT_TRUE(mutex.Acquire(1000)) << "the other holder released it when it went";
}

TEST(PlatformNamedMutex, DestructorReleases) {
  std::string name = UniqueName();
  {
    plat::NamedMutex mutex(name.c_str());
    ASSERT_TRUE(mutex.Acquire(0));
  }
  EXPECT_TRUE(OtherThreadAcquires(name, 0));
}

// The date and time a count of seconds since 2000 names, back and forth, at
// the edges of months, leap days and years.
TEST(PlatformCalendar, LocalTimeAtIsTheInverseOfSecondsSince2000) {
  const plat::LocalTime cases[] = {
      {2000, 1, 6, 1, 0, 0, 0, 0},     {2000, 2, 2, 29, 23, 59, 59, 0}, {2000, 3, 3, 1, 0, 0, 0, 0},
      {2000, 12, 0, 31, 23, 59, 59, 0}, {2001, 1, 1, 1, 0, 0, 0, 0},     {2001, 3, 4, 1, 12, 30, 5, 0},
      {2024, 2, 4, 29, 6, 7, 8, 0},    {2099, 12, 4, 31, 23, 59, 59, 0},
  };
  for (const plat::LocalTime& t : cases) {
    const plat::LocalTime back = plat::LocalTimeAt(plat::SecondsSince2000(t));
    EXPECT_EQ(std::vector<int>({t.year, t.month, t.dayOfWeek, t.day, t.hour, t.minute, t.second}),
              std::vector<int>({back.year, back.month, back.dayOfWeek, back.day, back.hour, back.minute, back.second}))
        << t.year << "-" << t.month << "-" << t.day;
  }
}

}  // namespace
