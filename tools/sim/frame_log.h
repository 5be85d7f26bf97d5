// The log of the frames the simulator received: one line per frame, the
// local time with milliseconds, then the bytes in hex ("09:07:05.123 02 24 51 03").
#pragma once
#include <cstdio>
#include <string>

class FrameLog {
public:
  explicit FrameLog(const std::string& path);   // empty: no log
  ~FrameLog();
  bool IsBroken() const { return m_broken; }    // the file could not be opened
  void Write(const std::string& frame);

private:
  std::FILE* m_file = nullptr;
  bool m_broken = false;
};

std::string HexBytes(const std::string& bytes);
