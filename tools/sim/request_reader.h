// Cuts the bytes the tool sends into frames: STX up to ETX; bytes outside a
// frame are dropped, and an STX inside a frame starts it again.
#pragma once
#include <string>
#include <vector>

class RequestReader {
public:
  // The frames completed by `bytes`, in order.
  std::vector<std::string> Feed(const std::string& bytes);
  // The frame still coming in (empty outside a frame).
  const std::string& OpenFrame() const { return m_frame; }

private:
  std::string m_frame;   // empty while outside a frame
};
