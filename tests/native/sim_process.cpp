#include "native/sim_process.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// The first line the simulator prints: the device to open.
std::string ReadLine(int fd) {
  std::string line;
  char c;
  pollfd pfd{fd, POLLIN, 0};
  while (poll(&pfd, 1, 10000) == 1 && read(fd, &c, 1) == 1 && c != '\n') line += c;
  return line;
}

}  // namespace

std::vector<char*> SpawnArgv(const char* program, const std::vector<std::string>& args,
                             std::vector<std::string>& storage) {
  storage.assign(1, program);
  storage.insert(storage.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : storage) argv.push_back(a.data());
  argv.push_back(nullptr);
  return argv;
}

SimProcess::SimProcess(const std::vector<std::string>& args) {
  int out[2];
  if (pipe(out) != 0) return;
  std::vector<std::string> storage;
  std::vector<char*> argv = SpawnArgv(TAVO_SIM_PATH, args, storage);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  pid_t pid;
  if (posix_spawn(&pid, TAVO_SIM_PATH, &actions, nullptr, argv.data(), environ) == 0) m_pid = pid;
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (m_pid > 0) m_device = ReadLine(out[0]);
  close(out[0]);
}

SimProcess::~SimProcess() {
  if (m_pid <= 0) return;
  kill(m_pid, SIGTERM);
  int status;
  waitpid(m_pid, &status, 0);
}
