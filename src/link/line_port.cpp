#include "link/line_port.h"

namespace {

class SystemPort : public LinePort {
public:
  bool Open(const std::string& name, const plat::LineSettings& settings) override {
    return m_port.Open(name, settings);
  }
  plat::ReadResult ReadByte(std::uint8_t& byte) override { return m_port.ReadByte(byte); }
  plat::WriteResult WriteByte(std::uint8_t byte) override { return m_port.WriteByte(byte); }
  void Close() override { m_port.Close(); }
  std::string OpenError() const override { return m_port.OpenError(); }

private:
  plat::SerialPort m_port;
};

}  // namespace

std::unique_ptr<LinePort> MakeSystemPort() { return std::make_unique<SystemPort>(); }
