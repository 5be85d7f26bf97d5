// Sends the simulator's answers the way a slow or noisy instrument would:
// late, after noise bytes, in pieces, and paced at a baud rate.
#pragma once
#include <string>

#include "options.h"

class LineWriter {
public:
  LineWriter(int fd, const SimOptions& options) : m_fd(fd), m_options(options) {}
  // False when the line refused the bytes (the message is on stderr).
  // `late`: after the --late pause.
  bool Send(const std::string& answer, bool late = true);

private:
  bool WriteAll(const std::string& bytes);
  int m_fd;
  const SimOptions& m_options;
};
