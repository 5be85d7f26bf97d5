// Conversions between the settings' wire fields and the values of the page
// controls, shared by the settings commands. Pure functions.
#pragma once
#include <string>

#include "platform/clock.h"

bool IsDecimalDigit(char c);

// A one-character reply field read as a number: its digit, 0 for any other byte.
int DigitValue(char c);

// The number that the leading decimal digits of `text` give ("10分" gives 10,
// an empty text 0). False when it needs more than `width` digits, so that a
// fixed-width field can always hold it.
bool LeadingNumber(const std::string& text, int width, int& value);

// The years the instrument's clock keeps: its two-digit year YY is the year
// kFirstClockYear + YY (kFirstClockYear is a whole century).
constexpr int kFirstClockYear = 2000;
constexpr int kLastClockYear = kFirstClockYear + 99;

// The clock field YYMMDDhhmmss of `value`. False for a year outside
// kFirstClockYear-kLastClockYear: the instrument's two-digit year cannot carry it.
bool ClockDigits(const plat::LocalTime& value, std::string& digits);

// The date and time of a clock field YYMMDDhhmmss (the year being kFirstClockYear + YY).
// False when a field is not two digits or the date and time do not exist.
bool ParseClockDigits(const std::string& digits, plat::LocalTime& value);
