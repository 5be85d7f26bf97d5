// A scenario: one step a line, words separated by blanks, "double quotes"
// around a word with blanks, ${NAME} the value of an environment variable;
// a line starting with # is a comment.
#pragma once
#include <map>
#include <string>
#include <vector>

struct Step {
  int line = 0;
  std::vector<std::wstring> words;   // the step's name first
};

// Reads the UTF-8 file `path`; false with a message in `error` on a bad line.
bool ReadScript(const std::string& path, std::vector<Step>& steps, std::string& error);

// The control ids a resource header defines ("#define IDC_EDIT_BUZZER 1088").
bool ReadControlIds(const std::string& path, std::map<std::wstring, int>& ids, std::string& error);

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& text);   // to UTF-8
