// The port of a dry run: takes every frame the tool writes, keeps it, and
// answers each setting frame with ACK, so that a write sequence runs as it
// would against an instrument that takes everything, while nothing reaches
// the line.
#pragma once
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "link/line_port.h"

class DryRunPort : public LinePort {
public:
  // The frames written so far are appended to `frames` (shared with the caller).
  explicit DryRunPort(std::shared_ptr<std::vector<std::string>> frames) : m_frames(std::move(frames)) {}

  bool Open(const std::string&, const plat::LineSettings&) override { return true; }
  plat::ReadResult ReadByte(std::uint8_t& byte) override;
  plat::WriteResult WriteByte(std::uint8_t byte) override;
  void Close() override {}

private:
  std::mutex m_lock;
  std::string m_frame;                  // the frame being written
  std::deque<std::uint8_t> m_answers;   // what the instrument would send back
  std::shared_ptr<std::vector<std::string>> m_frames;
};
