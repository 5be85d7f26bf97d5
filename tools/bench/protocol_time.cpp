#include "protocol_time.h"

#include <algorithm>

double WireSeconds(long bytes, int baud) { return bytes * 10.0 / baud; }

ProtocolTime ProtocolTimeOf(const std::vector<std::string>& frames, const std::vector<std::string>& answers,
                            int pauses, const LineTimings& timings) {
  const double pause = timings.sleepTimeMs / 1000.0;
  ProtocolTime time;
  for (size_t i = 0; i < frames.size(); ++i) {
    time.bytePauses += frames[i].size() * pause;
    if (i >= answers.size() || answers[i].empty()) continue;
    const double answer = timings.answerMs / 1000.0 + WireSeconds(static_cast<long>(answers[i].size()), timings.baud);
    time.answers += std::max(0.0, answer - pause);
  }
  time.sendDelays = pauses * timings.sendDelayMs / 1000.0;
  return time;
}
