// The sequence number of today's new log file of one kind: found by bisection,
// taking the numbers in use to be a run from 000 upward.
#pragma once
#include <functional>

#include "framework/cstring.h"
#include "log/log_names.h"

const int kMaxSequenceNumber = 999;

// The first free number of a run 000, 001 ... as `isUsed` reports it (0 when
// all of 000 to 999 are used: that name is then written again). With gaps in
// the run it gives some unused number, not necessarily the lowest.
int BisectFreeSequenceNumber(const std::function<bool(int)>& isUsed);

// The free sequence number of `kind` for `month` and `day` in `dir`.
int FindFreeSequenceNumber(const CString& dir, LogKind kind, int month, int day);
