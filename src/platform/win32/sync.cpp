// Synchronisation through Win32 kernel objects.
#include <windows.h>

#include "platform/sync.h"

namespace plat {

struct Event::Impl {
  HANDLE handle;
};

Event::Event() : m_impl(new Impl{CreateEventA(nullptr, FALSE, FALSE, nullptr)}) {}

Event::~Event() {
  if (m_impl->handle) CloseHandle(m_impl->handle);
  delete m_impl;
}

void Event::Set() { SetEvent(m_impl->handle); }
void Event::Reset() { ResetEvent(m_impl->handle); }
bool Event::Wait(unsigned ms) { return WaitForSingleObject(m_impl->handle, ms) == WAIT_OBJECT_0; }

struct Lock::Impl {
  CRITICAL_SECTION section;
};

Lock::Lock() : m_impl(new Impl) { InitializeCriticalSection(&m_impl->section); }

Lock::~Lock() {
  DeleteCriticalSection(&m_impl->section);
  delete m_impl;
}

void Lock::Acquire() { EnterCriticalSection(&m_impl->section); }
void Lock::Release() { LeaveCriticalSection(&m_impl->section); }

struct NamedMutex::Impl {
  HANDLE handle;
  bool held;
};

NamedMutex::NamedMutex(const char* name)
    : m_impl(new Impl{CreateMutexA(nullptr, FALSE, name), false}) {}

NamedMutex::~NamedMutex() {
  Release();
  if (m_impl->handle) CloseHandle(m_impl->handle);
  delete m_impl;
}

bool NamedMutex::IsValid() const { return m_impl->handle != nullptr; }

bool NamedMutex::Acquire(unsigned ms) {
  if (!m_impl->handle) return false;
  DWORD rc = WaitForSingleObject(m_impl->handle, ms);
  if (rc != WAIT_OBJECT_0 && rc != WAIT_ABANDONED) return false;
  m_impl->held = true;
  return true;
}

void NamedMutex::Release() {
  if (!m_impl->held) return;
  ReleaseMutex(m_impl->handle);
  m_impl->held = false;
}

}  // namespace plat
