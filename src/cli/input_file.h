// A file the user names for tavo-cli to read: a settings file or an INI
// file. It must be a regular file (not a folder, a FIFO or a device, which
// could block the program or never end) of at most 1 MB.
#pragma once
#include <string>

constexpr long long kMaxInputFileBytes = 1024 * 1024;

// False, with "PATH: reason" in `error` (in the program's code page), when
// `path` is no such file or cannot be read.
bool CheckInputFile(const std::string& path, std::string& error);

// The whole of the file at `path`, checked as above.
bool ReadInputFile(const std::string& path, std::string& text, std::string& error);
