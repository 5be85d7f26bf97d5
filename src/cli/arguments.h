// The command line of tavo-cli: a command, its operands and its options, each
// option known to the command (see the table in main.cpp).
#pragma once
#include <map>
#include <string>
#include <vector>

struct KnownOption {
  const char* name;   // "--port", "-o"
  bool takesValue;
};

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

// Splits argv[first..] into operands and the options of `known`. False, with
// `error` set, for an unknown option or an option without its value.
bool ParseArguments(int argc, char** argv, int first, const std::vector<KnownOption>& known, Arguments& args,
                    std::string& error);
