// Cuts the byte stream read from the line into frames. Pure: no port, no
// thread, so it can be tested and fuzzed alone.
//
// Outside a frame only STX, ACK and NAK count: STX opens a reply frame, ACK
// and NAK are whole one-byte frames, anything else is noise and dropped.
// Inside a frame every byte is data (STX, ACK and NAK included) until EOT,
// which ends the frame and is not kept. A frame longer than the capacity is
// never stored past it: its remaining bytes are counted, and the whole frame
// is dropped when it ends, since a cut frame would be taken for a whole one.
// The byte that first does not fit is told at once (Outgrown), so that what
// awaits the frame need not wait for an end that may never come.
#pragma once
#include <cstdint>
#include <vector>

#include "link/control_bytes.h"

enum class FrameStep {
  Open,       // no frame, or a frame still open: keep feeding
  Complete,   // Bytes() holds a whole frame: deliver it, then call Clear
  Outgrown,   // the open frame just outgrew the capacity: it will be dropped
  Dropped     // an oversize frame ended and was dropped
};

class FrameAssembler {
public:
  explicit FrameAssembler(int capacity = kReplyBufferSize);

  FrameStep Feed(std::uint8_t byte);
  // The frame so far (STX or ACK or NAK first, never the EOT).
  const std::uint8_t* Bytes() const { return m_bytes.data(); }
  int Length() const { return static_cast<int>(m_bytes.size()); }
  // True when a frame is open or complete and fits: what Close delivers.
  bool HasDeliverable() const { return !m_bytes.empty() && m_overflow == 0; }
  void Clear();

private:
  int m_capacity;
  std::vector<std::uint8_t> m_bytes;
  long m_overflow = 0;   // bytes of the open frame that did not fit
};
