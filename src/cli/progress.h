// The progress of a memory download on standard error: records and bytes
// received so far, the time since the request and the rate, on one line
// redrawn in place. Shown only when standard error is a terminal.
#pragma once
#include <atomic>
#include <thread>

class CSerial;

class DownloadProgress {
public:
  explicit DownloadProgress(const CSerial& link);
  ~DownloadProgress();   // ends the line
  DownloadProgress(const DownloadProgress&) = delete;
  DownloadProgress& operator=(const DownloadProgress&) = delete;

private:
  void Run();
  void Draw(unsigned long long elapsedMs);

  const CSerial& m_link;
  std::atomic<bool> m_running{true};
  int m_lastBytes = 0;
  std::thread m_thread;
};
