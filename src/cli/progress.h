// The progress of a memory download on standard error: records and bytes
// received so far, the time since the request and the rate, on one line
// redrawn in place. Shown only when standard error is a terminal, and not with --quiet.
#pragma once
#include <atomic>
#include <thread>

namespace inst {
class Instrument;
}

class DownloadProgress {
public:
  explicit DownloadProgress(const inst::Instrument& instrument);
  ~DownloadProgress();   // stops redrawing; ends the line (with the final count after Finish)
  DownloadProgress(const DownloadProgress&) = delete;
  DownloadProgress& operator=(const DownloadProgress&) = delete;

  // The download is complete with the memory frame of `frameBytes`: the last
  // line shows it whole.
  void Finish(int frameBytes);

private:
  void Run();
  void Draw(int bytes);

  const inst::Instrument& m_instrument;
  const unsigned long long m_start;
  std::atomic<bool> m_running{true};
  int m_lastBytes = 0;          // drawing thread only, until it is joined
  int m_finalBytes = -1;
  std::thread m_thread;
};
