#include "instrument/memory_format.h"

#include <algorithm>
#include <cstring>

#include "link/control_bytes.h"

namespace {

constexpr int kFirstRecordPosition = 2;   // after STX and 'O'
constexpr char kCr = '\r';
constexpr char kLf = '\n';

bool IsWholeRecord(const std::uint8_t* bytes) {
  return bytes[kMemoryTextSize] == kCr && bytes[kMemoryTextSize + 1] == kLf;
}

bool HasControlCharacter(const std::uint8_t* bytes) {
  return std::any_of(bytes, bytes + kMemoryTextSize, [](std::uint8_t b) { return b < 0x20 || b == 0x7F; });
}

// The record as kept: the 40 bytes with the LF turned into a zero byte, then two zeros.
COutputData KeptRecord(const std::uint8_t* bytes) {
  COutputData record{};
  std::memcpy(record.data, bytes, kMemoryRecordSize);
  record.data[kMemoryTextSize + 1] = '\0';
  return record;
}

}  // namespace

bool SplitMemoryRecords(const std::uint8_t* reply, int length, MemoryRecords& records) {
  records.clear();
  if (!reply || length < kFirstRecordPosition) return false;
  const int count = (length - kFirstRecordPosition) / kMemoryRecordSize;
  // The instrument may close its frame with one ETX before the EOT: no damage.
  const int left = (length - kFirstRecordPosition) % kMemoryRecordSize;
  bool whole = left == 0 || (left == 1 && reply[length - 1] == kEtx);
  for (int i = 0; i < count; ++i) {
    const std::uint8_t* bytes = reply + kFirstRecordPosition + kMemoryRecordSize * i;
    if (IsWholeRecord(bytes)) records.push_back(KeptRecord(bytes));
    if (!IsWholeRecord(bytes) || HasControlCharacter(bytes)) whole = false;
  }
  return whole;
}

std::string MemoryCsvText(const MemoryRecords& records) {
  std::string text;
  text.reserve(records.size() * (kMemoryTextSize + 1));
  for (const COutputData& record : records) {
    const char* data = record.data;
    text.append(data, std::find(data, data + kMemoryTextSize, '\0'));
    text += kCr;
  }
  return text;
}
