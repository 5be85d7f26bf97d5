#include "native/sim_process.h"

#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
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
  pid_t parent = getpid();
  pid_t pid = fork();
  if (pid == 0) {
    // The simulator ends with the test program, also when that crashes or is
    // killed, and at once, even in the middle of a long answer: no simulator
    // outlives its test. (Only calls safe after fork.)
    if (prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || getppid() != parent) _exit(127);
    dup2(out[1], 1);
    close(out[0]);
    close(out[1]);
    execve(TAVO_SIM_PATH, argv.data(), environ);
    _exit(127);
  }
  if (pid > 0) m_pid = pid;
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
