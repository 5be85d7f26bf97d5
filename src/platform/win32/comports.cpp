// The COM ports Windows lists in the registry, and the names the Device
// Manager gives their devices.
#include <windows.h>
#include <setupapi.h>

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

// The device setup class of COM and LPT ports.
const GUID kPortsClass = {0x4D36E978, 0xE325, 0x11CE, {0xBF, 0xC1, 0x08, 0x00, 0x2B, 0xE1, 0x03, 0x18}};

// The port name ("COM7") a device of the ports class has; empty when none.
std::string PortNameOf(HDEVINFO devices, SP_DEVINFO_DATA& device) {
  HKEY key = SetupDiOpenDevRegKey(devices, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
  if (key == INVALID_HANDLE_VALUE) return "";
  BYTE data[256];
  DWORD size = sizeof data, type = 0;
  std::string name;
  if (RegQueryValueExA(key, "PortName", nullptr, &type, data, &size) == ERROR_SUCCESS && type == REG_SZ)
    name = RegString(data, size);
  RegCloseKey(key);
  return name;
}

std::string FriendlyNameOf(HDEVINFO devices, SP_DEVINFO_DATA& device) {
  BYTE data[512];
  DWORD size = 0, type = 0;
  if (!SetupDiGetDeviceRegistryPropertyA(devices, &device, SPDRP_FRIENDLYNAME, &type, data, sizeof data, &size) ||
      type != REG_SZ)
    return "";
  return RegString(data, size);
}

}  // namespace

std::string PortIdentity(const std::string& name) {
  std::string identity = name.compare(0, 4, "\\\\.\\") == 0 ? name.substr(4) : name;
  for (char& c : identity)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return identity;
}

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

PortFacts DescribeComPort(const std::string& port) {
  const std::string bare = port.rfind("\\\\.\\", 0) == 0 ? port.substr(4) : port;   // "\\.\COM10"
  PortFacts facts;
  HDEVINFO devices = SetupDiGetClassDevsA(&kPortsClass, nullptr, nullptr, DIGCF_PRESENT);
  if (devices == INVALID_HANDLE_VALUE) return facts;
  SP_DEVINFO_DATA device{};
  device.cbSize = sizeof device;
  for (DWORD index = 0; SetupDiEnumDeviceInfo(devices, index, &device); ++index) {
    if (lstrcmpiA(PortNameOf(devices, device).c_str(), bare.c_str()) != 0) continue;
    facts.friendlyName = FriendlyNameOf(devices, device);
    break;
  }
  SetupDiDestroyDeviceInfoList(devices);
  return facts;
}

}  // namespace plat
