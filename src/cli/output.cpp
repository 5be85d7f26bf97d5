#include "cli/output.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <mutex>

#include "platform/console.h"

namespace {
std::atomic<bool> g_quiet{false}, g_verbose{false};
std::atomic<int> g_outputError{0};   // the errno of the first write to standard output that failed

void NoteOutputFailure() {
  int none = 0;
  g_outputError.compare_exchange_strong(none, errno != 0 ? errno : EIO);
}
}  // namespace

void SetQuiet(bool quiet) { g_quiet = quiet; }
bool Quiet() { return g_quiet; }
void SetVerbose(bool verbose) { g_verbose = verbose; }
bool Verbose() { return g_verbose; }

void PrintNote(const std::string& text) {
  if (!g_quiet) PrintError(text, true);
}

namespace {
thread_local CapturedOutput* t_captured = nullptr;
// The main thread's (what no CapturedOutput takes): its standard output while
// captured, its first error and its reason.
std::string* g_standardOutput = nullptr;
std::mutex g_failureLock;   // threads that are not captured (ports --probe) may tell too
std::string g_firstError, g_reason;
}

void SetReason(const std::string& text) {
  if (t_captured) {
    t_captured->reason = text;
    return;
  }
  const std::lock_guard<std::mutex> guard(g_failureLock);
  g_reason = text;
}

void CaptureStandardOutput(std::string* into) { g_standardOutput = into; }

std::string FailureReason() {
  const std::lock_guard<std::mutex> guard(g_failureLock);
  return g_reason.empty() ? g_firstError : g_reason;
}

CapturedOutput::CapturedOutput(const std::string& name) : port(name) { t_captured = this; }
CapturedOutput::~CapturedOutput() { t_captured = nullptr; }

bool Capturing() { return t_captured != nullptr; }

std::string PortFirst(const std::string& port) { return t_captured ? "" : plat::FromArgument(port) + ": "; }
std::string OnPort(const std::string& port) { return t_captured ? "" : " on " + plat::FromArgument(port); }

void NoteOutcome(const std::string& text) {
  if (t_captured) t_captured->outcome = text;
}

void PrintError(const std::string& text, bool note) {
  if (t_captured) {
    t_captured->err += "tavo-cli: " + plat::FromArgument(t_captured->port) + ": " + text + "\n";
    if (t_captured->firstError.empty() && !note) t_captured->firstError = text;
    return;
  }
  if (!note) {
    const std::lock_guard<std::mutex> guard(g_failureLock);
    if (g_firstError.empty()) g_firstError = text;
  }
  std::fputs(plat::ToConsoleText("tavo-cli: " + text + "\n", plat::Stream::Error).c_str(), stderr);
  std::fflush(stderr);
}

std::string ShellQuoted(const std::string& text) { return plat::ShellQuote() + text + plat::ShellQuote(); }

void PrintOut(const std::string& text) {
  if (t_captured) {
    t_captured->out += text;
    return;
  }
  if (g_standardOutput) {
    *g_standardOutput += text;
    return;
  }
  errno = 0;
  if (std::fputs(plat::ToConsoleText(text, plat::Stream::Output).c_str(), stdout) == EOF || std::fflush(stdout) != 0)
    NoteOutputFailure();
}

bool StandardOutputFailed() { return g_outputError.load() != 0; }

ExitStatus CheckStandardOutput(ExitStatus status) {
  errno = 0;
  // What the program wrote past PrintOut (its usage, its version) shows in the stream's error flag; a
  // failure of a file that is standard output (-o -) was told with its status 4 already.
  if (std::fflush(stdout) != 0 || (std::ferror(stdout) && status != kExitFile)) NoteOutputFailure();
  const int error = g_outputError.load();
  if (error == 0) return status;
  PrintError(std::string("cannot write standard output: ") + std::strerror(error));
  return Worse(status, kExitFile);
}
