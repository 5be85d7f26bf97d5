// One record of the instrument's memory as downloaded: the 40 bytes received
// with the final LF replaced by a zero byte (38 text characters, CR, zero),
// then two zero bytes.
#pragma once
#include <vector>

struct COutputData {
  char data[42];
};

using MemoryRecords = std::vector<COutputData>;
