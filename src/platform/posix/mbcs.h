// Character handling of the program's narrow code page (932) for the POSIX
// back end: the Win32 functions it stands in for work on whole characters, and
// a trail byte may equal '\\', ']' or an ASCII letter.
#pragma once
#include <string>
#include <vector>

namespace plat {
namespace mbcs {

inline bool IsLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// The text split into characters of one or two bytes.
inline std::vector<std::string> Split(const std::string& text) {
  std::vector<std::string> chars;
  for (std::size_t i = 0; i < text.size(); ++i) {
    std::size_t len = (IsLeadByte(text[i]) && i + 1 < text.size()) ? 2 : 1;
    chars.push_back(text.substr(i, len));
    i += len - 1;
  }
  return chars;
}

inline std::string Join(const std::vector<std::string>& chars, std::size_t begin,
                        std::size_t end) {
  std::string text;
  for (std::size_t i = begin; i < end; ++i) text += chars[i];
  return text;
}

// ASCII letters compare without case; double-byte characters compare exactly.
inline bool SameCharNoCase(const std::string& a, const std::string& b) {
  if (a.size() != 1 || b.size() != 1) return a == b;
  auto lower = [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c; };
  return lower(a[0]) == lower(b[0]);
}

// Whether a backslash is a separator (plat::TakeBackslashAsSeparator).
bool BackslashSeparates();

// The text with every backslash that is a character of its own made a '/',
// while a backslash is a separator.
inline std::string ToSlashes(const std::string& path) {
  if (!BackslashSeparates()) return path;
  std::string out;
  for (const std::string& c : Split(path)) out += (c == "\\") ? std::string("/") : c;
  return out;
}

}  // namespace mbcs
}  // namespace plat
