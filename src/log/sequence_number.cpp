#include "log/sequence_number.h"

#include "platform/files.h"

int BisectFreeSequenceNumber(const std::function<bool(int)>& isUsed) {
  int low = 0, high = kMaxSequenceNumber, mid = 0;
  while (low <= high) {
    mid = low + (high - low) / 2;
    if (isUsed(mid)) {
      if (low == mid) {
        ++mid;
        if (mid < kMaxSequenceNumber) return mid;
      }
      low = mid;
    } else {
      high = mid;
      if (mid == kMaxSequenceNumber || low == mid) return mid;
    }
  }
  return mid > kMaxSequenceNumber ? 0 : mid;
}

int FindFreeSequenceNumber(const CString& dir, LogKind kind, int month, int day) {
  return BisectFreeSequenceNumber([&](int sequence) {
    return plat::FileExists(InLogDirectory(dir, LogFileName(kind, month, day, sequence)).str());
  });
}
