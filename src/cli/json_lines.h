// tavo-cli's JSON output: one object or array a line, in ASCII.
#pragma once
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/key_values.h"

// One JSON object on a line: the values of `literalKeys` that are numbers,
// true or false as such, the empty values as null, everything else as
// strings. The values are in the program's code page.
std::string FormatJson(const KeyValues& values, const std::vector<std::string>& literalKeys);

// `value` as JSON on one line, in ASCII.
std::string JsonLine(const nlohmann::ordered_json& value);
