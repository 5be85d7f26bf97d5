// File writing of the POSIX build: open(2) and write(2).
#include "platform/out_file.h"

#include <errno.h>
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
  // A write cut short (a full disk, a file size limit) is written on, so that
  // the next one fails with the reason.
  for (std::size_t done = 0; done < bytes.size();) {
    const ssize_t written = write(m_impl->fd, bytes.data() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += static_cast<std::size_t>(written);
  }
  return true;
}

bool OutFile::Close() {
  if (m_impl->fd < 0) return true;
  int result = close(m_impl->fd);
  m_impl->fd = -1;
  return result == 0;
}

}  // namespace plat
