// The simulated memory: records of 38 characters, each sent with CR LF.
#pragma once
#include <string>

// `count` records at ten-minute steps, the newest at the end: "2024/05/31 09:00,+25.3,+26.1,+28.4,065".
std::string SimulatedMemory(int count);
