#include "cli/dry_run_port.h"

#include "link/control_bytes.h"
#include "platform/clock.h"

plat::ReadResult DryRunPort::ReadByte(std::uint8_t& byte) {
  {
    std::lock_guard<std::mutex> guard(m_lock);
    if (!m_answers.empty()) {
      byte = m_answers.front();
      m_answers.pop_front();
      return plat::ReadResult::Byte;
    }
  }
  plat::SleepMs(1);   // as a serial port's read waits a little for a byte
  return plat::ReadResult::Empty;
}

plat::WriteResult DryRunPort::WriteByte(std::uint8_t byte) {
  std::lock_guard<std::mutex> guard(m_lock);
  m_frame += static_cast<char>(byte);
  if (byte == kEtx) {
    m_frames->push_back(m_frame);
    m_frame.clear();
    m_answers.push_back(kAck);
  }
  return plat::WriteResult::Written;
}
