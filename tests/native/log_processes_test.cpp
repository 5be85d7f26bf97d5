// Two processes starting the log at the same moment in one directory: the
// named mutex keeps their numbering apart, so no file is written twice.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "log/start_log.h"
#include "support/temp_dir.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

const int kStartsPerProcess = 20;
const char kChildVariable[] = "TAVO_LOG_CHILD";

// Run only in the child processes of the test below.
TEST(LogStartUpProcess, DISABLED_Child) {
  if (!std::getenv(kChildVariable)) GTEST_SKIP();
  for (int i = 0; i < kStartsPerProcess; ++i)
    StartLog([] { return plat::LocalTime{2026, 12, 0, 6, 9, 15, 2, 31}; });
}

pid_t SpawnChild() {
  std::string self = fs::read_symlink("/proc/self/exe").string();
  const char* argv[] = {self.c_str(), "--gtest_filter=LogStartUpProcess.DISABLED_Child",
                        "--gtest_also_run_disabled_tests", nullptr};
  posix_spawn_file_actions_t quiet;   // the child's test report is not ours
  posix_spawn_file_actions_init(&quiet);
  posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  int rc = posix_spawn(&pid, self.c_str(), &quiet, nullptr, const_cast<char**>(argv), environ);
  posix_spawn_file_actions_destroy(&quiet);
  return rc == 0 ? pid : -1;
}

int RecordLines(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  int lines = 0;
  for (std::size_t at = 0; (at = bytes.str().find("\r\n", at)) != std::string::npos; at += 2) ++lines;
  return lines;
}

TEST(LogStartUpProcess, TwoProcessesNumberWithoutCollision) {
  TempCurrentDir dir;
  dir.Write("SETTING.ini", "[LogOut]\r\nLogOutSwitch=1\r\n");
  setenv(kChildVariable, "1", 1);
  pid_t children[] = {SpawnChild(), SpawnChild()};
  unsetenv(kChildVariable);
  for (pid_t child : children) {
    ASSERT_GT(child, 0);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  char name[16];
  for (const char kind : {'L', 'E'}) {
    for (int n = 0; n < 2 * kStartsPerProcess; ++n) {
      std::snprintf(name, sizeof name, "%c1206%03d.txt", kind, n);
      EXPECT_EQ(RecordLines(dir.path() / name), 2) << name;
    }
    std::snprintf(name, sizeof name, "%c1206%03d.txt", kind, 2 * kStartsPerProcess);
    EXPECT_FALSE(fs::exists(dir.path() / name)) << name;
  }
}

}  // namespace
