// Synchronisation of the POSIX build: std::mutex for the in-process objects,
// flock() on a file in the temporary directory for the named mutex.
#include "platform/sync.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace plat {

struct Event::Impl {
  std::mutex mutex;
  std::condition_variable cv;
  bool signalled = false;
};

Event::Event() : m_impl(new Impl) {}
Event::~Event() { delete m_impl; }

void Event::Set() {
  std::lock_guard<std::mutex> lock(m_impl->mutex);
  m_impl->signalled = true;
  m_impl->cv.notify_one();
}

void Event::Reset() {
  std::lock_guard<std::mutex> lock(m_impl->mutex);
  m_impl->signalled = false;
}

bool Event::Wait(unsigned ms) {
  std::unique_lock<std::mutex> lock(m_impl->mutex);
  if (!m_impl->cv.wait_for(lock, std::chrono::milliseconds(ms), [this] { return m_impl->signalled; }))
    return false;
  m_impl->signalled = false;
  return true;
}

struct Lock::Impl {
  std::mutex mutex;
};

Lock::Lock() : m_impl(new Impl) {}
Lock::~Lock() { delete m_impl; }
void Lock::Acquire() { m_impl->mutex.lock(); }
void Lock::Release() { m_impl->mutex.unlock(); }

struct NamedMutex::Impl {
  int fd = -1;
  bool held = false;
};

namespace {

// The lock file: the name with path separators replaced, in $TMPDIR or /tmp.
std::string LockPath(const char* name) {
  const char* tmp = std::getenv("TMPDIR");
  std::string path = (tmp && *tmp) ? tmp : "/tmp";
  path += "/";
  for (const char* p = name; *p; ++p) path += (*p == '/' || *p == '\\') ? '_' : *p;
  return path + ".lock";
}

}  // namespace

NamedMutex::NamedMutex(const char* name) : m_impl(new Impl) {
  m_impl->fd = open(LockPath(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
}

NamedMutex::~NamedMutex() {
  Release();
  if (m_impl->fd >= 0) close(m_impl->fd);
  delete m_impl;
}

bool NamedMutex::IsValid() const { return m_impl->fd >= 0; }

// flock() has no time-out: poll for the lock until the time is up.
bool NamedMutex::Acquire(unsigned ms) {
  if (m_impl->fd < 0) return false;
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (flock(m_impl->fd, LOCK_EX | LOCK_NB) != 0) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  m_impl->held = true;
  return true;
}

void NamedMutex::Release() {
  if (!m_impl->held) return;
  flock(m_impl->fd, LOCK_UN);
  m_impl->held = false;
}

}  // namespace plat
