// Reading of Windows profile (INI) files.
//
// Both functions give exactly the results of GetPrivateProfileIntA and
// GetPrivateProfileStringA for the same file: section and key names compare
// case-insensitively, blanks around names and values are dropped, a value in
// matching single or double quotes loses them, CR-only, LF-only and CRLF line
// ends are all accepted. A missing file, section or key gives the default.
// They keep nothing between calls: any thread may call them, several at once.
//
// Details of the Win32 reader that the POSIX build follows as well: lines
// break at every run of CR and LF; a lookup searches only the first section of
// the name; a line without '=' is a key without value (it gives the default);
// trailing spaces of `def` are dropped; names compare without case for ASCII
// letters (double-byte characters of code page 932 compare exactly). On
// Windows a bare file name (no '\' or '/') means a file in the Windows
// directory, so callers pass a path.
#pragma once
#include <string>

// <windows.h> makes these two names macros for GetProfileIntA / GetProfileStringA.
#undef GetProfileInt
#undef GetProfileString

namespace plat {

// The integer of the value text as the Win32 reader parses it: leading blanks,
// an optional sign, then decimal digits ("42A9" gives 42, "B429" gives 0,
// "010" gives 10), or "0x" followed by hexadecimal digits ("0x1F" gives 31,
// "0X1F" gives 0). An empty value gives `def`; so does a missing key.
int GetProfileInt(const char* section, const char* key, int def, const std::string& path);

// The value text, cut to `bufferSize` - 1 bytes as the Win32 reader cuts it
// into a buffer of that size; `def` when the key or the file is missing.
std::string GetProfileString(const char* section, const char* key, const char* def,
                             unsigned bufferSize, const std::string& path);

}  // namespace plat
