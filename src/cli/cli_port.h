// The port under tavo-cli's link: the system's serial port, which keeps why
// it could not be opened in `openError` (for the message that names the
// port), and with `trace` (--verbose) prints each whole frame on standard
// error with the local time of its last byte, ">" for sent and "<" for
// received, the control bytes named ("12:00:01.250 > <STX>$Q<ETX>"); with
// `namePort` (several ports side by side) the port's name before the arrow
// ("12:00:01.250 COM7 > <STX>$Q<ETX>").
#pragma once
#include <memory>
#include <string>

#include "link/line_port.h"

std::unique_ptr<LinePort> MakeCliPort(bool trace, bool namePort, std::shared_ptr<std::string> openError);
