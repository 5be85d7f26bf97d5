// The serial port of the POSIX build: a non-blocking tty descriptor in raw
// mode, held exclusively, with poll() for the read and write time-outs. A read
// takes every byte that has come in (up to kReadAhead) in one call and hands
// them out one by one, so that a busy receiver does not pay two system calls
// a byte. A pipe
// beside the port in poll() lets Close wake a waiting read at once; Close then
// waits for the read to leave before the descriptor is closed, so a read never
// touches a reused descriptor number.
#include "platform/serial_port.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/port_gate.h"
#include "platform/posix/device_path.h"

namespace plat {
namespace {

constexpr int kReadTimeoutMs = 200;
constexpr int kWriteTimeoutMs = 200;
constexpr size_t kReadAhead = 256;

bool ToSpeed(int baudRate, speed_t& speed) {
  static const struct { int rate; speed_t speed; } table[] = {
      {300, B300},     {600, B600},     {1200, B1200},     {2400, B2400},   {4800, B4800},
      {9600, B9600},   {19200, B19200}, {38400, B38400},   {57600, B57600}, {115200, B115200},
      {230400, B230400}};
  for (const auto& entry : table)
    if (entry.rate == baudRate) {
      speed = entry.speed;
      return true;
    }
  return false;
}

// Raw mode with the given line settings and no flow control of any kind.
bool Configure(int fd, const LineSettings& s) {
  termios tio;
  speed_t speed;
  if (tcgetattr(fd, &tio) != 0 || !ToSpeed(s.baudRate, speed)) return false;
  if (s.dataBits < 5 || s.dataBits > 8 || s.parity < 0 || s.parity > 4) return false;
  cfmakeraw(&tio);
  tio.c_iflag &= ~(IXON | IXOFF | IXANY);
  tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
  static const tcflag_t sizes[] = {CS5, CS6, CS7, CS8};
  tio.c_cflag |= sizes[s.dataBits - 5] | CLOCAL | CREAD;
  if (s.parity != 0) tio.c_cflag |= PARENB;
  if (s.parity == 1 || s.parity == 3) tio.c_cflag |= PARODD;
  if (s.parity >= 3) tio.c_cflag |= CMSPAR;
  if (s.stopBits != 0) tio.c_cflag |= CSTOPB;
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 0;
  cfsetispeed(&tio, speed);
  cfsetospeed(&tio, speed);
  return tcsetattr(fd, TCSANOW, &tio) == 0;
}

// Keeps every other open of the device out, as Windows does: TIOCEXCL for
// other processes without privileges, and a lock on the device for everyone.
bool TakeExclusively(int fd) {
  return ioctl(fd, TIOCEXCL) == 0 && flock(fd, LOCK_EX | LOCK_NB) == 0;
}

// The reason open() of a port failed, with a hint for the usual cause of a refusal on Linux.
std::string OpenFailure(int error) {
  std::string reason = std::strerror(error);
  if (error == EACCES || error == EPERM)
    reason += " (on Linux the serial ports belong to the group dialout: sudo usermod -aG dialout $USER, then log in again)";
  if (error == EBUSY) reason += " (another program holds it)";
  return reason;
}

}  // namespace

struct SerialPort::Impl {
  std::string openError;
  PortGate<int> gate{-1};
  int wake[2] = {-1, -1};   // a byte in it ends a waiting read at once
  // Bytes read but not yet handed out; the receiver thread's alone, inside the gate.
  std::uint8_t ahead[kReadAhead] = {};
  size_t aheadAt = 0, aheadEnd = 0;
};

SerialPort::SerialPort() : m_impl(new Impl) {}

SerialPort::~SerialPort() {
  Close();
  delete m_impl;
}

bool SerialPort::Open(const std::string& name, const LineSettings& settings) {
  Close();
  std::string& failure = m_impl->openError;
  failure.clear();
  int fd = open(DevicePath(name).c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    failure = OpenFailure(errno);
    return false;
  }
  int wake[2];
  if (!isatty(fd)) failure = "not a serial port";
  else if (!TakeExclusively(fd)) failure = "busy: another program holds it";
  else if (!Configure(fd, settings)) failure = "the port refuses the line settings (BaudRate, Parity, StopBits, DataBits)";
  else if (pipe2(wake, O_CLOEXEC | O_NONBLOCK) != 0) failure = std::strerror(errno);
  if (!failure.empty()) {
    close(fd);
    return false;
  }
  int lines = TIOCM_DTR | TIOCM_RTS;
  ioctl(fd, TIOCMBIS, &lines);   // refused by a pty: nothing to do then
  tcflush(fd, TCIOFLUSH);
  m_impl->wake[0] = wake[0];
  m_impl->wake[1] = wake[1];
  m_impl->aheadAt = m_impl->aheadEnd = 0;
  m_impl->gate.Open(fd);
  return true;
}

bool SerialPort::IsOpen() const { return m_impl->gate.IsOpen(); }

const std::string& SerialPort::OpenError() const { return m_impl->openError; }

ReadResult SerialPort::ReadByte(std::uint8_t& byte) {
  int fd;
  if (!m_impl->gate.Enter(fd)) return ReadResult::Failed;
  Impl& in = *m_impl;
  ReadResult result = ReadResult::Empty;
  if (in.aheadAt < in.aheadEnd) {
    byte = in.ahead[in.aheadAt++];
    m_impl->gate.Leave();
    return ReadResult::Byte;
  }
  pollfd fds[2] = {{fd, POLLIN, 0}, {in.wake[0], POLLIN, 0}};
  int ready = poll(fds, 2, kReadTimeoutMs);
  if (ready < 0) {
    result = errno == EINTR ? ReadResult::Empty : ReadResult::Failed;
  } else if (fds[1].revents != 0) {
    result = ReadResult::Failed;   // Close is waiting for us
  } else if (fds[0].revents & POLLIN) {
    ssize_t n = read(fd, in.ahead, sizeof in.ahead);
    if (n > 0) {
      in.aheadAt = 1;
      in.aheadEnd = static_cast<size_t>(n);
      byte = in.ahead[0];
      result = ReadResult::Byte;
    } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
      result = ReadResult::Failed;
    } else if (n == 0 && (fds[0].revents & POLLHUP)) {
      result = ReadResult::Failed;
    }
  } else if (fds[0].revents != 0) {
    result = ReadResult::Failed;   // hang-up or error without data: the device is gone
  }
  m_impl->gate.Leave();
  return result;
}

WriteResult SerialPort::WriteByte(std::uint8_t byte) {
  int fd;
  if (!m_impl->gate.Enter(fd)) return WriteResult::Failed;
  pollfd pfd = {fd, POLLOUT, 0};
  WriteResult result = WriteResult::NotTaken;
  int ready = poll(&pfd, 1, kWriteTimeoutMs);
  if (ready < 0) {
    if (errno != EINTR) result = WriteResult::Failed;
  } else if (ready == 1 && (pfd.revents & POLLOUT)) {
    ssize_t n = write(fd, &byte, 1);
    if (n == 1) result = WriteResult::Written;
    else if (n < 0 && errno != EAGAIN && errno != EINTR) result = WriteResult::Failed;
  } else if (ready == 1) {
    result = WriteResult::Failed;   // hang-up or error: the device is gone
  }
  m_impl->gate.Leave();
  return result;
}

void SerialPort::Close() {
  int* wake = m_impl->wake;
  m_impl->gate.Close(
      [wake] {
        char c = 0;
        if (write(wake[1], &c, 1) < 0) { /* a full pipe wakes as well */ }
      },
      [wake](int fd) {
        ioctl(fd, TIOCNXCL);   // the next Open may take the device again
        close(fd);
        close(wake[0]);
        close(wake[1]);
        wake[0] = wake[1] = -1;
      });
}

}  // namespace plat
