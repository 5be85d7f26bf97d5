#include "cli/several_ports.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <sstream>
#include <system_error>
#include <thread>

#include "cli/input_file.h"
#include "cli/interrupt.h"
#include "cli/json_lines.h"
#include "cli/output.h"
#include "platform/comports.h"
#include "platform/console.h"
#include "platform/files.h"

namespace {

// `pattern` with each `token` replaced by `with`.
std::string ReplaceAll(const std::string& pattern, const std::string& token, const std::string& with) {
  std::string out = pattern;
  for (size_t at = out.find(token); at != std::string::npos; at = out.find(token, at + with.size()))
    out.replace(at, token.size(), with);
  return out;
}

// The ports of a file, checked as a settings file is: a regular file of at
// most 1 MB, text (no zero byte), a UTF-8 byte order mark skipped.
bool ReadPortsFile(const std::string& path, std::vector<std::string>& ports) {
  std::string text, error;
  if (!ReadInputFile(path, text, error)) {
    PrintError(error);
    return false;
  }
  if (text.find('\0') != std::string::npos) {
    PrintError(plat::FromArgument(path) + ": a zero byte: no text file of ports (UTF-16 is not taken)");
    return false;
  }
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
  std::istringstream file(text);
  std::string line;
  int named = 0;
  while (std::getline(file, line)) {
    if (size_t hash = line.find('#'); hash != std::string::npos) line.erase(hash);
    const size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos) continue;
    ports.push_back(line.substr(first, line.find_last_not_of(" \t\r") + 1 - first));
    ++named;
  }
  if (named == 0) {
    PrintError(plat::FromArgument(path) + ": names no port");
    return false;
  }
  return true;
}

// What a port's run printed (as CapturedOutput kept it) and its status.
struct PortRun {
  std::string port, out, err, firstError, reason, outcome;
  ExitStatus status = kExitOk;
};

// The most ports one run serves, a thread each.
constexpr size_t kMaxPorts = 256;

// Serves `port` on this thread, its output captured.
void Serve(const Arguments& args, const PortCommand& command, PortRun& run) {
  const CapturedOutput output(run.port);
  run.status = command(args, run.port);
  run.out = output.out;
  run.err = output.err;
  run.firstError = output.firstError;
  run.reason = output.reason;
  run.outcome = output.outcome;
}

// A port whose thread could not start: its failure, told as the others'.
void NotStarted(PortRun& run, const char* reason) {
  run.firstError = std::string("no thread could be started for the port: ") + reason;
  run.err = "tavo-cli: " + plat::FromArgument(run.port) + ": " + run.firstError + "\n";
  run.status = kExitPort;
}

// What happened on one port, in a few words; an interrupted port's begin
// with "interrupted".
std::string Outcome(const PortRun& run) {
  if (IsInterrupted(run.status)) return run.outcome.rfind("interrupted", 0) == 0 ? run.outcome : StatusWords(run.status);
  if (!run.outcome.empty()) return run.outcome;
  return run.status != kExitOk && !run.firstError.empty() ? run.firstError : StatusWords(run.status);
}

void PrintRuns(const std::vector<PortRun>& runs) {
  for (const PortRun& run : runs) {
    PrintOut("== " + plat::FromArgument(run.port) + "\n" + run.out);
    std::fputs(plat::ToConsoleText(run.err, plat::Stream::Error).c_str(), stderr);
  }
  std::fflush(stderr);
  size_t width = 4;
  for (const PortRun& run : runs) width = std::max(width, plat::FromArgument(run.port).size());
  std::string table = "\n" + std::string("port") + std::string(width - 4, ' ') + "  status  what happened\n";
  for (const PortRun& run : runs) {
    const std::string port = plat::FromArgument(run.port);
    char status[16];
    std::snprintf(status, sizeof status, "%-6d", static_cast<int>(run.status));
    table += port + std::string(width - port.size(), ' ') + "  " + status + "  " + Outcome(run) + "\n";
  }
  PrintOut(table);
}

// One JSON array on one line, one object a port (PortRunJson).
void PrintRunsAsJson(const std::vector<PortRun>& runs) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const PortRun& run : runs) {
    list.push_back(PortRunJson(plat::FromArgument(run.port), run.status, Outcome(run),
                               run.reason.empty() ? run.firstError : run.reason, run.out));
    std::fputs(plat::ToConsoleText(run.err, plat::Stream::Error).c_str(), stderr);
  }
  PrintOut(JsonLine(list));
}

}  // namespace

bool SeveralPorts(const Arguments& args) { return args.Has("--ports") || args.Values("--port").size() > 1; }

bool PortsOf(const Arguments& args, std::vector<std::string>& ports) {
  ports = args.Values("--port");
  if (args.Has("--ports") && !ReadPortsFile(args.Value("--ports"), ports)) return false;
  if (ports.empty()) {
    PrintError("--port is needed");
    return false;
  }
  if (ports.size() > kMaxPorts) {
    PrintError(std::to_string(ports.size()) + " ports: one run serves at most " + std::to_string(kMaxPorts));
    return false;
  }
  std::vector<std::string> identities;
  for (const std::string& port : ports) {
    const std::string identity = plat::PortIdentity(port);
    const auto earlier = std::find(identities.begin(), identities.end(), identity);
    if (earlier != identities.end()) {
      const std::string& other = ports[static_cast<size_t>(earlier - identities.begin())];
      PrintError(other == port ? "the port " + plat::FromArgument(port) + " is named twice"
                               : plat::FromArgument(other) + " and " + plat::FromArgument(port) + " are one port");
      return false;
    }
    identities.push_back(identity);
  }
  return true;
}

ExitStatus ForEachPort(const Arguments& args, const PortCommand& run) {
  std::vector<std::string> ports;
  if (!PortsOf(args, ports)) return kExitUsage;
  if (!SeveralPorts(args)) return run(args, ports[0]);
  // An interruption of a run over several ports stops each port at its next
  // safe point (its Session asks before each command and while a download's
  // records come in), then the table tells each port, and the status the
  // interruption.
  const CatchInterrupts interrupts;
  std::vector<PortRun> runs(ports.size());
  std::vector<std::thread> threads;
  for (size_t i = 0; i < ports.size(); ++i) {
    runs[i].port = ports[i];
    try {
      threads.emplace_back([&args, &run, &runs, i] { Serve(args, run, runs[i]); });
    } catch (const std::system_error& e) {
      NotStarted(runs[i], e.what());
    }
  }
  for (std::thread& thread : threads) thread.join();
  if (args.Has("--json")) {
    PrintRunsAsJson(runs);
  } else {
    PrintRuns(runs);
  }
  ExitStatus worst = InterruptedStatus();
  for (const PortRun& run : runs) worst = Worse(worst, run.status);
  return worst;
}

std::string FileNameOf(const std::string& port) {
  std::string name = port.substr(port.find_last_of("/\\") == std::string::npos ? 0 : port.find_last_of("/\\") + 1);
  for (char& c : name) {
    const bool safe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
                      c == '_' || c == '.';
    if (!safe) c = '_';
  }
  if (name.empty() || name[0] == '.') name.insert(0, "_");
  return name;
}

std::string WithPort(const std::string& pattern, const std::string& port) {
  return ReplaceAll(pattern, "{port}", FileNameOf(port));
}

std::string WithDate(const std::string& pattern, const plat::LocalTime& day) {
  char date[40];
  std::snprintf(date, sizeof date, "%04d-%02d-%02d", day.year, day.month, day.day);
  return ReplaceAll(pattern, "{date}", date);
}

bool KnownPlaceholders(const std::string& pattern, std::string& error) {
  for (size_t open = pattern.find('{'); open != std::string::npos; open = pattern.find('{', open + 1)) {
    const size_t close = pattern.find('}', open);
    if (close == std::string::npos) break;
    const std::string name = pattern.substr(open, close - open + 1);
    const bool word = close > open + 1 && std::all_of(pattern.begin() + open + 1, pattern.begin() + close, [](char c) {
      return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    });
    if (word && name != "{port}" && name != "{date}") {
      error = "-o: unknown placeholder " + name + " (the name of -o knows {port} and {date})";
      return false;
    }
  }
  return true;
}

bool DistinctFiles(const std::string& pattern, const std::vector<std::string>& ports) {
  std::set<std::string> files;
  for (const std::string& port : ports) {
    const std::string path = WithPort(pattern, port);
    if (!files.insert(plat::FileKey(path)).second) {
      PrintError(ports.size() > 1 && pattern.find("{port}") == std::string::npos
                     ? "several ports need {port} in the name of -o, as in -o " + ShellQuoted("records-{port}.csv")
                     : "two ports would write " + plat::FromArgument(path));
      return false;
    }
  }
  return true;
}

std::string FailureJson(const Arguments& args, ExitStatus status, const std::string& reason) {
  if (!SeveralPorts(args)) return OnePortJson("", status, reason);
  std::vector<std::string> ports;
  bool known = false;
  {
    const CapturedOutput quiet("");   // its problems were told already
    known = PortsOf(args, ports);
  }
  if (!known) ports = {""};
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const std::string& port : ports)
    list.push_back(PortRunJson(plat::FromArgument(port), status, StatusWords(status), reason, ""));
  return JsonLine(list);
}
