// Settings as tavo-cli prints and takes them: key and value texts, in order.
#pragma once
#include <string>
#include <utility>
#include <vector>

using KeyValues = std::vector<std::pair<std::string, std::string>>;
