// File writing through CreateFileA and WriteFile.
#include <windows.h>

#include "platform/out_file.h"

namespace plat {

struct OutFile::Impl {
  HANDLE handle = INVALID_HANDLE_VALUE;
};

OutFile::OutFile() : m_impl(new Impl) {}

OutFile::~OutFile() {
  Close();
  delete m_impl;
}

bool OutFile::Create(const std::string& path) {
  Close();
  m_impl->handle = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
  return m_impl->handle != INVALID_HANDLE_VALUE;
}

bool OutFile::CreateNew(const std::string& path) {
  Close();
  m_impl->handle = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
  return m_impl->handle != INVALID_HANDLE_VALUE;
}

bool OutFile::IsOpen() const { return m_impl->handle != INVALID_HANDLE_VALUE; }

bool OutFile::Write(const std::string& bytes) {
  if (m_impl->handle == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = WriteFile(m_impl->handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  return ok && written == bytes.size();
}

bool OutFile::Close() {
  if (m_impl->handle == INVALID_HANDLE_VALUE) return true;
  BOOL closed = CloseHandle(m_impl->handle);
  m_impl->handle = INVALID_HANDLE_VALUE;
  return closed != FALSE;
}

}  // namespace plat
