// The conversions between the settings' wire fields and the page values on
// arbitrary text: no overflow, and a clock that parses formats back to the
// same twelve digits.
#include <cstddef>
#include <cstdint>
#include <string>

#include "commands/setting_values.h"
#include "link/reply_fields.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  for (char c : text) DigitValue(c);
  for (int width = 0; width <= 9; ++width) {
    int value = 0;
    if (LeadingNumber(text, width, value) && IoTIntervalItem(value) > 8) __builtin_trap();
  }
  fw::DateTime clock{};
  if (ParseClockDigits(text, clock)) {
    std::string digits;
    if (!ClockDigits(clock, digits) || digits != text) __builtin_trap();
  }
  if (size >= 2) {
    const int width = data[0] % 16;
    if (2 + width <= static_cast<int>(size)) ReadSignedField(data, 1, width);
    char digit;
    SelectionDigit(static_cast<int>(static_cast<std::int8_t>(data[1])), digit);
  }
  ZeroFill(text, static_cast<int>(size % 12));
  return 0;
}
