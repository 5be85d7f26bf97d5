// The frames the tool sends: their bytes, and their lengths against the catalogue.
#include <gtest/gtest.h>

#include <string>

#include "link/frames.h"

namespace {

// The bytes written in hex, two digits each, separated by spaces.
std::string Bytes(const char* hex) {
  std::string bytes;
  for (const char* p = hex; *p; p += (p[2] == ' ') ? 3 : 2)
    bytes += static_cast<char>(std::stoi(std::string(p, 2), nullptr, 16));
  return bytes;
}

TEST(Frames, HaveTheBytesOfTheProtocol) {
  const std::string levels[4] = {"28.0", "31.0", "33.0", "35.0"};
  const std::string oneLevel[4] = {"28.0", "", "", ""};
  const struct { std::string frame; const char* hex; } cases[] = {
      {QueryFrame('D'), "02 24 44 03"},
      {VersionQueryFrame(), "02 23 76 03"},
      {AdCountQueryFrame('2'), "02 24 56 32 03"},
      {AutoPowerOffFrame('1'), "02 51 31 03"},
      {ClockFrame("240531090507"), "02 54 32 34 30 35 33 31 30 39 30 35 30 37 03"},
      {MemoryIntervalFrame("5"), "02 49 30 30 35 03"},
      {MemoryIntervalFrame("999"), "02 49 39 39 39 03"},
      {BuzzerAlarmFrame("28.5"), "02 42 30 32 38 2E 35 36 03"},
      {BuzzerAlarmFrame("0"), "02 42 30 30 30 30 30 36 03"},
      {PatrolLightModeFrame('1'), "02 4B 31 03"},
      {PatrolLightThresholdsFrame(levels),
       "02 53 61 30 32 38 2E 30 36 62 30 33 31 2E 30 36 63 30 33 33 2E 30 36 64 30 33 35 2E 30 36 03"},
      {PatrolLightThresholdsFrame(oneLevel),
       "02 53 61 30 32 38 2E 30 36 62 30 30 30 30 30 36 63 30 30 30 30 30 36 64 30 30 30 30 30 36 03"},
      {IoTIntervalFrame(15), "02 73 61 30 31 35 03"},
      {IoTCommHoursFrame(7, 18), "02 73 62 30 37 20 31 38 03"},
      {IoTCommHoursFrame(0, 5), "02 73 62 30 30 20 30 35 03"},
      {HumidityLimitFrame("90.0"), "02 4C 30 39 30 2E 30 38 03"},
      {ModelCodeFrame('3'), "02 4D 2A 33 2A 03"},
      {ResetSettingsFrame(), "02 69 2A 2A 03"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.frame, Bytes(c.hex)) << c.hex;
    const FrameLayout* layout = FindFrameLayout(c.frame);
    ASSERT_NE(layout, nullptr) << c.hex;
    EXPECT_EQ(static_cast<int>(c.frame.size()), layout->length) << c.hex;
  }
}

TEST(Frames, CatalogueKnowsQueriesAndTheirReplyLetters) {
  const struct { std::string frame; const char* head; char answer; } cases[] = {
      {QueryFrame('s'), "$s", 's'}, {VersionQueryFrame(), "#v", 'v'}, {AdCountQueryFrame('0'), "$V", 'V'},
      {IoTIntervalFrame(1), "sa", 0}, {QueryFrame('S'), "$S", 'S'},  {"\x02S", "S", 0},
  };
  for (const auto& c : cases) {
    const FrameLayout* layout = FindFrameLayout(c.frame);
    ASSERT_NE(layout, nullptr) << c.head;
    EXPECT_STREQ(layout->head, c.head);
    EXPECT_EQ(layout->answer, c.answer) << c.head;
  }
  for (const char* unknown : {"", "\x02", "Q", "\x02$x", "\x02x"}) EXPECT_EQ(FindFrameLayout(unknown), nullptr);
}

}  // namespace
