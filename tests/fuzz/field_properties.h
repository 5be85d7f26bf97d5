// Properties of the reply-field rules that more than one fuzz target checks:
// each traps when its rule does not hold.
#pragma once
#include <algorithm>
#include <cstddef>
#include <string>

#include "link/reply_fields.h"

// A trimmed number is never longer than the characters it came from.
inline void CheckTrimNumber(const char* chars, int count) {
  if (TrimNumber(chars, count).size() > static_cast<std::size_t>(std::max(count, 0))) __builtin_trap();
}

// The zero fill of `text` has the requested width (or the text's own length,
// when that is more), ends in the text, and has only '0' before it.
inline void CheckZeroFill(const std::string& text, int width) {
  const std::string filled = ZeroFill(text, width);
  if (filled.size() != std::max(text.size(), static_cast<std::size_t>(std::max(width, 0)))) __builtin_trap();
  const std::size_t pad = filled.size() - text.size();
  if (filled.compare(pad, std::string::npos, text) != 0) __builtin_trap();
  if (filled.find_first_not_of('0') < pad) __builtin_trap();
}

// The zero fill with a width and a text chosen by the first input byte: a
// text of 0 to 15 bytes from the input, a width of 0 to 15.
inline void CheckZeroFillOfInput(const std::string& input) {
  if (input.empty()) return;
  const unsigned char choice = static_cast<unsigned char>(input[0]);
  CheckZeroFill(input.substr(1, choice / 16), choice % 16);
}
