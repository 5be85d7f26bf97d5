#include "cli/exit_status.h"

namespace {

// "Different" is no failure: it ranks below every one.
int Rank(ExitStatus status) {
  if (status == kExitDifferent) return 1;
  return status == kExitOk ? 0 : static_cast<int>(status) + 1;
}

}  // namespace

ExitStatus Worse(ExitStatus a, ExitStatus b) { return Rank(b) > Rank(a) ? b : a; }

bool IsFailure(ExitStatus status) { return status != kExitOk && status != kExitDifferent; }

const char* FailureKind(ExitStatus status) {
  switch (status) {
    case kExitOk:
    case kExitDifferent: return nullptr;
    case kExitInstrument: return "instrument";
    case kExitUsage: return "usage";
    case kExitPort: return "port";
    case kExitFile: return "file";
    case kExitInterrupted:
    case kExitTerminated:
    case kExitHungUp: return "interrupted";
  }
  return "instrument";
}

const char* StatusWords(ExitStatus status) {
  switch (status) {
    case kExitOk: return "done";
    case kExitInstrument: return "the instrument did not answer or refused";
    case kExitUsage: return "bad usage or settings file";
    case kExitPort: return "the port could not be opened";
    case kExitFile: return "a file could not be written";
    case kExitDifferent: return "different";
    case kExitInterrupted:
    case kExitTerminated:
    case kExitHungUp: return "interrupted";
  }
  return "failed";
}
