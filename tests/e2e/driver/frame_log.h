// The frames the instrument simulator received, from its log: a line per
// frame, its time and then its bytes in hex ("09:00:00.123 02 24 51 03").
#pragma once
#include <string>
#include <vector>

class FrameLogReader {
public:
  explicit FrameLogReader(std::string path) : m_path(std::move(path)) {}
  // The frames logged since the last call (their hex bytes); false when the log cannot be read.
  bool ReadNew(std::vector<std::string>& frames);

private:
  std::string m_path;
  size_t m_seen = 0;
};

// The log's hex of the frame STX `body` ETX (the body in ASCII).
std::string FrameHex(const std::wstring& body);
