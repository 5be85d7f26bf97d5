#include "cli/arguments.h"

#include <algorithm>

bool Arguments::Has(const std::string& flag) const {
  return std::find(flags.begin(), flags.end(), flag) != flags.end() || values.count(flag) != 0;
}

std::string Arguments::Value(const std::string& option, const std::string& fallback) const {
  auto found = values.find(option);
  return found == values.end() ? fallback : found->second;
}

std::vector<std::string> Arguments::Values(const std::string& option) const {
  auto found = lists.find(option);
  return found == lists.end() ? std::vector<std::string>() : found->second;
}
