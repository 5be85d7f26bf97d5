#include "cli/exit_status.h"

namespace {

// "Different" is no failure: it ranks below every one.
int Rank(ExitStatus status) {
  if (status == kExitDifferent) return 1;
  return status == kExitOk ? 0 : static_cast<int>(status) + 1;
}

}  // namespace

ExitStatus Worse(ExitStatus a, ExitStatus b) { return Rank(b) > Rank(a) ? b : a; }
