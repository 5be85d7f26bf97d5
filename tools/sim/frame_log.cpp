#include "frame_log.h"

#include <sys/time.h>

#include <ctime>

std::string HexBytes(const std::string& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char b : bytes) {
    if (!out.empty()) out += ' ';
    out += digits[b >> 4];
    out += digits[b & 15];
  }
  return out;
}

FrameLog::FrameLog(const std::string& path) {
  if (path.empty()) return;
  m_file = std::fopen(path.c_str(), "a");
  m_broken = m_file == nullptr;
}

FrameLog::~FrameLog() {
  if (m_file) std::fclose(m_file);
}

void FrameLog::Write(const std::string& frame) {
  if (!m_file) return;
  timeval now;
  gettimeofday(&now, nullptr);
  std::tm local;
  localtime_r(&now.tv_sec, &local);
  std::fprintf(m_file, "%02d:%02d:%02d.%03ld %s\n", local.tm_hour, local.tm_min, local.tm_sec,
               static_cast<long>(now.tv_usec / 1000), HexBytes(frame).c_str());
  std::fflush(m_file);
}
