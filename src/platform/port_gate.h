// For the serial port implementations: the open handle of a port, lent to
// the reads and writes under way, so that Close can wake them and wait until
// they have left before the handle is closed.
#pragma once
#include <condition_variable>
#include <mutex>

namespace plat {

template <class Handle>
class PortGate {
public:
  explicit PortGate(Handle none) : m_none(none), m_handle(none) {}

  // Lends out `handle` from now on.
  void Open(Handle handle) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_handle = handle;
  }

  bool IsOpen() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_handle != m_none && !m_closing;
  }

  // Registers a read or write and gives it the handle; false when the port
  // is closed or closing. Each true is followed by one Leave.
  bool Enter(Handle& handle) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_handle == m_none || m_closing) return false;
    ++m_users;
    handle = m_handle;
    return true;
  }

  void Leave() {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (--m_users == 0) m_idle.notify_all();
  }

  // Calls `wake` so that the reads and writes under way end, waits until
  // they have left, then calls `release` with the handle. Nothing when the
  // port is not open or another Close is at work.
  template <class Wake, class Release>
  void Close(Wake wake, Release release) {
    std::unique_lock<std::mutex> lock(m_mutex);
    if (m_handle == m_none || m_closing) return;
    m_closing = true;
    wake();
    m_idle.wait(lock, [this] { return m_users == 0; });
    release(m_handle);
    m_handle = m_none;
    m_closing = false;
  }

private:
  const Handle m_none;
  mutable std::mutex m_mutex;
  std::condition_variable m_idle;
  Handle m_handle;
  int m_users = 0;   // reads and writes under way
  bool m_closing = false;
};

}  // namespace plat
