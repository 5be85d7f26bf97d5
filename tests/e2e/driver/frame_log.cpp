#include "frame_log.h"

#include <fstream>

bool FrameLogReader::ReadNew(std::vector<std::string>& frames) {
  std::ifstream in(m_path);
  if (!in) return false;
  std::vector<std::string> all;
  std::string line;
  while (std::getline(in, line)) {
    size_t blank = line.find(' ');
    if (blank != std::string::npos) all.push_back(line.substr(blank + 1));
  }
  for (size_t i = m_seen; i < all.size(); ++i) frames.push_back(all[i]);
  m_seen = all.size();
  return true;
}

std::string FrameHex(const std::wstring& body) {
  static const char digits[] = "0123456789ABCDEF";
  std::string hex = "02";
  for (wchar_t c : body) {
    unsigned b = static_cast<unsigned>(c) & 0xFF;
    hex += ' ';
    hex += digits[b >> 4];
    hex += digits[b & 15];
  }
  return hex + " 03";
}
