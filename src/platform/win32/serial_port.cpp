// The serial port through the Win32 communications functions, with
// overlapped I/O and one event per direction: Windows serialises synchronous
// reads and writes on one handle, so a byte written while the receiver waits
// in its read would wait for that read's time-out. Close signals a stop event
// that ends a waiting read at once (the read is cancelled), then waits for the
// read to leave before the handle is closed, so a read never uses a closed or
// reused handle.
#include <windows.h>


#include "platform/files.h"
#include "platform/port_gate.h"
#include "platform/serial_port.h"

namespace plat {
namespace {

constexpr DWORD kQueueSize = 2048;
constexpr DWORD kReadTimeoutMs = 200;
constexpr DWORD kWriteTimeoutMs = 200;
// How long a wait on an overlapped operation may last beyond its own time-out
// before it is cancelled: a driver that ignores the time-outs cannot hang us.
constexpr DWORD kOverlapGraceMs = 2000;

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
  t.ReadIntervalTimeout = kReadTimeoutMs;
  t.ReadTotalTimeoutMultiplier = 0;
  t.ReadTotalTimeoutConstant = kReadTimeoutMs;
  t.WriteTotalTimeoutMultiplier = kWriteTimeoutMs;
  t.WriteTotalTimeoutConstant = 0;
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

// Waits for an overlapped operation started on `h`: true with its byte count
// when it completed, false when it failed, was cancelled or `stop` came first.
bool FinishOverlapped(HANDLE h, OVERLAPPED& ov, HANDLE stop, DWORD timeoutMs, DWORD& count) {
  HANDLE events[2] = {ov.hEvent, stop};
  DWORD waited = WaitForMultipleObjects(stop ? 2 : 1, events, FALSE, timeoutMs + kOverlapGraceMs);
  if (waited != WAIT_OBJECT_0) CancelIo(h);   // issued by this thread: cancelled here
  // After a cancel this waits for the driver to give the buffer back.
  BOOL done = GetOverlappedResult(h, &ov, &count, TRUE);
  // Wine ends a read that met its time-out with an error, Windows with no bytes.
  if (!done && GetLastError() == ERROR_TIMEOUT) done = TRUE;
  return done && waited == WAIT_OBJECT_0;
}

}  // namespace

struct SerialPort::Impl {
  std::string openError;
  PortGate<HANDLE> gate{INVALID_HANDLE_VALUE};
  HANDLE readDone = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE writeDone = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE stop = CreateEventA(nullptr, TRUE, FALSE, nullptr);   // set by Close

  ~Impl() {
    for (HANDLE e : {readDone, writeDone, stop})
      if (e) CloseHandle(e);
  }
};

SerialPort::SerialPort() : m_impl(new Impl) {}

SerialPort::~SerialPort() {
  Close();
  delete m_impl;
}

bool SerialPort::Open(const std::string& name, const LineSettings& settings) {
  Close();
  m_impl->openError.clear();
  if (!m_impl->readDone || !m_impl->writeDone || !m_impl->stop) {
    m_impl->openError = "no events for the port";
    return false;
  }
  HANDLE h = CreateFileA(DevicePath(name).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OVERLAPPED, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    m_impl->openError = LastErrorText();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)   // not "the file was not found"
      m_impl->openError = "no such port (tavo-cli.exe ports lists the ports there are)";
    if (error == ERROR_ACCESS_DENIED) m_impl->openError += " (busy: another program may hold it)";
    return false;
  }
  if (!Configure(h, settings)) {
    m_impl->openError = "the port refuses the line settings (BaudRate, Parity, StopBits, DataBits): " + LastErrorText();
    CloseHandle(h);
    return false;
  }
  ResetEvent(m_impl->stop);
  m_impl->gate.Open(h);
  return true;
}

bool SerialPort::IsOpen() const { return m_impl->gate.IsOpen(); }

const std::string& SerialPort::OpenError() const { return m_impl->openError; }

ReadResult SerialPort::ReadByte(std::uint8_t& byte) {
  HANDLE h;
  if (!m_impl->gate.Enter(h)) return ReadResult::Failed;
  OVERLAPPED ov = {};
  ov.hEvent = m_impl->readDone;
  ResetEvent(ov.hEvent);
  DWORD got = 0;
  bool ok = ReadFile(h, &byte, 1, &got, &ov) != 0;
  if (!ok && GetLastError() == ERROR_IO_PENDING)
    ok = FinishOverlapped(h, ov, m_impl->stop, kReadTimeoutMs, got);
  m_impl->gate.Leave();
  if (!ok) return ReadResult::Failed;
  return got == 1 ? ReadResult::Byte : ReadResult::Empty;
}

WriteResult SerialPort::WriteByte(std::uint8_t byte) {
  HANDLE h;
  if (!m_impl->gate.Enter(h)) return WriteResult::Failed;
  OVERLAPPED ov = {};
  ov.hEvent = m_impl->writeDone;
  ResetEvent(ov.hEvent);
  DWORD written = 0;
  bool ok = WriteFile(h, &byte, 1, &written, &ov) != 0;
  if (!ok && GetLastError() == ERROR_IO_PENDING)
    ok = FinishOverlapped(h, ov, nullptr, kWriteTimeoutMs, written);
  m_impl->gate.Leave();
  if (!ok) return WriteResult::Failed;
  return written == 1 ? WriteResult::Written : WriteResult::NotTaken;
}

void SerialPort::Close() {
  HANDLE stop = m_impl->stop;
  m_impl->gate.Close([stop] { SetEvent(stop); },   // a waiting read is cancelled and returns Failed
                     [](HANDLE h) { CloseHandle(h); });
}

}  // namespace plat
