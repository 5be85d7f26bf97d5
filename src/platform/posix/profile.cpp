// The profile reader of the POSIX build. It follows the Win32 reader step by
// step: the file is cut into lines at every run of CR and LF, a line in
// brackets starts a section, the first '=' splits a key line, and a lookup
// takes the first section of that name and the first key in it.
#include "platform/profile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

#include "platform/posix/mbcs.h"

namespace plat {
namespace {

using Chars = std::vector<std::string>;

// Blanks as the Win32 reader trims them: ASCII white space and Ctrl-Z (the
// ideographic space stays).
bool IsBlank(const std::string& c) {
  unsigned char b = c[0];
  return c.size() == 1 && (b == ' ' || (b >= '\t' && b <= '\r') || b == 0x1A);
}

Chars Trim(const Chars& chars, std::size_t begin, std::size_t end) {
  while (begin < end && IsBlank(chars[begin])) ++begin;
  while (end > begin && IsBlank(chars[end - 1])) --end;
  return Chars(chars.begin() + begin, chars.begin() + end);
}

bool SameNoCase(const Chars& a, const Chars& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (!mbcs::SameCharNoCase(a[i], b[i])) return false;
  return true;
}

std::size_t Find(const Chars& chars, const char* c) {
  for (std::size_t i = 0; i < chars.size(); ++i)
    if (chars[i] == c) return i;
  return chars.size();
}

// The lines of the file, blanks trimmed, empty ones dropped.
std::vector<Chars> Lines(const std::string& text) {
  std::vector<Chars> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string::npos) end = text.size();
    Chars line = mbcs::Split(text.substr(pos, end - pos));
    line = Trim(line, 0, line.size());
    if (!line.empty()) lines.push_back(line);
    pos = text.find_first_not_of("\r\n", end);
    if (pos == std::string::npos) break;
  }
  return lines;
}

// The name of a section header line; false when the line is no header.
bool SectionName(const Chars& line, Chars& name) {
  if (line[0] != "[") return false;
  std::size_t close = line.size();
  while (close > 0 && line[close - 1] != "]") --close;
  if (close == 0) return false;   // no ']': the line counts as a key line
  name = Trim(line, 1, close - 1);
  return true;
}

// Looks the key up in the lines of a file. False when it is missing or has no '='.
bool LookUp(const std::vector<Chars>& lines, const Chars& section, const Chars& key,
            Chars& value) {
  bool inFirstMatch = section.empty();   // keys before any header belong to ""
  for (const Chars& line : lines) {
    Chars name;
    if (SectionName(line, name)) {
      if (inFirstMatch) return false;    // only the first section of that name counts
      inFirstMatch = SameNoCase(name, section);
      continue;
    }
    if (!inFirstMatch) continue;
    std::size_t eq = Find(line, "=");
    if (!SameNoCase(Trim(line, 0, eq), key)) continue;
    if (eq == line.size()) return false;
    value = Trim(line, eq + 1, line.size());
    return true;
  }
  return false;
}

// Reads the file. False with errno set when it cannot be read (a directory
// cannot, as on Windows); ENOENT only when the directory exists but the file
// does not, as ERROR_FILE_NOT_FOUND.
bool ReadAll(const std::string& path, std::string& text) {
  std::string unixPath = mbcs::ToSlashes(path);
  int fd = open(unixPath.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (errno != ENOENT) return false;
    std::size_t slash = unixPath.rfind('/');
    std::string dir = slash == std::string::npos ? "." : unixPath.substr(0, slash + 1);
    struct stat st;
    errno = (stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) ? ENOENT : ENOTDIR;
    return false;
  }
  struct stat st;
  if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    close(fd);
    errno = EISDIR;
    return false;
  }
  char buf[4096];
  ssize_t n;
  while ((n = read(fd, buf, sizeof buf)) > 0) text.append(buf, n);
  close(fd);
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
  return true;
}

// The first `len` - 1 characters, with the Win32 reader's handling of quotes:
// matching quotes are dropped, and when the text fills the buffer exactly the
// reader drops the last character instead of the closing quote.
Chars CopyEntry(Chars value, std::size_t len) {
  bool quoted = value.size() > 1 && (value[0] == "\"" || value[0] == "'") &&
                value.back() == value[0];
  if (quoted) value.erase(value.begin());
  Chars out(value.begin(), value.begin() + std::min(value.size(), len ? len - 1 : 0));
  if (quoted && len >= value.size() && !out.empty()) out.pop_back();
  return out;
}

// The default without its trailing spaces (the first character always stays).
Chars TrimDefault(const char* def) {
  Chars chars = mbcs::Split(def ? def : "");
  while (chars.size() > 1 && chars.back() == " ") chars.pop_back();
  return chars;
}

// The value as the wide-character Win32 reader gives it, at most `len` - 1 characters.
Chars ReadValue(const char* section, const char* key, const char* def, std::size_t len,
                const std::string& path) {
  Chars fallback = TrimDefault(def);
  std::string text;
  if (!ReadAll(path, text) && errno != ENOENT)
    return Chars(fallback.begin(), fallback.begin() + std::min(fallback.size(), len - 1));
  Chars value;
  Chars sec = mbcs::Split(section), k = mbcs::Split(key);
  sec = Trim(sec, 0, sec.size());
  k = Trim(k, 0, k.size());
  if (!LookUp(Lines(text), sec, k, value)) value = fallback;
  return CopyEntry(value, len);
}

// RtlUnicodeStringToInteger with base 0, as GetPrivateProfileIntA applies it.
int ParseInt(const Chars& text) {
  std::size_t i = 0;
  while (i < text.size() && text[i].size() == 1 && static_cast<unsigned char>(text[i][0]) <= ' ') ++i;
  bool minus = false;
  if (i < text.size() && (text[i] == "+" || text[i] == "-")) minus = text[i++] == "-";
  unsigned base = 10;
  if (i + 1 < text.size() && text[i] == "0") {
    const std::string& p = text[i + 1];
    base = p == "b" ? 2 : p == "o" ? 8 : p == "x" ? 16 : 10;
    if (base != 10) i += 2;
  }
  std::uint32_t total = 0;
  for (; i < text.size() && text[i].size() == 1; ++i) {
    char c = text[i][0];
    unsigned digit = (c >= '0' && c <= '9') ? c - '0'
                     : (c >= 'A' && c <= 'Z') ? c - 'A' + 10
                     : (c >= 'a' && c <= 'z') ? c - 'a' + 10 : 99;
    if (digit >= base) break;
    total = total * base + digit;
  }
  return static_cast<int>(minus ? 0u - total : total);
}

}  // namespace

int GetProfileInt(const char* section, const char* key, int def, const std::string& path) {
  Chars value = ReadValue(section, key, "", 30, path);
  return value.empty() ? def : ParseInt(value);
}

std::string GetProfileString(const char* section, const char* key, const char* def,
                             unsigned bufferSize, const std::string& path) {
  if (bufferSize == 0) return std::string();
  Chars value = ReadValue(section, key, def, bufferSize, path);
  // The narrow copy holds whole characters only, within bufferSize - 1 bytes.
  std::string out;
  for (const std::string& c : value) {
    if (out.size() + c.size() > bufferSize - 1) break;
    out += c;
  }
  return out;
}

}  // namespace plat
