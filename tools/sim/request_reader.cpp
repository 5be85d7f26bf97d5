#include "request_reader.h"

std::vector<std::string> RequestReader::Feed(const std::string& bytes) {
  std::vector<std::string> frames;
  for (char c : bytes) {
    if (c == '\x02') m_frame.clear();
    if (m_frame.empty() && c != '\x02') continue;
    m_frame += c;
    if (c == '\x03') {
      frames.push_back(m_frame);
      m_frame.clear();
    }
  }
  return frames;
}
