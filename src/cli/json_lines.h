// tavo-cli's JSON output: one object or array a line, in ASCII.
#pragma once
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/exit_status.h"
#include "cli/key_values.h"

// One JSON object on a line: the values of `literalKeys` that are numbers,
// true or false as such, the empty values as null, everything else as
// strings. The values are in the program's code page.
std::string FormatJson(const KeyValues& values, const std::vector<std::string>& literalKeys);

// `value` as JSON on one line, in ASCII.
std::string JsonLine(const nlohmann::ordered_json& value);

// The one JSON value in `printed` (what a command printed with --json), or
// null when it printed none (or anything else).
nlohmann::ordered_json PrintedJson(const std::string& printed);

// A command's JSON over one port: the object it printed and, when `status`
// is a failure, its "status", "failure" (FailureKind) and "reason" (`reason`,
// in the program's code page; the status's words when empty): one object on
// one line, also when the command printed none.
std::string OnePortJson(const std::string& printed, ExitStatus status, const std::string& reason);

// One port's object of the JSON array over several: "port" (null when
// empty), "status", "outcome", "failure" and "reason" (null on success) and
// "result", the command's object (null when it printed none).
nlohmann::ordered_json PortRunJson(const std::string& port, ExitStatus status, const std::string& outcome,
                                   const std::string& reason, const std::string& printed);
