// The settings file: UTF-8 text, one "key = value" a line, '#' starts a
// comment, blank lines allowed. `read` writes it, `apply` takes it.
#pragma once
#include <string>
#include <vector>

#include "cli/key_values.h"

struct SettingLine {
  int line;            // 1-based
  std::string key;
  std::string value;
};

// What is wrong with a file, on one line of it or (line 0) with the whole.
struct FileProblem {
  int line;            // 1-based; 0 for the whole file
  std::string key;     // empty when the line has none
  std::string reason;
};

// "PATH:LINE: KEY: reason", the one form of every message about a file ("PATH: reason" for the whole file).
std::string Describe(const std::string& path, const FileProblem& problem);

// The settings of `text`. False, with every problem in `problems`, for text
// in UTF-16, a line that is no "key = value", a key given twice, or a
// control character (a NUL among them) in a line.
bool ParseSettingsFile(const std::string& text, std::vector<SettingLine>& settings,
                       std::vector<FileProblem>& problems);

// "key = value" lines, after the comment lines of `header` (each prefixed "# ").
std::string FormatSettingsFile(const KeyValues& values, const std::vector<std::string>& header);
