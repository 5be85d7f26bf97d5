#include "support/fake_port.h"

#include <chrono>

#include "link/control_bytes.h"

namespace {
constexpr auto kReadWait = std::chrono::milliseconds(20);
constexpr unsigned kTakenWaitMs = 10000;   // only a hung link takes this long
}

FakePort::~FakePort() {
  for (std::thread& answer : m_lateAnswers) answer.join();
}

bool FakePort::Open(const std::string&, const plat::LineSettings&) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_open = true;
  return true;
}

void FakePort::Close() {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_open = false;
  m_changed.notify_all();
}

plat::ReadResult FakePort::ReadByte(std::uint8_t& byte) {
  std::unique_lock<std::mutex> lock(m_mutex);
  ++reads;
  m_changed.notify_all();
  if (!m_open || readsFail) return plat::ReadResult::Failed;
  m_changed.wait_for(lock, kReadWait, [this] { return !m_incoming.empty() || !m_open; });
  if (!m_open) return plat::ReadResult::Failed;
  if (m_incoming.empty()) return plat::ReadResult::Empty;
  byte = static_cast<std::uint8_t>(m_incoming[0]);
  m_incoming.erase(0, 1);
  m_changed.notify_all();
  return plat::ReadResult::Byte;
}

plat::WriteResult FakePort::WriteByte(std::uint8_t byte) {
  ++writeAttempts;
  plat::WriteResult result = writeResult;
  if (result != plat::WriteResult::Written) return result;
  if (byte == kStx && !duringFrame.empty()) ArriveAndWaitUntilTaken(duringFrame);
  std::string answer;
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_written += static_cast<char>(byte);
    if (byte == kStx) m_frame.clear();
    m_frame += static_cast<char>(byte);
    if (byte != kEtx) return result;
    ++m_frames;
    if (!m_answer) return result;
    answer = m_frame;
  }
  if (lateMs == 0) {
    Arrive(m_answer(answer));
  } else {
    m_lateAnswers.emplace_back([this, bytes = m_answer(answer), late = lateMs] {
      std::this_thread::sleep_for(std::chrono::milliseconds(late));
      Arrive(bytes);
    });
  }
  return result;
}

void FakePort::Arrive(const std::string& bytes) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_incoming += bytes;
  m_changed.notify_all();
}

void FakePort::ArriveAndWaitUntilTaken(const std::string& bytes) {
  Arrive(bytes);
  WaitUntilRead(kTakenWaitMs);
  const long readsSoFar = reads;
  std::unique_lock<std::mutex> lock(m_mutex);
  m_changed.wait_for(lock, std::chrono::milliseconds(kTakenWaitMs), [&] { return reads > readsSoFar || !m_open; });
}

bool FakePort::WaitUntilRead(unsigned ms) {
  std::unique_lock<std::mutex> lock(m_mutex);
  return m_changed.wait_for(lock, std::chrono::milliseconds(ms), [this] { return m_incoming.empty(); });
}

std::string FakePort::Written() {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_written;
}

int FakePort::Frames() {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_frames;
}
