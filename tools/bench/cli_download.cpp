// Downloads by tavo-cli, the program run as a user runs it, against the
// simulator at 9600 bit/s with the default timings: the 511-record download,
// timed as the dialog's download is, from the download request (when the
// simulator logged its frame) to the end of the program, file written; and
// 32 instruments, and 256 (the most a ports file names), served side by side
// in one run against one alone.
#include <fcntl.h>
#include <spawn.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "measurements.h"
#include "native/sim_process.h"
#include "protocol_time.h"
#include "sim_session.h"

extern char** environ;

namespace {

const int kRecords = 511;
const int kBaud = 9600;
const int kFewRecords = 64;
const int kSideBySide = 32;   // instruments in the side-by-side run
const int kMostPorts = 256;   // the most one run serves, named in a ports file

// Seconds since midnight, local time, as the simulator's frame log writes them.
double LocalSecondsNow() {
  timeval now;
  gettimeofday(&now, nullptr);
  std::tm local;
  localtime_r(&now.tv_sec, &local);
  return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + now.tv_usec / 1e6;
}

// The local time the simulator logged the frame `hex` at ("09:07:05.123 02 24 4F 03"); -1 when it did not.
double LoggedAt(const std::string& logPath, const std::string& hex) {
  std::ifstream log(logPath);
  std::string line;
  while (std::getline(log, line)) {
    int h = 0, m = 0, s = 0, ms = 0;
    if (line.size() > 13 && line.substr(13) == hex && std::sscanf(line.c_str(), "%d:%d:%d.%d", &h, &m, &s, &ms) == 4)
      return h * 3600.0 + m * 60.0 + s + ms / 1000.0;
  }
  return -1;
}

// Where the side-by-side runs write their files: a new folder in memory
// (/dev/shm) when the system has one, else the session's folder. Creating
// hundreds of files on a disk costs what the file system makes it cost (on
// ext4 with many files deleted lately, a third of a second for 256), which
// is not the tool's pace; the detail says which was used.
struct RecordsFolder {
  std::filesystem::path path;
  bool inMemory = false;
  explicit RecordsFolder(const std::filesystem::path& fallback) : path(fallback) {
    std::error_code error;
    const std::filesystem::path shm = "/dev/shm";
    if (!std::filesystem::is_directory(shm, error)) return;
    const std::filesystem::path made = shm / ("tavo_bench." + std::to_string(getpid()));
    if (std::filesystem::create_directory(made, error)) {
      path = made;
      inMemory = true;
    }
  }
  ~RecordsFolder() {
    std::error_code error;
    if (inMemory) std::filesystem::remove_all(path, error);
  }
  std::string PathOf(const std::string& name) const { return (path / name).string(); }
  std::string Read(const std::string& name) const { return FileBytes(path / name); }
};

// Runs tavo-cli with `args` in the current directory, its output to /dev/null; its exit status, or -1.
int RunCli(const std::vector<std::string>& args) {
  std::vector<std::string> storage;
  std::vector<char*> argv = SpawnArgv(TAVO_CLI_PATH, args, storage);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid;
  int status = -1;
  if (posix_spawn(&pid, TAVO_CLI_PATH, &actions, nullptr, argv.data(), environ) == 0 && waitpid(pid, &status, 0) == pid)
    status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  posix_spawn_file_actions_destroy(&actions);
  return status;
}

}  // namespace

bool MeasureCliDownload(Measurement& result, std::string& error) {
  SimSession session;
  if (!session.Start({"--baud", std::to_string(kBaud), "--records", std::to_string(kRecords)}, "", error)) return false;
  const std::string path = session.PathOf("memory.csv");
  const auto start = std::chrono::steady_clock::now();
  const int status = RunCli({"download", "--port", "COM7", "-o", path});
  const double end = LocalSecondsNow();
  const double whole = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (status != 0) {
    error = "tavo-cli download ended with status " + std::to_string(status);
    return false;
  }
  if (session.dir.Read("memory.csv").size() != 39u * kRecords) {
    error = "tavo-cli did not write 511 records";
    return false;
  }
  const double requested = LoggedAt(session.PathOf("sim.log"), SimLaunch::Hex("\x02$O\x03"));
  if (requested < 0) {
    error = "the simulator did not log the download request";
    return false;
  }
  double wall = end - requested;
  if (wall < 0) wall += 24 * 3600;   // past midnight
  const long bytes = 40L * kRecords;
  const double wire = WireSeconds(bytes, kBaud);
  result.name = "(e) 511-record download by tavo-cli at 9600 bit/s: wall time / wire time";
  result.value = wall / wire;
  result.target = 1.02;
  char detail[300];
  std::snprintf(detail, sizeof detail,
                "from the request to the program's end, file written: wall %.3f s / wire time of %ld bytes %.3f s; "
                "the whole run (start, identification, SendDelay, request) %.3f s",
                wall, bytes, wire, whole);
  result.detail = detail;
  return true;
}

namespace {

// `count` instruments side by side in one tavo-cli download (named with
// --port, or in a ports file when `portsFile`) against one alone.
bool MeasureSideBySide(int count, bool portsFile, const char* label, Measurement& result, std::string& error) {
  const std::vector<std::string> simArgs = {"--baud", std::to_string(kBaud), "--records", std::to_string(kFewRecords)};
  SimSession session;   // COM7
  if (!session.Start(simArgs, "", error)) return false;
  std::vector<std::string> ports = {"COM7"};
  for (int n = 1; static_cast<int>(ports.size()) < count; ++n)
    if (n != 7) ports.push_back("COM" + std::to_string(n));
  std::vector<std::unique_ptr<SimProcess>> others;
  const RecordsFolder records(session.dir.path());
  std::vector<std::string> args = {"download", "-o", records.PathOf("records-{port}.csv")};
  std::string listed;
  for (const std::string& port : ports) {
    if (portsFile) listed += port + "\n";
    else args.insert(args.end(), {"--port", port});
    if (port == "COM7") continue;
    others.push_back(std::make_unique<SimProcess>(simArgs));
    if (others.back()->Device().empty()) {
      error = "a simulator did not start";
      return false;
    }
    std::filesystem::create_symlink(others.back()->Device(), session.dir.path() / "ports" / port);
  }
  if (portsFile) {
    session.dir.Write("meters.txt", listed);
    args.insert(args.end(), {"--ports", session.PathOf("meters.txt")});
  }
  const auto start = std::chrono::steady_clock::now();
  const int oneStatus = RunCli({"download", "--port", "COM7", "-o", records.PathOf("one.csv")});
  const auto middle = std::chrono::steady_clock::now();
  const int allStatus = RunCli(args);
  const double one = std::chrono::duration<double>(middle - start).count();
  const double all = std::chrono::duration<double>(std::chrono::steady_clock::now() - middle).count();
  if (oneStatus != 0 || allStatus != 0) {
    error = "tavo-cli download of one and of " + std::to_string(count) + " instruments ended with status " +
            std::to_string(oneStatus) + " and " + std::to_string(allStatus);
    return false;
  }
  for (const std::string& port : ports) {
    if (records.Read("records-" + port + ".csv").size() != 39u * kFewRecords) {
      error = "tavo-cli did not write the records of " + port;
      return false;
    }
  }
  auto seconds = [](double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f s", value);
    return std::string(text);
  };
  const std::string many = std::to_string(count);
  result = Measurement{std::string(label) + " tavo-cli download from " + many + " instruments side by side / from one",
                       all / one, "", 1.1,
                       std::to_string(kFewRecords) + " records each at 9600 bit/s" + (portsFile ? ", the ports in a file" : "") +
                           ", files written " + (records.inMemory ? "in memory (/dev/shm)" : "on disk") +
                           "; the whole run (start, identification, SendDelay, download): " + many + " " + seconds(all) +
                           ", one " + seconds(one)};
  return true;
}

}  // namespace

bool MeasureCliSeveralDownloads(Measurement& result, std::string& error) {
  return MeasureSideBySide(kSideBySide, false, "(f)", result, error);
}

bool MeasureCliMostDownloads(Measurement& result, std::string& error) {
  return MeasureSideBySide(kMostPorts, true, "(g)", result, error);
}
