// The forms in which the command line shows the instrument's texts and times.
#pragma once
#include <string>

#include "platform/clock.h"

// A text the instrument pads with blanks, without them.
std::string Unpadded(std::string text);

// A measurement as the instrument writes one: an optional sign, digits, and
// digits after a point if there is one.
bool IsMeasuredNumber(const std::string& text);

// This computer's local time.
plat::LocalTime PcClock();
// A date and time as the command line shows it: "YYYY-MM-DD hh:mm:ss".
std::string DateTimeText(const plat::LocalTime& value);
// This computer's local time as text.
inline std::string Now() { return DateTimeText(PcClock()); }
// A difference in seconds with its sign: "+42 s" below a minute, else in
// hours, minutes and seconds: "-3 min 05 s", "+1 h 02 min 05 s".
std::string DriftText(long long seconds);
