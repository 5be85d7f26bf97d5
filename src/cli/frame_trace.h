// The frames on the line, for --verbose: a port that passes every byte on to
// the system's serial port and prints each whole frame on standard error with
// the local time of its last byte, ">" for sent and "<" for received, the
// control bytes named ("12:00:01.250 > <STX>$Q<ETX>").
#pragma once
#include <memory>

#include "link/line_port.h"

std::unique_ptr<LinePort> MakeTracingPort();
