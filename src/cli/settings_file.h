// The settings file: UTF-8 text, one "key = value" a line, '#' starts a
// comment, blank lines allowed. `read` writes it, `apply` takes it.
#pragma once
#include <nlohmann/json.hpp>
#include <string>
#include <utility>
#include <vector>

struct SettingLine {
  int line;            // 1-based
  std::string key;
  std::string value;
};

// The settings of `text`. False, with `error` naming the line, for a line
// that is no "key = value" or a key given twice.
bool ParseSettingsFile(const std::string& text, std::vector<SettingLine>& settings, std::string& error);

using KeyValues = std::vector<std::pair<std::string, std::string>>;

// "key = value" lines, after the comment lines of `header` (each prefixed "# ").
std::string FormatSettingsFile(const KeyValues& values, const std::vector<std::string>& header);

// One JSON object on a line: the values of `literalKeys` that are numbers,
// true or false as such, the empty values as null, everything else as
// strings. The values are in the program's code page.
std::string FormatJson(const KeyValues& values, const std::vector<std::string>& literalKeys);

// `value` as JSON on one line, in ASCII.
std::string JsonLine(const nlohmann::ordered_json& value);
