#include "cli/settings_file.h"

#include <map>

namespace {

std::string Trim(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  const size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// True for text in UTF-16: a byte order mark of UTF-16, or a first character with a zero byte.
bool IsUtf16(const std::string& text) {
  if (text.rfind("\xFF\xFE", 0) == 0 || text.rfind("\xFE\xFF", 0) == 0) return true;
  return text.size() >= 2 && (text[0] == '\0') != (text[1] == '\0');
}

// The first control character (a NUL among them) in `text`, or npos.
size_t ControlCharacter(const std::string& text) {
  for (size_t i = 0; i < text.size(); ++i)
    if (static_cast<unsigned char>(text[i]) < 0x20 || text[i] == 0x7F) return i;
  return std::string::npos;
}

}  // namespace

std::string Describe(const std::string& path, const FileProblem& problem) {
  if (problem.line == 0) return path + ": " + problem.reason;
  return path + ":" + std::to_string(problem.line) + ": " + (problem.key.empty() ? "" : problem.key + ": ") +
         problem.reason;
}

bool ParseSettingsFile(const std::string& text, std::vector<SettingLine>& settings,
                       std::vector<FileProblem>& problems) {
  if (IsUtf16(text)) {
    problems.push_back({0, "", "the file is UTF-16 (Notepad's \"Unicode\"); save it as UTF-8"});
    return false;
  }
  std::map<std::string, int> lineOfKey;
  int lineNo = 0;
  for (size_t start = 0; start <= text.size(); ++lineNo) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    if (lineNo == 0 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);   // a UTF-8 byte order mark
    if (size_t hash = line.find('#'); hash != std::string::npos) line.erase(hash);
    line = Trim(line);
    if (line.empty()) continue;
    const size_t eq = line.find('=');
    const std::string key = Trim(line.substr(0, eq));
    const std::string value = eq == std::string::npos ? "" : Trim(line.substr(eq + 1));
    if (eq == std::string::npos || key.empty()) {
      problems.push_back({lineNo + 1, key, "expected key = value"});
    } else if (const auto [earlier, isNew] = lineOfKey.emplace(key, lineNo + 1); !isNew) {
      problems.push_back({lineNo + 1, key, "given on line " + std::to_string(earlier->second) + " as well"});
    } else if (ControlCharacter(key + value) != std::string::npos) {
      problems.push_back({lineNo + 1, key, "a control character (such as NUL or a tab) in the line"});
    } else {
      settings.push_back({lineNo + 1, key, value});
    }
  }
  return problems.empty();
}

std::string FormatSettingsFile(const KeyValues& values, const std::vector<std::string>& header) {
  std::string out;
  for (const std::string& comment : header) out += "# " + comment + "\n";
  for (const auto& [key, value] : values) out += key + " = " + value + "\n";
  return out;
}
