// The memory records on arbitrary replies: cut into records and laid out as
// the CSV file's bytes, with no read past the reply and every kept record
// ending in CR and a zero byte.
#include <cstddef>
#include <cstdint>
#include <string>

#include "instrument/memory_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const int length = static_cast<int>(size);
  MemoryRecords records;
  SplitMemoryRecords(data, length, records);
  const int most = length < 2 ? 0 : (length - 2) / kMemoryRecordSize;
  if (static_cast<int>(records.size()) > most) __builtin_trap();
  for (const COutputData& record : records) {
    if (record.data[kMemoryTextSize] != '\r' || record.data[kMemoryTextSize + 1] != '\0') __builtin_trap();
  }
  const std::string csv = MemoryCsvText(records);
  if (csv.size() > records.size() * (kMemoryTextSize + 1)) __builtin_trap();
  std::size_t lines = 0;
  for (char c : csv) lines += c == '\r';
  if (lines < records.size()) __builtin_trap();
  return 0;
}
