// A port for link tests: bytes "from the instrument" are queued by the test or
// by an answering function called for each frame the link writes; reads and
// writes can be made to fail or be refused.
#pragma once
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "link/line_port.h"

// The line settings of the tests on this port: a TimeOut of 250 ms, since under
// a sanitizer on a busy machine an answer once took more than 100.
inline constexpr int kFakePortTimeOutMs = 250;
inline constexpr char kFakePortComm[] = "[COMM]\r\nTimeOut=250\r\nSendDelay=0\r\nSleepTime=0\r\n";

class FakePort : public LinePort {
public:
  // Given each frame the link wrote (STX up to ETX), returns the bytes to answer.
  using Answer = std::function<std::string(const std::string& frame)>;

  explicit FakePort(Answer answer = nullptr) : m_answer(std::move(answer)) {}
  ~FakePort() override;

  bool Open(const std::string&, const plat::LineSettings&) override;
  plat::ReadResult ReadByte(std::uint8_t& byte) override;
  plat::WriteResult WriteByte(std::uint8_t byte) override;
  void Close() override;

  void Arrive(const std::string& bytes);     // queued for the receiver
  bool WaitUntilRead(unsigned ms);           // true once every queued byte was read
  std::string Written();                     // every byte written so far
  int Frames();                              // frames written so far

  std::atomic<bool> readsFail{false};
  std::atomic<plat::WriteResult> writeResult{plat::WriteResult::Written};
  std::atomic<long> reads{0};
  std::atomic<int> writeAttempts{0};   // every WriteByte, refused and failed ones included
  // Bytes that arrive once each frame's first byte is written; the link has
  // taken them (and gone back to reading) before its next byte is written.
  std::string duringFrame;
  // The answer to each frame arrives this many ms after the frame's last byte.
  unsigned lateMs = 0;

private:
  void ArriveAndWaitUntilTaken(const std::string& bytes);

  Answer m_answer;
  std::mutex m_mutex;
  std::condition_variable m_changed;
  std::string m_incoming;
  std::string m_written;
  std::string m_frame;
  int m_frames = 0;
  bool m_open = false;
  std::vector<std::thread> m_lateAnswers;
};
