#include "cli/several_ports.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <thread>

#include "cli/interrupt.h"
#include "cli/json_lines.h"
#include "cli/session.h"
#include "platform/console.h"

namespace {

// `pattern` with each `token` replaced by `with`.
std::string ReplaceAll(const std::string& pattern, const std::string& token, const std::string& with) {
  std::string out = pattern;
  for (size_t at = out.find(token); at != std::string::npos; at = out.find(token, at + with.size()))
    out.replace(at, token.size(), with);
  return out;
}

bool ReadPortsFile(const std::string& path, std::vector<std::string>& ports) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    PrintError("cannot read " + plat::FromArgument(path));
    return false;
  }
  std::string line;
  while (std::getline(file, line)) {
    if (size_t hash = line.find('#'); hash != std::string::npos) line.erase(hash);
    const size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos) continue;
    ports.push_back(line.substr(first, line.find_last_not_of(" \t\r") + 1 - first));
  }
  return true;
}

struct PortRun {
  std::unique_ptr<CapturedOutput> output;
  ExitStatus status = kExitOk;
};

const char* StatusWords(ExitStatus status) {
  switch (status) {
    case kExitOk: return "done";
    case kExitInstrument: return "the instrument did not answer or refused";
    case kExitUsage: return "bad usage or settings file";
    case kExitPort: return "the port could not be opened";
    case kExitFile: return "a file could not be written";
    case kExitDifferent: return "different";
    case kExitInterrupted:
    case kExitTerminated: return "interrupted";
  }
  return "failed";
}

// What happened on one port, in a few words.
std::string Outcome(const PortRun& run) {
  if (IsInterrupted(run.status)) return StatusWords(run.status);
  if (!run.output->outcome.empty()) return run.output->outcome;
  return run.status != kExitOk && !run.output->firstError.empty() ? run.output->firstError : StatusWords(run.status);
}

void PrintRuns(const std::vector<PortRun>& runs) {
  for (const PortRun& run : runs) {
    PrintOut("== " + plat::FromArgument(run.output->port) + "\n" + run.output->out);
    std::fputs(plat::ToConsoleText(run.output->err, plat::Stream::Error).c_str(), stderr);
  }
  std::fflush(stderr);
  size_t width = 4;
  for (const PortRun& run : runs) width = std::max(width, plat::FromArgument(run.output->port).size());
  std::string table = "\n" + std::string("port") + std::string(width - 4, ' ') + "  status  what happened\n";
  for (const PortRun& run : runs) {
    const std::string port = plat::FromArgument(run.output->port);
    char status[16];
    std::snprintf(status, sizeof status, "%-6d", static_cast<int>(run.status));
    table += port + std::string(width - port.size(), ' ') + "  " + status + "  " + Outcome(run) + "\n";
  }
  PrintOut(table);
}

// One JSON object a port: its name, status, what happened, and the command's
// own JSON object when it printed one.
void PrintRunsAsJson(const std::vector<PortRun>& runs) {
  std::string text = "[\n";
  for (size_t i = 0; i < runs.size(); ++i) {
    const PortRun& run = runs[i];
    std::string object = FormatJson({{"port", plat::FromArgument(run.output->port)},
                                     {"status", std::to_string(static_cast<int>(run.status))},
                                     {"outcome", Outcome(run)}},
                                    {"status"});
    object.erase(object.rfind('}'));
    std::string result = run.output->out;
    while (!result.empty() && result.back() == '\n') result.pop_back();
    const bool isObject = !result.empty() && result.front() == '{' && result.find('\n') == std::string::npos;
    object += ", \"result\": " + (isObject ? result : std::string("null")) + "}";
    text += object + (i + 1 < runs.size() ? ",\n" : "\n");
    std::fputs(plat::ToConsoleText(run.output->err, plat::Stream::Error).c_str(), stderr);
  }
  PrintOut(text + "]\n");
}

}  // namespace

bool PortsOf(const Arguments& args, std::vector<std::string>& ports) {
  ports = args.Values("--port");
  if (args.Has("--ports") && !ReadPortsFile(args.Value("--ports"), ports)) return false;
  if (ports.empty()) {
    PrintError("--port is needed");
    return false;
  }
  for (auto port = ports.begin(); port != ports.end(); ++port) {
    if (std::find(ports.begin(), port, *port) != port) {
      PrintError("the port " + plat::FromArgument(*port) + " is named twice");
      return false;
    }
  }
  return true;
}

ExitStatus ForEachPort(const Arguments& args, PortCommand run) {
  std::vector<std::string> ports;
  if (!PortsOf(args, ports)) return kExitUsage;
  if (ports.size() == 1) return run(args, ports[0]);
  std::vector<PortRun> runs(ports.size());
  std::vector<std::thread> threads;
  for (size_t i = 0; i < ports.size(); ++i) {
    threads.emplace_back([&args, run, &ports, &runs, i] {
      runs[i].output = std::make_unique<CapturedOutput>(ports[i]);
      runs[i].status = run(args, ports[i]);
    });
  }
  for (std::thread& thread : threads) thread.join();
  if (args.Has("--json")) {
    PrintRunsAsJson(runs);
  } else {
    PrintRuns(runs);
  }
  ExitStatus worst = kExitOk;
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
