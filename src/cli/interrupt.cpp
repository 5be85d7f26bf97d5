#include "cli/interrupt.h"

#include <atomic>
#include <csignal>

#include "cli/output.h"
#include "platform/console.h"

namespace {

std::atomic<int> g_signal{0};   // lock-free, so the handler may store it
static_assert(std::atomic<int>::is_always_lock_free, "the signal handler stores an atomic int");

extern "C" void OnSignal(int number) { g_signal.store(number); }

int g_catchers = 0;   // the CatchInterrupts alive, all on the main thread

void Handle(void (*handler)(int)) {
  std::signal(SIGINT, handler);
  std::signal(SIGTERM, handler);
  if (const int hangUp = plat::HangUpSignal()) std::signal(hangUp, handler);
}

}  // namespace

CatchInterrupts::CatchInterrupts() {
  if (g_catchers++ == 0) Handle(OnSignal);
}

CatchInterrupts::~CatchInterrupts() {
  if (--g_catchers == 0) Handle(SIG_DFL);
}

int CaughtSignal() { return g_signal.load(); }

ExitStatus InterruptedStatus() {
  const int caught = g_signal.load();
  if (caught == 0) return kExitOk;
  if (caught == SIGTERM) return kExitTerminated;
  return caught == SIGINT ? kExitInterrupted : kExitHungUp;
}

bool IsInterrupted(ExitStatus status) {
  return status == kExitInterrupted || status == kExitTerminated || status == kExitHungUp;
}

ExitStatus StoppedShort(const std::string& text) {
  PrintError(text);
  NoteOutcome(text);
  return InterruptedStatus();
}
