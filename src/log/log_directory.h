// The directory of the log files, from the configured path. Paths are code
// page 932 text: a backslash that is the second byte of a double-byte
// character is no separator. Both '\\' and the platform's separator separate.
#pragma once
#include <vector>

#include "framework/cstring.h"

// True for a single separator or a drive root ("D:\"): used as they are, never created.
bool IsRootLogPath(const CString& path);

// The prefixes of `path` before each of its separators, then `path` itself;
// empty prefixes (of a path starting with a separator) are left out.
std::vector<CString> PathLevels(const CString& path);

// Makes sure `path` is an existing directory, creating each missing level.
// False for an empty path, when a level cannot be created, or when a level
// exists as a file. A single separator is taken as existing.
bool EnsureLogDirectory(const CString& path);

// The log directory for a configured `logPath`: a root path as it is, else the
// path once it exists as a directory, else `currentDir`.
CString SettleLogDirectory(const CString& logPath, const CString& currentDir);

// `dir` without its trailing separators ("D:\" becomes "D:", "\" becomes "").
CString TrimTrailingSeparators(const CString& dir);
