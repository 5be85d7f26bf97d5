// The memory download ('$O') and the records' CSV file.
#pragma once
#include <functional>

#include "instrument/memory_records.h"

class CSerial;

namespace inst {

// Queries the whole memory in one reply, waiting up to TimeOut x 180 ms, and
// replaces `records` with its records. 0 when no reply came, the line failed,
// six sends were refused or a reply that carried bytes held not one whole
// record (`records` is then unchanged). On 1, `whole` tells whether every
// record of the reply was taken and no bytes were left over (one ETX aside).
// `stopped`, when given, is asked while the reply is awaited: true ends the
// download there, 0, `records` unchanged.
int DownloadMemory(CSerial& link, MemoryRecords& records, bool& whole,
                   const std::function<bool()>& stopped = nullptr);

// What the user is told when the download failed, or took only some of the
// reply's records, and under what caption.
extern const char kDownloadFailed[];
extern const char kDownloadPartial[];
extern const char kDownloadCaption[];

// Writes `records` to the CSV file `path`, replacing it. 0 when the file
// cannot be created, written or put in place; `path` is then unchanged.
int WriteMemoryCsv(const MemoryRecords& records, const char* path);

}  // namespace inst
