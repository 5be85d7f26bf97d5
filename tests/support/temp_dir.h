// Runs a test in a fresh empty current directory, removed afterwards.
#pragma once
#include <filesystem>
#include <fstream>
#include <string>

// A path under the temporary folder that no other test uses, in this program or
// in another running beside it.
std::filesystem::path UniqueTempPath(const std::string& prefix);

// The bytes of the file at `path`; empty when it cannot be read.
std::string FileBytes(const std::filesystem::path& path);

class TempCurrentDir {
public:
  TempCurrentDir();
  ~TempCurrentDir();
  TempCurrentDir(const TempCurrentDir&) = delete;
  TempCurrentDir& operator=(const TempCurrentDir&) = delete;

  const std::filesystem::path& path() const { return m_dir; }
  // Writes `content` (bytes as given) to `name` in the directory.
  void Write(const std::string& name, const std::string& content) const;
  // The bytes of `name` in the directory; empty when it cannot be read.
  std::string Read(const std::string& name) const;

private:
  std::filesystem::path m_previous;
  std::filesystem::path m_dir;
};
