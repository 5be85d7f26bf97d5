// The profile reader on any file content: no crash, no read beyond a buffer,
// and a string never longer than its buffer allows.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/profile.h"

namespace {
const std::string& ProfilePath() {
  static const std::string path = "/tmp/tavo_fuzz_profile_" + std::to_string(getpid()) + ".ini";
  return path;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::FILE* file = std::fopen(ProfilePath().c_str(), "wb");
  if (!file) return 0;
  std::fwrite(data, 1, size, file);
  std::fclose(file);
  const char* sections[] = {"COMM", "TAVO", "LogOut", "comm"};
  const char* keys[] = {"BaudRate", "TimeOut", "LogPath", "LogOutSwitch"};
  for (const char* section : sections) {
    for (const char* key : keys) {
      plat::GetProfileInt(section, key, 7, ProfilePath());
      for (unsigned size : {1u, 3u, 260u}) {
        std::string value = plat::GetProfileString(section, key, "dflt", size, ProfilePath());
        if (value.size() >= size) __builtin_trap();
      }
    }
  }
  return 0;
}
