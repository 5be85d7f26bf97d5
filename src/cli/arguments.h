// The command line of tavo-cli as a command sees it: its operands and the
// options given, by the name its usage shows ("--port", "-o"). The global
// options (--port, --ini, --json, --quiet, --verbose) are among them, given
// before or after the command.
#pragma once
#include <map>
#include <string>
#include <vector>

struct Arguments {
  std::string command;
  std::vector<std::string> operands;
  std::map<std::string, std::string> values;   // options with a value: the last one given
  std::map<std::string, std::vector<std::string>> lists;   // every value given, in order
  std::vector<std::string> flags;              // options without one

  bool Has(const std::string& flag) const;
  // The value of `option`, or `fallback` when it was not given.
  std::string Value(const std::string& option, const std::string& fallback = "") const;
  // Every value of an option given several times (--port), in order.
  std::vector<std::string> Values(const std::string& option) const;
};
