#include "cli/input_file.h"

#include <fstream>
#include <iterator>

#include "platform/console.h"
#include "platform/files.h"

namespace {

// What is wrong with `path`, empty when nothing; `file` is left open at its start.
std::string Problem(const std::string& path, std::ifstream& file) {
  switch (plat::KindOf(path)) {
    case plat::FileKind::Missing: return "no such file";
    case plat::FileKind::Other: return "not a regular file (a folder, a FIFO or a device)";
    case plat::FileKind::Regular: break;
  }
  file.open(path, std::ios::binary | std::ios::ate);
  if (!file) return "cannot be read: " + plat::LastErrorText();
  if (static_cast<long long>(file.tellg()) > kMaxInputFileBytes) return "larger than 1 MB";
  file.seekg(0);
  return "";
}

bool Open(const std::string& path, std::ifstream& file, std::string& error) {
  const std::string problem = Problem(path, file);
  if (!problem.empty()) error = plat::FromArgument(path) + ": " + problem;
  return problem.empty();
}

}  // namespace

bool CheckInputFile(const std::string& path, std::string& error) {
  std::ifstream file;
  return Open(path, file, error);
}

bool ReadInputFile(const std::string& path, std::string& text, std::string& error) {
  std::ifstream file;
  if (!Open(path, file, error)) return false;
  text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  if (file.bad()) {
    error = plat::FromArgument(path) + ": cannot be read: " + plat::LastErrorText();
    return false;
  }
  return true;
}
