#include "records.h"

#include <cstdio>

std::string SimulatedMemory(int count) {
  std::string out;
  for (int i = 0; i < count; ++i) {
    int minutes = i * 10;
    int day = 1 + minutes / (24 * 60) % 28;
    int hour = minutes / 60 % 24;
    double tavo = 20.0 + (i % 150) / 10.0;
    char record[64];
    std::snprintf(record, sizeof record, "2024/05/%02d %02d:%02d,%+05.1f,%+05.1f,%+05.1f,%03d\r\n", day, hour,
                  minutes % 60, tavo, tavo + 0.8, tavo + 3.1, 40 + i % 50);
    out += record;
  }
  return out;
}
