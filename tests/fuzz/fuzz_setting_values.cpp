// The conversions between the settings' wire fields and the page values on
// arbitrary text: no overflow; a digit reads as itself; a leading number is
// the input's own leading digits and fits its width; an IoT interval item
// shows its value in the page's list; a clock that parses formats back to the
// same twelve digits; a selection digit is the hexadecimal digit of its index;
// signed, trimmed and zero-filled fields of the lengths their rules give.
#include <cstddef>
#include <cstdint>
#include <string>

#include "instrument/catalogue.h"
#include "instrument/setting_values.h"
#include "fuzz/field_properties.h"
#include "link/reply_fields.h"

namespace {

void CheckDigit(char c) {
  const int value = DigitValue(c);
  if (IsDecimalDigit(c) ? value != c - '0' : value != 0) __builtin_trap();
}

// The input's leading digits without their leading zeros.
std::string SignificantLeadingDigits(const std::string& text) {
  std::size_t end = 0;
  while (end < text.size() && IsDecimalDigit(text[end])) ++end;
  std::size_t first = 0;
  while (first < end && text[first] == '0') ++first;
  return text.substr(first, end - first);
}

void CheckIoTInterval(int minutes) {
  const inst::Setting& setting = *inst::FindSetting("iot_interval");
  const int item = inst::MinutesItem(setting, minutes);
  if (item < 0) return;
  const char* const* list = setting.items;   // the page's list
  for (int i = 0; i < item; ++i)
    if (!list[i]) __builtin_trap();   // an item beyond the list
  int shown = 0;
  if (!list[item] || !LeadingNumber(list[item], 3, shown) || shown != minutes) __builtin_trap();
}

void CheckLeadingNumber(const std::string& text, int width) {
  const std::string digits = SignificantLeadingDigits(text);
  int value = -1;
  const bool fits = LeadingNumber(text, width, value);
  if (fits != (digits.size() <= static_cast<std::size_t>(width))) __builtin_trap();
  if (!fits) return;
  if (std::to_string(value) != (digits.empty() ? "0" : digits)) __builtin_trap();
  CheckIoTInterval(value);
}

void CheckSignedField(const std::uint8_t* reply, int width) {
  const std::string field = ReadSignedField(reply, 1, width);
  const bool negative = reply[1] == '-';
  if (field.size() != static_cast<std::size_t>(negative ? width + 1 : width)) __builtin_trap();
  if (negative && field[0] != '-') __builtin_trap();
  CheckTrimNumber(field.data(), static_cast<int>(field.size()));
}

void CheckSelectionDigit(int index) {
  char digit = 0;
  const bool hasDigit = SelectionDigit(index, digit);
  if (hasDigit != (index >= 0 && index <= 15)) __builtin_trap();
  if (hasDigit && digit != "0123456789ABCDEF"[index]) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  for (char c : text) CheckDigit(c);
  for (int width = 0; width <= 9; ++width) CheckLeadingNumber(text, width);
  plat::LocalTime clock{};
  if (ParseClockDigits(text, clock)) {
    std::string digits;
    if (!ClockDigits(clock, digits) || digits != text) __builtin_trap();
  }
  if (size >= 2) {
    const int width = data[0] % 16;
    if (2 + width <= static_cast<int>(size)) CheckSignedField(data, width);
    CheckSelectionDigit(static_cast<int>(static_cast<std::int8_t>(data[1])));
  }
  CheckZeroFillOfInput(text);
  return 0;
}
