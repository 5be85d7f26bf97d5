#include "log/log_names.h"

#include <cstring>

#include "platform/files.h"

namespace {

const int kDigitCount = 7;         // month, day and sequence number
const char kExtension[] = ".txt";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Names compare without case, as the file system of Windows does.
bool SameNoCase(const std::string& text, std::size_t pos, const char* expected) {
  for (std::size_t i = 0; expected[i]; ++i)
    if (Lower(text[pos + i]) != expected[i]) return false;
  return true;
}

int TwoDigits(const char* text) { return (text[0] - '0') * 10 + (text[1] - '0'); }

}  // namespace

char LogKindLetter(LogKind kind) { return kind == LogKind::Log ? 'L' : 'E'; }

CString LogFileName(LogKind kind, int month, int day, int sequence) {
  CString name;
  name.Format("%c%02d%02d%03d.txt", LogKindLetter(kind), month, day, sequence);
  return name;
}

CString InLogDirectory(const CString& dir, const CString& name) {
  CString path = dir;
  path += plat::PathSeparator();
  path += name;
  return path;
}

bool ParseLogFileName(const CString& name, LogNameDate& date) {
  const std::string& text = name.str();
  if (text.size() != 1 + kDigitCount + std::strlen(kExtension)) return false;
  if (!SameNoCase(text, 0, "l") && !SameNoCase(text, 0, "e")) return false;
  for (int i = 1; i <= kDigitCount; ++i)
    if (!IsDigit(text[i])) return false;
  if (!SameNoCase(text, 1 + kDigitCount, kExtension)) return false;
  date.month = TwoDigits(&text[1]);
  date.day = TwoDigits(&text[3]);
  return true;
}
