// The memory download ('$O') into the application's memory records, and their
// export to a CSV file. Each returns 1 on success, 0 on failure.
#pragma once

#include "commands/memory_records.h"
#include "framework/carray.h"

class CCommandContext;

// Queries the whole memory in one reply, waiting up to TimeOut x 180 ms, and
// rebuilds the context's memory records from it. 0 when no reply came, the line failed,
// six sends were refused or a reply that carried bytes held not one whole
// record (the records are kept). On 1, `whole` tells whether every record of
// the reply was taken and no bytes were left over (one ETX aside).
int ReadMemoryData(CCommandContext& dlg, bool& whole);

// Writes `records` to the CSV file `path`, replacing it. 0 when the
// file cannot be created, written or put in place; `path` is then unchanged.
int WriteMemoryCsv(const CArray<COutputData, COutputData>& records, const char* path);
