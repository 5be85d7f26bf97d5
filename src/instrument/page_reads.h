// What the user is told when the clock or the measurement of user page 2 was
// not read (the steps of its Read, and tavo-cli's clock and monitor). The
// reads themselves are the instrument object's (instrument.h).
#pragma once

namespace inst {

struct Message {
  const char* text;
  const char* caption;
};
extern const Message kClockTextFailed;
extern const Message kMeasurementFailed;

}  // namespace inst
