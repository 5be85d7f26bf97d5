// The frames the link builds: their bytes.
#include <gtest/gtest.h>

#include <string>

#include "instrument/catalogue.h"
#include "instrument/setting_codec.h"
#include "link/frames.h"

namespace {

// The bytes written in hex, two digits each, separated by spaces.
std::string Bytes(const char* hex) {
  std::string bytes;
  for (const char* p = hex; *p; p += (p[2] == ' ') ? 3 : 2)
    bytes += static_cast<char>(std::stoi(std::string(p, 2), nullptr, 16));
  return bytes;
}

// The frames of the link and the queries and reset of the catalogue; the
// setting frames are built from the catalogue's layouts
// (InstrumentCore.GroupFramesByteForByte).
TEST(Frames, HaveTheBytesOfTheProtocol) {
  std::string reset;
  inst::GroupFrame(&inst::ResetGroup(), inst::InstrumentSettings(), reset);
  const struct { std::string frame; const char* hex; } cases[] = {
      {QueryFrame('D'), "02 24 44 03"},
      {inst::QueryFrameOf(*inst::FindQuery('D')), "02 24 44 03"},
      {inst::QueryFrameOf(*inst::FindQuery('v')), "02 23 76 03"},
      {inst::QueryFrameOf(*inst::FindQuery('V'), "2"), "02 24 56 32 03"},
      {reset, "02 69 2A 2A 03"},
      {SettingFrame("sb", "07 18"), "02 73 62 30 37 20 31 38 03"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.frame, Bytes(c.hex)) << c.hex;
}

}  // namespace
