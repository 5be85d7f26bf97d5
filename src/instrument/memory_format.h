// The memory records in and out: cut from the reply of the memory query, and
// laid out as the bytes of the CSV file. Pure functions, no link and no file,
// so that they can be tested and fuzzed alone.
#pragma once
#include <cstdint>
#include <string>

#include "instrument/memory_records.h"
#include "link/control_bytes.h"

constexpr int kMemoryRecordSize = 40;   // 38 text characters, CR, LF
constexpr int kMemoryTextSize = 38;
// The most records one reply carries: as many as the link's reply buffer holds after STX and 'O'.
constexpr int kMaxMemoryRecords = (kReplyBufferSize - 2) / kMemoryRecordSize;

// Replaces `records` with the records of the reply `reply` (`length` bytes
// from STX on): 40 bytes each from position 2, a partial last one ignored.
// A record whose bytes 38-39 are not CR LF is dropped; the others keep their
// places. A record whose text holds a control character (a zero byte, LF,
// 0x1A, DEL ...) was damaged on the line: it is kept as it came, but the
// reply is not whole. True when the reply was whole: no record dropped or
// damaged, no bytes left over after the last record but for one ETX.
bool SplitMemoryRecords(const std::uint8_t* reply, int length, MemoryRecords& records);

// The CSV file's bytes: each record's text followed by CR; no header, no LF.
// A text holding a zero byte ends there, and its CR still follows, so that
// no record runs into the next one's line.
std::string MemoryCsvText(const MemoryRecords& records);
