// The serial port through the Win32 communications functions, with
// synchronous (non-overlapped) I/O. Close waits for a read under way to end
// (within its 200 ms time-out) before the handle is closed, so a read never
// uses a closed or reused handle.
#include <windows.h>

#include <condition_variable>
#include <mutex>

#include "platform/serial_port.h"

namespace plat {
namespace {

constexpr DWORD kQueueSize = 4096;
constexpr DWORD kReadTimeoutMs = 200;
constexpr DWORD kWriteTimeoutMs = 1000;

// Every DCB field set, so nothing a previous program left (flow control,
// abort on error, Xon/Xoff limits) stays in force.
void FillDcb(DCB& dcb, const LineSettings& s) {
  ZeroMemory(&dcb, sizeof dcb);
  dcb.DCBlength = sizeof dcb;
  dcb.BaudRate = s.baudRate;
  dcb.fBinary = TRUE;
  dcb.fParity = s.parity != NOPARITY;
  dcb.fOutxCtsFlow = FALSE;
  dcb.fOutxDsrFlow = FALSE;
  dcb.fDtrControl = DTR_CONTROL_ENABLE;
  dcb.fDsrSensitivity = FALSE;
  dcb.fTXContinueOnXoff = TRUE;
  dcb.fOutX = FALSE;
  dcb.fInX = FALSE;
  dcb.fErrorChar = FALSE;
  dcb.fNull = FALSE;
  dcb.fRtsControl = RTS_CONTROL_ENABLE;
  dcb.fAbortOnError = FALSE;
  dcb.XonLim = kQueueSize / 2;
  dcb.XoffLim = kQueueSize / 4;
  dcb.ByteSize = static_cast<BYTE>(s.dataBits);
  dcb.Parity = static_cast<BYTE>(s.parity);
  dcb.StopBits = static_cast<BYTE>(s.stopBits);
  dcb.XonChar = 0x11;
  dcb.XoffChar = 0x13;
}

// A one-byte read returns after kReadTimeoutMs when nothing comes.
bool SetTimeouts(HANDLE h) {
  COMMTIMEOUTS t = {};
  t.ReadIntervalTimeout = 0;
  t.ReadTotalTimeoutMultiplier = 0;
  t.ReadTotalTimeoutConstant = kReadTimeoutMs;
  t.WriteTotalTimeoutMultiplier = 0;
  t.WriteTotalTimeoutConstant = kWriteTimeoutMs;
  return SetCommTimeouts(h, &t) != 0;
}

bool Configure(HANDLE h, const LineSettings& s) {
  DCB dcb;
  dcb.DCBlength = sizeof dcb;
  if (!SetupComm(h, kQueueSize, kQueueSize) ||
      !PurgeComm(h, PURGE_RXABORT | PURGE_RXCLEAR | PURGE_TXABORT | PURGE_TXCLEAR) ||
      !GetCommState(h, &dcb))
    return false;
  FillDcb(dcb, s);
  return SetCommState(h, &dcb) && SetTimeouts(h);
}

// "COM12" becomes "\\.\COM12": only COM1-COM9 are DOS device names.
std::string DevicePath(const std::string& name) {
  return name.compare(0, 4, "\\\\.\\") == 0 ? name : "\\\\.\\" + name;
}

}  // namespace

struct SerialPort::Impl {
  std::mutex mutex;
  std::condition_variable idle;
  HANDLE handle = INVALID_HANDLE_VALUE;
  int users = 0;          // reads and writes under way
  bool closing = false;

  bool Enter(HANDLE& out) {
    std::lock_guard<std::mutex> lock(mutex);
    if (handle == INVALID_HANDLE_VALUE || closing) return false;
    ++users;
    out = handle;
    return true;
  }
  void Leave() {
    std::lock_guard<std::mutex> lock(mutex);
    if (--users == 0) idle.notify_all();
  }
};

SerialPort::SerialPort() : m_impl(new Impl) {}

SerialPort::~SerialPort() {
  Close();
  delete m_impl;
}

bool SerialPort::Open(const std::string& name, const LineSettings& settings) {
  Close();
  HANDLE h = CreateFileA(DevicePath(name).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  if (!Configure(h, settings)) {
    CloseHandle(h);
    return false;
  }
  std::lock_guard<std::mutex> lock(m_impl->mutex);
  m_impl->handle = h;
  return true;
}

bool SerialPort::IsOpen() const {
  std::lock_guard<std::mutex> lock(m_impl->mutex);
  return m_impl->handle != INVALID_HANDLE_VALUE && !m_impl->closing;
}

ReadResult SerialPort::ReadByte(std::uint8_t& byte) {
  HANDLE h;
  if (!m_impl->Enter(h)) return ReadResult::Failed;
  DWORD got = 0;
  BOOL ok = ReadFile(h, &byte, 1, &got, nullptr);
  bool closing;
  {
    std::lock_guard<std::mutex> lock(m_impl->mutex);
    closing = m_impl->closing;
  }
  m_impl->Leave();
  if (!ok || (closing && got == 0)) return ReadResult::Failed;
  return got == 1 ? ReadResult::Byte : ReadResult::Empty;
}

bool SerialPort::WriteByte(std::uint8_t byte) {
  HANDLE h;
  if (!m_impl->Enter(h)) return false;
  DWORD written = 0;
  BOOL ok = WriteFile(h, &byte, 1, &written, nullptr);
  m_impl->Leave();
  return ok && written == 1;
}

void SerialPort::Close() {
  std::unique_lock<std::mutex> lock(m_impl->mutex);
  if (m_impl->handle == INVALID_HANDLE_VALUE || m_impl->closing) return;
  m_impl->closing = true;
  m_impl->idle.wait(lock, [this] { return m_impl->users == 0; });
  CloseHandle(m_impl->handle);
  m_impl->handle = INVALID_HANDLE_VALUE;
  m_impl->closing = false;
}

}  // namespace plat
