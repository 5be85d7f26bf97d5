#include "cli/settings_file.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string Trim(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  const size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

std::string JsonString(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

// A number as JSON writes it: digits with at most one point inside and an
// optional minus, the leading zeros of the whole part dropped ("08" is 8).
// False for anything else.
bool JsonNumber(const std::string& text, std::string& number) {
  const size_t digits = text[0] == '-' ? 1 : 0;
  if (digits >= text.size() || text[digits] == '.' || text.back() == '.') return false;
  if (text.find_first_not_of("0123456789.", digits) != std::string::npos ||
      std::count(text.begin(), text.end(), '.') > 1) {
    return false;
  }
  size_t first = text.find_first_not_of('0', digits);
  if (first == std::string::npos) first = text.size() - 1;   // all zeros: one stays
  else if (text[first] == '.') --first;                       // one zero stays before the point
  number = text.substr(0, digits) + text.substr(first);
  return true;
}

}  // namespace

bool ParseSettingsFile(const std::string& text, std::vector<SettingLine>& settings, std::string& error) {
  int lineNo = 0;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    ++lineNo;
    if (lineNo == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);   // a UTF-8 byte order mark
    if (size_t hash = line.find('#'); hash != std::string::npos) line.erase(hash);
    line = Trim(line);
    if (line.empty()) continue;
    const size_t eq = line.find('=');
    const std::string key = eq == std::string::npos ? "" : Trim(line.substr(0, eq));
    if (key.empty()) {
      error = "line " + std::to_string(lineNo) + ": expected key = value";
      return false;
    }
    for (const SettingLine& earlier : settings) {
      if (earlier.key == key) {
        error = "line " + std::to_string(lineNo) + ": " + key + " was given on line " + std::to_string(earlier.line);
        return false;
      }
    }
    settings.push_back({lineNo, key, Trim(line.substr(eq + 1))});
  }
  return true;
}

std::string FormatSettingsFile(const KeyValues& values, const std::vector<std::string>& header) {
  std::string out;
  for (const std::string& comment : header) out += "# " + comment + "\n";
  for (const auto& [key, value] : values) out += key + " = " + value + "\n";
  return out;
}

std::string FormatJson(const KeyValues& values, const std::vector<std::string>& literalKeys) {
  std::string out = "{";
  for (size_t i = 0; i < values.size(); ++i) {
    const auto& [key, value] = values[i];
    const bool literal = std::find(literalKeys.begin(), literalKeys.end(), key) != literalKeys.end();
    out += (i ? ", " : "") + JsonString(key) + ": ";
    if (value.empty()) {
      out += "null";
    } else if (std::string number; literal && JsonNumber(value, number)) {
      out += number;
    } else if (literal && (value == "true" || value == "false")) {
      out += value;
    } else {
      out += JsonString(value);
    }
  }
  return out + "}\n";
}
