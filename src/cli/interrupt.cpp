#include "cli/interrupt.h"

#include <atomic>
#include <csignal>

namespace {

std::atomic<int> g_signal{0};   // lock-free, so the handler may store it
static_assert(std::atomic<int>::is_always_lock_free, "the signal handler stores an atomic int");

extern "C" void OnSignal(int number) { g_signal.store(number); }

}  // namespace

CatchInterrupts::CatchInterrupts() {
  std::signal(SIGINT, OnSignal);
  std::signal(SIGTERM, OnSignal);
}

CatchInterrupts::~CatchInterrupts() {
  std::signal(SIGINT, SIG_DFL);
  std::signal(SIGTERM, SIG_DFL);
}

int CaughtSignal() { return g_signal.load(); }

ExitStatus InterruptedStatus() {
  switch (g_signal.load()) {
    case 0: return kExitOk;
    case SIGTERM: return kExitTerminated;
    default: return kExitInterrupted;
  }
}

bool IsInterrupted(ExitStatus status) { return status == kExitInterrupted || status == kExitTerminated; }
