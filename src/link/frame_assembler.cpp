#include "link/frame_assembler.h"

FrameAssembler::FrameAssembler(int capacity) : m_capacity(capacity) {
  m_bytes.reserve(capacity);
}

void FrameAssembler::Clear() {
  m_bytes.clear();
  m_overflow = 0;
}

FrameStep FrameAssembler::Feed(std::uint8_t byte) {
  if (m_bytes.empty()) {
    if (byte == kStx) m_bytes.push_back(byte);
    if (byte == kAck || byte == kNak) {
      m_bytes.push_back(byte);
      return FrameStep::Complete;
    }
    return FrameStep::Open;
  }
  if (byte == kEot) {
    if (m_overflow == 0) return FrameStep::Complete;
    Clear();
    return FrameStep::Dropped;
  }
  if (Length() < m_capacity) {
    m_bytes.push_back(byte);
    return FrameStep::Open;
  }
  return m_overflow++ == 0 ? FrameStep::Outgrown : FrameStep::Open;
}
