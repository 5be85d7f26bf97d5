// A serial port at the byte level. CSerial and its receiver thread sit on top.
//
// Threads: a port has an owner thread, which opens it, writes to it
// (WriteByte) and closes it: the thread of the link above it (the GUI thread
// of TAVO.exe; in tavo-cli the thread serving that port, one per port when
// several are served side by side). ReadByte runs on the link's receiver
// thread only. ReadByte and WriteByte may run at the same time and never wait
// for each other. Close may be called while ReadByte waits: the read then ends
// at once with Failed. Two ports share nothing and may run on any threads at once.
//
// After Open the line is in a known state whatever a previous program left:
// the given speed, data bits, parity and stop bits, binary, no hardware or
// software flow control, DTR and RTS on, no abort on error, no null stripping
// and no error-character replacement. The port is held exclusively: a second
// Open of the same device, by this or another process, fails.
#pragma once
#include <cstdint>
#include <string>

namespace plat {

// Line settings, with the codes of the Win32 DCB.
struct LineSettings {
  int baudRate;   // bit/s
  int parity;     // 0 none, 1 odd, 2 even, 3 mark, 4 space
  int stopBits;   // 0 one, 1 one and a half, 2 two
  int dataBits;   // 5-8
};

enum class ReadResult { Byte, Empty, Failed };

// Written: the port took the byte. NotTaken: it did not within the write
// time-out (about 200 ms); the byte may be offered again. Failed: the write
// failed (the device is gone, or the port is closed).
enum class WriteResult { Written, NotTaken, Failed };

class SerialPort {
public:
  SerialPort();
  ~SerialPort();   // closes the port
  SerialPort(const SerialPort&) = delete;
  SerialPort& operator=(const SerialPort&) = delete;

  // Opens the port named `name` ("COM3", "COM12" on Windows, where every port
  // is opened as \\.\COMn, since only COM1-COM9 are DOS device names; a device
  // path or a name in the port directory on POSIX), with 2048-byte queues,
  // both queues purged, and reads that wait at most about 200 ms for a byte.
  // False when the port cannot be opened, is already open, or the line
  // settings are refused; the port is then closed.
  bool Open(const std::string& name, const LineSettings& settings);
  bool IsOpen() const;
  // Why the last Open failed, in words: the system's reason (no such port,
  // permission denied, busy, line settings refused), with a hint where one
  // helps. Empty after an Open that succeeded.
  const std::string& OpenError() const;

  // Reads one byte. Byte: `byte` holds it. Empty: nothing arrived within the
  // read time-out. Failed: the read failed (the device is gone, or the port is closed).
  ReadResult ReadByte(std::uint8_t& byte);

  // Writes one byte, waiting at most about 200 ms for the port to take it.
  WriteResult WriteByte(std::uint8_t byte);

  void Close();

private:
  struct Impl;
  Impl* m_impl;
};

}  // namespace plat
