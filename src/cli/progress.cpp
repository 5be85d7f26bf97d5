#include "cli/progress.h"

#include <cstdio>

#include "commands/memory_format.h"
#include "link/serial.h"
#include "platform/clock.h"
#include "platform/console.h"

namespace {
const unsigned kRedrawMs = 200;
}

DownloadProgress::DownloadProgress(const CSerial& link) : m_link(link) {
  if (plat::IsTerminal(plat::Stream::Error)) m_thread = std::thread(&DownloadProgress::Run, this);
}

DownloadProgress::~DownloadProgress() {
  m_running = false;
  if (!m_thread.joinable()) return;
  m_thread.join();
  std::fputs("\n", stderr);
}

void DownloadProgress::Run() {
  const unsigned long long start = plat::MonotonicMs();
  while (m_running) {
    plat::SleepMs(kRedrawMs);
    Draw(plat::MonotonicMs() - start);
  }
}

void DownloadProgress::Draw(unsigned long long elapsedMs) {
  // Between frames the count falls to 0: keep showing the memory frame's last size.
  const int now = m_link.FrameBytesSoFar();
  if (now > 0) m_lastBytes = now;
  const int bytes = m_lastBytes;
  const int records = bytes > 2 ? (bytes - 2) / kMemoryRecordSize : 0;
  const double seconds = static_cast<double>(elapsedMs) / 1000.0;
  const double rate = seconds > 0 ? bytes / seconds : 0.0;
  std::fprintf(stderr, "\r%4d records  %6d bytes  %6.1f s  %6.0f bytes/s ", records, bytes, seconds, rate);
  std::fflush(stderr);
}
