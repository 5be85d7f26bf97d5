#include "line_writer.h"

#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

namespace {

constexpr unsigned kPiecePauseUs = 20000;
// Bytes a line would drop or a noisy cable would add; none of them is a control byte of the protocol.
const char kNoise[] = {'\0', 'A', '\x7F', '\xFF', ' ', '\x03'};

}  // namespace

bool LineWriter::WriteAll(const std::string& bytes) {
  const unsigned byteUs = m_options.baud > 0 ? 10000000u / m_options.baud : 0;
  size_t step = byteUs ? 1 : bytes.size();
  // Paced from the first byte on, so that the time of the writes is not added to the bytes' own.
  const auto start = std::chrono::steady_clock::now();
  for (size_t done = 0; done < bytes.size();) {
    if (m_stop) return false;
    ssize_t n = write(m_fd, bytes.data() + done, std::min(step, bytes.size() - done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      std::fprintf(stderr, "tavo_sim: write: %s\n", std::strerror(errno));
      return false;
    }
    done += static_cast<size_t>(n);
    if (byteUs) std::this_thread::sleep_until(start + std::chrono::microseconds(byteUs * done));
  }
  return true;
}

bool LineWriter::Send(const std::string& answer, bool late) {
  if (late && m_options.lateMs > 0) usleep(m_options.lateMs * 1000u);
  std::string noise;
  for (int i = 0; i < m_options.noise; ++i) noise += kNoise[i % sizeof kNoise];
  if (!WriteAll(noise)) return false;
  const size_t pieces = static_cast<size_t>(m_options.pieces);
  const size_t size = (answer.size() + pieces - 1) / pieces;
  for (size_t at = 0; at < answer.size(); at += size) {
    if (at > 0) usleep(kPiecePauseUs);
    if (!WriteAll(answer.substr(at, size))) return false;
  }
  return true;
}
