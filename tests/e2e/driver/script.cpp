#include "script.h"

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

std::wstring Widen(const std::string& utf8) {
  if (utf8.empty()) return L"";
  int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring out(n, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &out[0], n);
  return out;
}

std::string Narrow(const std::wstring& text) {
  if (text.empty()) return "";
  int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(n, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], n, nullptr, nullptr);
  return out;
}

namespace {

// ${NAME} replaced by the environment variable NAME; false when it is not set.
bool Expand(std::wstring& word, std::string& error) {
  for (size_t at = word.find(L"${"); at != std::wstring::npos; at = word.find(L"${", at)) {
    size_t end = word.find(L'}', at);
    if (end == std::wstring::npos) break;
    std::wstring name = word.substr(at + 2, end - at - 2);
    const wchar_t* value = _wgetenv(name.c_str());
    if (!value) {
      error = "environment variable " + Narrow(name) + " is not set";
      return false;
    }
    word.replace(at, end - at + 1, value);
    at += std::wcslen(value);
  }
  return true;
}

// Splits one line into words; false on an unclosed quote.
bool SplitWords(const std::wstring& line, std::vector<std::wstring>& words) {
  size_t i = 0;
  while (i < line.size()) {
    if (line[i] == L' ' || line[i] == L'\t') { ++i; continue; }
    std::wstring word;
    if (line[i] == L'"') {
      size_t end = line.find(L'"', i + 1);
      if (end == std::wstring::npos) return false;
      word = line.substr(i + 1, end - i - 1);
      i = end + 1;
    } else {
      size_t end = line.find_first_of(L" \t", i);
      if (end == std::wstring::npos) end = line.size();
      word = line.substr(i, end - i);
      i = end;
    }
    words.push_back(word);
  }
  return true;
}

}  // namespace

bool ReadScript(const std::string& path, std::vector<Step>& steps, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot read " + path;
    return false;
  }
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') continue;   // a blank line or a comment
    Step step;
    step.line = number;
    if (!SplitWords(Widen(line), step.words)) {
      error = path + ":" + std::to_string(number) + ": unclosed quote";
      return false;
    }
    for (std::wstring& word : step.words)
      if (!Expand(word, error)) {
        error = path + ":" + std::to_string(number) + ": " + error;
        return false;
      }
    if (!step.words.empty()) steps.push_back(step);
  }
  return true;
}

bool ReadControlIds(const std::string& path, std::map<std::wstring, int>& ids, std::string& error) {
  std::ifstream in(path);
  if (!in) {
    error = "cannot read " + path;
    return false;
  }
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string define, name, value;
    if (!(words >> define >> name >> value) || define != "#define") continue;
    char* end = nullptr;
    long id = std::strtol(value.c_str(), &end, 10);
    if (*end == '\0') ids[Widen(name)] = static_cast<int>(id);
  }
  return true;
}
