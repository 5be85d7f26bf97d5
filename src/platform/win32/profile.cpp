// Profile reading through the Win32 reader itself.
#include <windows.h>
#undef GetProfileInt
#undef GetProfileString

#include <vector>

#include "platform/profile.h"

namespace plat {

int GetProfileInt(const char* section, const char* key, int def, const std::string& path) {
  return static_cast<int>(GetPrivateProfileIntA(section, key, def, path.c_str()));
}

std::string GetProfileString(const char* section, const char* key, const char* def,
                             unsigned bufferSize, const std::string& path) {
  if (bufferSize == 0) return std::string();
  // Zeroed: when a double-byte character does not fit, the reader may leave
  // the byte before the terminator unwritten.
  std::vector<char> buffer(bufferSize, '\0');
  GetPrivateProfileStringA(section, key, def, buffer.data(), bufferSize, path.c_str());
  buffer.back() = '\0';
  return std::string(buffer.data());
}

}  // namespace plat
