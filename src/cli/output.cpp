#include "cli/output.h"

#include <atomic>

#include "cli/session.h"

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
