#include "cli/progress.h"

#include <cstdio>

#include "cli/output.h"
#include "instrument/memory_format.h"
#include "instrument/instrument.h"
#include "platform/clock.h"
#include "platform/console.h"

namespace {
const unsigned kRedrawMs = 200;
}

DownloadProgress::DownloadProgress(const inst::Instrument& instrument)
    : m_instrument(instrument), m_start(plat::MonotonicMs()) {
  if (plat::IsTerminal(plat::Stream::Error) && !Quiet() && !Capturing()) m_thread = std::thread(&DownloadProgress::Run, this);
}

void DownloadProgress::Finish(int frameBytes) { m_finalBytes = frameBytes; }

DownloadProgress::~DownloadProgress() {
  m_running = false;
  if (!m_thread.joinable()) return;
  m_thread.join();
  if (m_finalBytes >= 0) Draw(m_finalBytes);
  std::fputs("\n", stderr);
}

void DownloadProgress::Run() {
  while (m_running) {
    plat::SleepMs(kRedrawMs);
    // Between frames the count falls to 0: keep showing the memory frame's last size.
    const int now = m_instrument.FrameBytesSoFar();
    if (now > 0) m_lastBytes = now;
    Draw(m_lastBytes);
  }
}

void DownloadProgress::Draw(int bytes) {
  const int records = bytes > 2 ? (bytes - 2) / kMemoryRecordSize : 0;   // after STX and the letter
  const double seconds = static_cast<double>(plat::MonotonicMs() - m_start) / 1000.0;
  const double rate = seconds > 0 ? bytes / seconds : 0.0;
  std::fprintf(stderr, "\r%4d records  %6d bytes  %6.1f s  %6.0f bytes/s ", records, bytes, seconds, rate);
  std::fflush(stderr);
}
