// Synchronisation between a link's owner thread and its receiver thread,
// and between instances of the tool.
#pragma once

namespace plat {

// An auto-reset event (as CreateEventA with manual reset off): Set wakes one
// waiter, or the next Wait when nobody waits; a successful Wait resets it.
// Every member may be called from any thread.
class Event {
public:
  Event();
  ~Event();
  Event(const Event&) = delete;
  Event& operator=(const Event&) = delete;
  void Set();
  void Reset();
  // True when the event was signalled within `ms` milliseconds, false on time-out.
  bool Wait(unsigned ms);
private:
  struct Impl;
  Impl* m_impl;
};

// A lock held by one thread at a time (the reply-buffer lock). Not recursive.
class Lock {
public:
  Lock();
  ~Lock();
  Lock(const Lock&) = delete;
  Lock& operator=(const Lock&) = delete;
  void Acquire();
  void Release();
private:
  struct Impl;
  Impl* m_impl;
};

// Holds a Lock for the life of a scope.
class LockGuard {
public:
  explicit LockGuard(Lock& lock) : m_lock(lock) { m_lock.Acquire(); }
  ~LockGuard() { m_lock.Release(); }
  LockGuard(const LockGuard&) = delete;
  LockGuard& operator=(const LockGuard&) = delete;
private:
  Lock& m_lock;
};

// A mutex shared by all processes of the machine under one name (CreateMutexA
// with a name on Windows; a lock file in the temporary directory on POSIX).
class NamedMutex {
public:
  explicit NamedMutex(const char* name);
  ~NamedMutex();            // releases it if held
  NamedMutex(const NamedMutex&) = delete;
  NamedMutex& operator=(const NamedMutex&) = delete;
  bool IsValid() const;     // false when it could not be created
  // True when taken within `ms` milliseconds (an abandoned mutex counts as taken).
  // Take it once and release it on the same thread. It is not recursive on POSIX,
  // where two objects of one name exclude each other even on one thread; on
  // Windows they exclude each other across threads only.
  bool Acquire(unsigned ms);
  void Release();
private:
  struct Impl;
  Impl* m_impl;
};

}  // namespace plat
