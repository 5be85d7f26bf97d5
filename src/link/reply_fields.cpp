#include "link/reply_fields.h"

namespace {

const char kHexDigits[] = "0123456789ABCDEF";

// Where copying starts, or `count` when only zeros follow `start`.
int FirstSignificant(const char* chars, int start, int count) {
  for (int i = start; i < count; ++i) {
    if (chars[i] == '.' && i > start && chars[i - 1] == '0') return i - 1;
    if (chars[i] != '0') return i;
  }
  return count;
}

void AppendWithoutZeroBytes(std::string& out, const char* chars, int from, int count) {
  for (int i = from; i < count; ++i)
    if (chars[i] != '\0') out += chars[i];
}

}  // namespace

std::string TrimNumber(const char* chars, int count) {
  std::string result;
  if (count <= 0) return result;
  int start = chars[0] == '-' ? 1 : 0;
  if (start == 1) result += '-';
  int from = FirstSignificant(chars, start, count);
  if (from == count) from = start;   // zeros only: the field stays whole
  AppendWithoutZeroBytes(result, chars, from, count);
  return result;
}

std::string ReadSignedField(const std::uint8_t* reply, int signPosition, int n) {
  const char* field = reinterpret_cast<const char*>(reply) + signPosition;
  if (field[0] == '-') return std::string(field, n + 1);
  return std::string(field + 1, n);
}

bool SelectionDigit(int index, char& digit) {
  if (index < 0 || index > 15) return false;
  digit = kHexDigits[index];
  return true;
}

std::string ZeroFill(const std::string& text, int width) {
  if (static_cast<int>(text.size()) >= width) return text;
  return std::string(width - text.size(), '0') + text;
}
