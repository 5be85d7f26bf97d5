#include "cli/output.h"

#include <atomic>
#include <cstdio>

#include "platform/console.h"

namespace {
std::atomic<bool> g_quiet{false}, g_verbose{false};
}

void SetQuiet(bool quiet) { g_quiet = quiet; }
bool Quiet() { return g_quiet; }
void SetVerbose(bool verbose) { g_verbose = verbose; }
bool Verbose() { return g_verbose; }

void PrintNote(const std::string& text) {
  if (!g_quiet) PrintError(text, true);
}

namespace {
thread_local CapturedOutput* t_captured = nullptr;
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
  std::fputs(plat::ToConsoleText("tavo-cli: " + text + "\n", plat::Stream::Error).c_str(), stderr);
  std::fflush(stderr);
}

std::string ShellQuoted(const std::string& text) { return plat::ShellQuote() + text + plat::ShellQuote(); }

void PrintOut(const std::string& text) {
  if (t_captured) {
    t_captured->out += text;
    return;
  }
  std::fputs(plat::ToConsoleText(text, plat::Stream::Output).c_str(), stdout);
  std::fflush(stdout);
}
