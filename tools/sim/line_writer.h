// Sends the simulator's answers the way a slow or noisy instrument would:
// late, after noise bytes, in pieces, and paced at a baud rate.
#pragma once
#include <csignal>
#include <string>

#include "options.h"

class LineWriter {
public:
  // `stop` set (by a signal) ends an answer where it is: a long paced answer
  // does not keep the simulator from ending.
  LineWriter(int fd, const SimOptions& options, const volatile sig_atomic_t& stop)
      : m_fd(fd), m_options(options), m_stop(stop) {}
  // False when the line refused the bytes (the message is on stderr), or
  // when `stop` ended the answer.
  // `late`: after the --late pause.
  bool Send(const std::string& answer, bool late = true);

private:
  bool WriteAll(const std::string& bytes);
  int m_fd;
  const SimOptions& m_options;
  const volatile sig_atomic_t& m_stop;
};
