// A serial port at the byte level. CSerial and its receiver thread sit on top.
//
// Threads: Open and Close on the GUI thread; ReadByte on the receiver thread
// only; WriteByte on the GUI thread only. ReadByte and WriteByte may run at the
// same time. Close may be called while ReadByte waits: the read then ends
// within its time-out.
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

class SerialPort {
public:
  SerialPort();
  ~SerialPort();   // closes the port
  SerialPort(const SerialPort&) = delete;
  SerialPort& operator=(const SerialPort&) = delete;

  // Opens the port named `name` ("COM3", "COM12" on Windows, where ports from
  // COM10 up are opened as \\.\COMn; a device path on POSIX), with 4096-byte
  // queues, no flow control, both queues purged, and reads that wait at most
  // about 200 ms for a byte. False when the port cannot be opened or the line
  // settings are refused; the port is then closed.
  bool Open(const std::string& name, const LineSettings& settings);
  bool IsOpen() const;

  // Reads one byte. Byte: `byte` holds it. Empty: nothing arrived within the
  // read time-out. Failed: the read failed (the device is gone, or the port is closed).
  ReadResult ReadByte(std::uint8_t& byte);

  // Writes one byte. False when the port did not take it within about 1 s.
  bool WriteByte(std::uint8_t byte);

  void Close();

private:
  struct Impl;
  Impl* m_impl;
};

}  // namespace plat
