// File writing of the POSIX build: open(2) and write(2).
#include "platform/out_file.h"

#include <fcntl.h>
#include <unistd.h>

#include "platform/posix/mbcs.h"

namespace plat {

struct OutFile::Impl {
  int fd = -1;
};

OutFile::OutFile() : m_impl(new Impl) {}

OutFile::~OutFile() {
  Close();
  delete m_impl;
}

bool OutFile::Create(const std::string& path) {
  Close();
  m_impl->fd = open(mbcs::ToSlashes(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  return m_impl->fd >= 0;
}

bool OutFile::CreateNew(const std::string& path) {
  Close();
  m_impl->fd = open(mbcs::ToSlashes(path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  return m_impl->fd >= 0;
}

bool OutFile::IsOpen() const { return m_impl->fd >= 0; }

bool OutFile::Write(const std::string& bytes) {
  if (m_impl->fd < 0) return false;
  ssize_t written = write(m_impl->fd, bytes.data(), bytes.size());
  return written >= 0 && static_cast<std::size_t>(written) == bytes.size();
}

bool OutFile::Close() {
  if (m_impl->fd < 0) return true;
  int result = close(m_impl->fd);
  m_impl->fd = -1;
  return result == 0;
}

}  // namespace plat
