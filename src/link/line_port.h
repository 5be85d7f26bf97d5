// The port under a link: the system's serial port, or a stand-in in tests.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "platform/serial_port.h"

// The byte-level contract of plat::SerialPort (see there).
class LinePort {
public:
  virtual ~LinePort() = default;
  virtual bool Open(const std::string& name, const plat::LineSettings& settings) = 0;
  virtual plat::ReadResult ReadByte(std::uint8_t& byte) = 0;
  virtual plat::WriteResult WriteByte(std::uint8_t byte) = 0;
  virtual void Close() = 0;
  // Why the last Open failed, in words; empty when it did not.
  virtual std::string OpenError() const { return {}; }
};

// The system's serial port.
std::unique_ptr<LinePort> MakeSystemPort();
