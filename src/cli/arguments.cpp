#include "cli/arguments.h"

#include <algorithm>
#include <cstring>

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

namespace {

const KnownOption* FindKnownOption(const std::vector<KnownOption>& known, const std::string& name) {
  for (const KnownOption& option : known)
    if (name == option.name) return &option;
  return nullptr;
}

}  // namespace

bool ParseArguments(int argc, char** argv, int first, const std::vector<KnownOption>& known, Arguments& args,
                    std::string& error) {
  for (int i = first; i < argc; ++i) {
    std::string word = argv[i];
    if (word.size() < 2 || word[0] != '-') {
      args.operands.push_back(word);
      continue;
    }
    std::string value;
    bool inlineValue = false;
    if (size_t eq = word.find('='); word.rfind("--", 0) == 0 && eq != std::string::npos) {
      value = word.substr(eq + 1);
      word = word.substr(0, eq);
      inlineValue = true;
    }
    const KnownOption* option = FindKnownOption(known, word);
    if (!option) {
      error = "unknown option " + word;
      return false;
    }
    if (!option->takesValue) {
      if (inlineValue) {
        error = word + " takes no value";
        return false;
      }
      args.flags.push_back(word);
      continue;
    }
    if (!inlineValue) {
      if (i + 1 >= argc) {
        error = word + " needs a value";
        return false;
      }
      value = argv[++i];
    }
    args.values[word] = value;
    args.lists[word].push_back(value);
  }
  return true;
}
