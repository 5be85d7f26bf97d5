// The time the protocol itself takes for the frames of a sequence: what no
// implementation could save at the given timings.
#pragma once
#include <string>
#include <vector>

struct LineTimings {
  int sleepTimeMs;   // after every byte the tool writes
  int sendDelayMs;   // between two commands of a sequence
  int baud;          // the line's rate: 10 bits a byte
  int answerMs;      // the instrument's time before each answer
};

struct ProtocolTime {
  double bytePauses = 0;   // seconds of SleepTime pauses
  double sendDelays = 0;   // seconds of SendDelay pauses
  double answers = 0;      // seconds the answers take beyond the pause after the last byte
  double Total() const { return bytePauses + sendDelays + answers; }
};

// The protocol time of `frames` (the tool's frames as the instrument got
// them; `answers` the instrument's answer to each) with `pauses` SendDelay
// pauses. The instrument answers while the tool pauses after a frame's last
// byte, so an answer (its time and its bytes on the wire) counts only where
// it takes longer than that pause. The wire time of the tool's own bytes
// lies within its byte pauses (a byte takes about 1 ms at 9600 bit/s).
ProtocolTime ProtocolTimeOf(const std::vector<std::string>& frames, const std::vector<std::string>& answers,
                            int pauses, const LineTimings& timings);

// Seconds that `bytes` take on the wire at `baud`.
double WireSeconds(long bytes, int baud);
