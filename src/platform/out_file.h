// A file written from the start: created anew (replacing any file of that
// name), written in whole blocks, closed. One thread at a time uses an
// object; different objects may be used on different threads at once.
#pragma once
#include <string>

namespace plat {

class OutFile {
public:
  OutFile();
  ~OutFile();               // closes it if open
  OutFile(const OutFile&) = delete;
  OutFile& operator=(const OutFile&) = delete;

  // Creates `path` for writing, emptying an existing file (CreateFileA with
  // CREATE_ALWAYS). On Windows nobody else may open it while it is open; POSIX
  // has no such lock. False when it cannot be created (missing directory, a
  // directory of that name; on Windows also a read-only file); the object stays closed.
  bool Create(const std::string& path);
  // Creates `path` only when no file of that name exists (CREATE_NEW). False
  // when it exists or cannot be created; the object stays closed.
  bool CreateNew(const std::string& path);
  bool IsOpen() const;
  // Writes all of `bytes`. False when closed or when not all could be written.
  bool Write(const std::string& bytes);
  // Closes it; false when the system reported an error on closing (data that
  // may not have reached the file). True when it was not open.
  bool Close();

private:
  struct Impl;
  Impl* m_impl;
};

}  // namespace plat
