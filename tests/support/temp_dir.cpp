#include "support/temp_dir.h"

#include <atomic>
#include <chrono>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

fs::path UniqueTempPath(const std::string& prefix) {
  static std::atomic<int> counter{0};
  static const unsigned program = std::random_device()();
  auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  return fs::temp_directory_path() /
         (prefix + std::to_string(program) + "_" + std::to_string(stamp) + "_" + std::to_string(counter++));
}

TempCurrentDir::TempCurrentDir() : m_previous(fs::current_path()), m_dir(UniqueTempPath("tavo_test_")) {
  fs::create_directories(m_dir);
  fs::current_path(m_dir);
}

TempCurrentDir::~TempCurrentDir() {
  std::error_code ignored;
  fs::current_path(m_previous, ignored);
  fs::remove_all(m_dir, ignored);
}

void TempCurrentDir::Write(const std::string& name, const std::string& content) const {
  std::ofstream out(m_dir / name, std::ios::binary);
  out << content;
}

std::string FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string TempCurrentDir::Read(const std::string& name) const { return FileBytes(m_dir / name); }
