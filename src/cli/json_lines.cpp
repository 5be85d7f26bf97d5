#include "cli/json_lines.h"

#include <algorithm>

#include "platform/console.h"

namespace {

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

std::string FormatJson(const KeyValues& values, const std::vector<std::string>& literalKeys) {
  nlohmann::ordered_json object = nlohmann::ordered_json::object();
  for (const auto& [key, value] : values) {
    const bool literal = std::find(literalKeys.begin(), literalKeys.end(), key) != literalKeys.end();
    nlohmann::ordered_json& field = object[key];
    if (value.empty()) {
      field = nullptr;
    } else if (std::string number; literal && JsonNumber(value, number)) {
      field = nlohmann::ordered_json::parse(number);
    } else if (literal && (value == "true" || value == "false")) {
      field = value == "true";
    } else {
      field = plat::ToUtf8(value);
    }
  }
  return JsonLine(object);
}

std::string JsonLine(const nlohmann::ordered_json& value) {
  // ASCII only (the rest as \u escapes), whatever the console's encoding;
  // bytes that are no UTF-8 become U+FFFD rather than an exception.
  return value.dump(-1, ' ', true, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

nlohmann::ordered_json PrintedJson(const std::string& printed) {
  nlohmann::ordered_json value = nlohmann::ordered_json::parse(printed, nullptr, false);
  return value.is_discarded() ? nlohmann::ordered_json(nullptr) : value;
}

namespace {

std::string ReasonText(ExitStatus status, const std::string& reason) {
  return plat::ToUtf8(reason.empty() ? std::string(StatusWords(status)) : reason);
}

}  // namespace

std::string OnePortJson(const std::string& printed, ExitStatus status, const std::string& reason) {
  nlohmann::ordered_json object = PrintedJson(printed);
  if (!object.is_object()) object = nlohmann::ordered_json::object();
  if (IsFailure(status)) {
    object["status"] = static_cast<int>(status);
    object["failure"] = FailureKind(status);
    object["reason"] = ReasonText(status, reason);
  }
  return JsonLine(object);
}

nlohmann::ordered_json PortRunJson(const std::string& port, ExitStatus status, const std::string& outcome,
                                   const std::string& reason, const std::string& printed) {
  const bool failed = IsFailure(status);
  nlohmann::ordered_json result = PrintedJson(printed);
  return {{"port", port.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(plat::ToUtf8(port))},
          {"status", static_cast<int>(status)},
          {"outcome", plat::ToUtf8(outcome)},
          {"failure", failed ? nlohmann::ordered_json(FailureKind(status)) : nlohmann::ordered_json(nullptr)},
          {"reason", failed ? nlohmann::ordered_json(ReasonText(status, reason)) : nlohmann::ordered_json(nullptr)},
          {"result", result.is_object() ? result : nlohmann::ordered_json(nullptr)}};
}
