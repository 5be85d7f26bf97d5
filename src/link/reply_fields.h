// The shared conversions between reply fields, page texts and frame fields.
// Pure functions: reply fields are copied out of the reply buffer under the
// reply-buffer lock before they are used here.
#pragma once
#include <cstdint>
#include <string>

// Number trimming: drops leading zeros from the `count` characters at `chars`,
// keeping a leading '-' and one zero before a decimal point; a field of zeros
// only is returned whole; zero bytes are left out; trailing characters are
// never touched. "028.5" gives "28.5", "-00.5" gives "-0.5", "000" stays.
std::string TrimNumber(const char* chars, int count);
inline std::string TrimNumber(const std::string& chars) {
  return TrimNumber(chars.data(), static_cast<int>(chars.size()));
}

// The characters of the signed value field whose sign is at `signPosition`
// of `reply`, with `n` value characters after it: the sign and the value when
// the sign is '-', the value alone otherwise. Pass the result to TrimNumber.
std::string ReadSignedField(const std::uint8_t* reply, int signPosition, int n);

// The hexadecimal digit of a list selection: index 0-15 gives '0'-'9', 'A'-'F'.
// False for an index without a digit (no selection, or beyond 15): there is
// then nothing to send.
bool SelectionDigit(int index, char& digit);

// Zero fill: `text` right-aligned in `width` characters with '0' on the left;
// a text of `width` characters or more is returned unchanged, never cut.
std::string ZeroFill(const std::string& text, int width);
