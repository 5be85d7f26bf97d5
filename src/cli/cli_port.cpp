#include "cli/cli_port.h"

#include <cstdio>
#include <string>

#include "link/control_bytes.h"
#include "platform/console.h"
#include "platform/clock.h"

namespace {

// A byte as the trace shows it: printable ASCII as itself, the rest named or in hex.
std::string TraceText(std::uint8_t byte) {
  switch (byte) {
    case kStx: return "<STX>";
    case kEtx: return "<ETX>";
    case kEot: return "<EOT>";
    case kAck: return "<ACK>";
    case kNak: return "<NAK>";
    default: break;
  }
  if (byte >= 0x20 && byte < 0x7F) return std::string(1, static_cast<char>(byte));
  char hex[8];
  std::snprintf(hex, sizeof hex, "<%02X>", byte);
  return hex;
}

// The bytes of one direction, printed a frame at a time: up to the byte that
// ends a frame, or alone for an acknowledgement outside a frame.
class Direction {
public:
  // `port`: the port's name and a space before the arrow, or empty.
  Direction(const char* arrow, const std::string& port) : m_arrow(arrow), m_port(port) {}
  void Take(std::uint8_t byte) {
    const bool alone = m_frame.empty() && (byte == kAck || byte == kNak);
    m_frame += TraceText(byte);
    if (alone || byte == kEtx || byte == kEot) Flush();
  }
  void Flush() {
    if (m_frame.empty()) return;
    const plat::LocalTime t = plat::GetLocalTime();
    std::fprintf(stderr, "%02d:%02d:%02d.%03d %s%s %s\n", t.hour, t.minute, t.second, t.millisecond, m_port.c_str(),
                 m_arrow, m_frame.c_str());
    std::fflush(stderr);
    m_frame.clear();
  }

private:
  const char* m_arrow;
  const std::string& m_port;
  std::string m_frame;
};

class CliPort : public LinePort {
public:
  CliPort(bool trace, bool namePort, std::shared_ptr<std::string> openError)
      : m_trace(trace), m_namePort(namePort), m_openError(std::move(openError)) {}
  bool Open(const std::string& name, const plat::LineSettings& settings) override {
    if (m_namePort && m_portName.empty()) m_portName = plat::FromArgument(name) + " ";
    const bool opened = m_port->Open(name, settings);
    *m_openError = opened ? "" : m_port->OpenError();
    return opened;
  }
  plat::ReadResult ReadByte(std::uint8_t& byte) override {   // the receiver thread only
    const plat::ReadResult result = m_port->ReadByte(byte);
    if (m_trace && result == plat::ReadResult::Byte) m_received.Take(byte);
    return result;
  }
  plat::WriteResult WriteByte(std::uint8_t byte) override {   // the thread serving the port only
    const plat::WriteResult result = m_port->WriteByte(byte);
    if (m_trace && result == plat::WriteResult::Written) m_sent.Take(byte);
    return result;
  }
  void Close() override {
    m_port->Close();
    m_sent.Flush();   // a frame cut off is shown as far as it went
  }
  std::string OpenError() const override { return m_port->OpenError(); }

private:
  const bool m_trace, m_namePort;
  std::string m_portName;   // set before the receiver starts
  std::shared_ptr<std::string> m_openError;
  std::unique_ptr<LinePort> m_port = MakeSystemPort();
  Direction m_sent{">", m_portName}, m_received{"<", m_portName};
};

}  // namespace

std::unique_ptr<LinePort> MakeCliPort(bool trace, bool namePort, std::shared_ptr<std::string> openError) {
  return std::make_unique<CliPort>(trace, namePort, std::move(openError));
}
