// The COM ports Windows lists in the registry.
#include <windows.h>

#include "platform/comports.h"

namespace plat {
namespace {

// The REG_SZ data as a string: up to its terminator, or all of it when it has none.
std::string RegString(const BYTE* data, DWORD size) {
  const char* text = reinterpret_cast<const char*>(data);
  DWORD len = 0;
  while (len < size && text[len] != '\0') ++len;
  return std::string(text, len);
}

}  // namespace

bool ListComPorts(std::vector<std::string>& ports) {
  ports.clear();
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) !=
      ERROR_SUCCESS)
    return false;
  char name[4096];
  BYTE data[1024];
  for (DWORD index = 0;; ++index) {
    DWORD nameSize = sizeof name, dataSize = sizeof data, type = 0;
    LONG rc = RegEnumValueA(key, index, name, &nameSize, nullptr, &type, data, &dataSize);
    if (rc == ERROR_MORE_DATA) continue;   // a name or data too long for the buffers
    if (rc != ERROR_SUCCESS) break;
    if (type == REG_SZ) ports.push_back(RegString(data, dataSize));
  }
  RegCloseKey(key);
  return true;
}

}  // namespace plat
