#include "cli/ini_check.h"

#include <cctype>
#include <cstdlib>

#include "cli/input_file.h"
#include "cli/output.h"
#include "platform/console.h"
#include "platform/files.h"

namespace {

struct CommRule {
  const char* key;
  long long low, high;
  const char* what;   // what a value out of [low, high] is not
};

// The profile reader takes the leading digits of a value and hands the line
// settings to the port unchecked; these are the values that mean something.
const CommRule kCommRules[] = {
    {"BaudRate", 1, 2147483647, "a line speed (bit/s above 0)"},
    {"Parity", 0, 4, "a parity code (0 none, 1 odd, 2 even, 3 mark, 4 space)"},
    {"StopBits", 0, 2, "a stop-bit code (0 one, 1 one and a half, 2 two)"},
    {"DataBits", 5, 8, "a number of data bits (5 to 8)"},
    {"TimeOut", -2147483648LL, 2147483647, "a whole number of milliseconds"},
    {"SendDelay", -2147483648LL, 2147483647, "a whole number of milliseconds"},
    {"SleepTime", -2147483648LL, 2147483647, "a whole number of milliseconds"},
};

std::string Trim(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

bool SameName(const std::string& a, const char* b) {
  size_t i = 0;
  for (; i < a.size() && b[i]; ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return i == a.size() && !b[i];
}

// Whether `value` is a whole number, with a sign or none, that fits in 32 bits.
bool WholeNumber(const std::string& value, long long& number) {
  const size_t digits = value.empty() || (value[0] != '-' && value[0] != '+') ? 0 : 1;
  if (value.size() == digits || value.size() > digits + 10 ||
      value.find_first_not_of("0123456789", digits) != std::string::npos)
    return false;
  number = std::atoll(value.c_str());
  return number >= -2147483648LL && number <= 2147483647LL;
}

}  // namespace

std::vector<std::string> CommValueProblems(const std::string& path, const std::string& text) {
  std::vector<std::string> problems;
  bool inComm = false;
  int lineNo = 0;
  for (size_t start = 0; start < text.size(); ++lineNo) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    if (lineNo == 0 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);   // a UTF-8 byte order mark
    line = Trim(line);
    if (!line.empty() && line[0] == '[') {
      const size_t close = line.find(']');
      inComm = close != std::string::npos && SameName(Trim(line.substr(1, close - 1)), "COMM");
      continue;
    }
    const size_t eq = line.find('=');
    if (!inComm || eq == std::string::npos || line[0] == ';') continue;
    const std::string key = Trim(line.substr(0, eq)), value = Trim(line.substr(eq + 1));
    for (const CommRule& rule : kCommRules) {
      if (!SameName(key, rule.key)) continue;
      long long number = 0;
      std::string reason;
      if (!WholeNumber(value, number)) reason = (value.empty() ? "no value" : value) + std::string(" is no whole number");
      else if (number < rule.low || number > rule.high) reason = value + " is not " + rule.what;
      if (!reason.empty())
        problems.push_back(path + ":" + std::to_string(lineNo + 1) + ": " + rule.key + ": " + reason);
    }
  }
  return problems;
}

bool CheckCommValues(const std::string& iniFile) {
  const std::string path = iniFile.empty() ? "TAVO.ini" : iniFile;
  if (iniFile.empty() && plat::KindOf(path) != plat::FileKind::Regular) return true;   // the defaults, as TAVO.exe
  std::string text, error;
  if (!ReadInputFile(path, text, error)) {
    PrintError(error);
    return false;
  }
  const std::vector<std::string> problems = CommValueProblems(plat::FromArgument(path), text);
  for (const std::string& problem : problems) PrintError(problem);
  return problems.empty();
}
