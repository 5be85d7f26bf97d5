// The reply-field rules: number trimming, signed value fields, the
// selection digit and the zero fill.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "link/reply_fields.h"

namespace {

TEST(TrimNumber, DropsLeadingZerosOnly) {
  const struct { std::string chars; const char* expected; } cases[] = {
      {"0123", "123"},        {"00.5", "0.5"},  {"028.5", "28.5"}, {"-05.0", "-5.0"},
      {"-00.5", "-0.5"},      {"010", "10"},    {"000", "000"},    {"-000", "-000"},
      {"0000000123", "123"},  {"0.50", "0.50"}, {".500", ".500"},  {" 12.3", " 12.3"},
      {"0", "0"},             {"-", "-"},       {"", ""},          {"12 0", "12 0"},
      {"-0", "-0"},           {"00-5", "-5"},   {"0.", "0."},      {"28.50", "28.50"},
      {std::string("01\0" "2", 4), "12"},       // zero bytes are left out
      {std::string("\0" "12", 3), "12"},
  };
  for (const auto& c : cases) EXPECT_EQ(TrimNumber(c.chars), c.expected) << '"' << c.chars << '"';
}

TEST(ReadSignedField, KeepsTheSignOnlyWhenNegative) {
  const struct { const char* reply; int sign; int n; const char* taken; const char* shown; } cases[] = {
      {"..+25.3", 2, 4, "25.3", "25.3"},
      {"..-02.5", 2, 4, "-02.5", "-2.5"},
      {"..028.5", 2, 4, "28.5", "28.5"},
      {"..-05.0", 2, 4, "-05.0", "-5.0"},
      {"...+00003.25", 3, 8, "00003.25", "3.25"},
      {"... 00003.25", 3, 8, "00003.25", "3.25"},
      {"...-00012.50", 3, 8, "-00012.50", "-12.50"},
      {"..100.0", 2, 4, "00.0", "0.0"},   // five digits leave no sign position
  };
  for (const auto& c : cases) {
    auto reply = reinterpret_cast<const std::uint8_t*>(c.reply);
    std::string taken = ReadSignedField(reply, c.sign, c.n);
    EXPECT_EQ(taken, c.taken) << c.reply;
    EXPECT_EQ(TrimNumber(taken), c.shown) << c.reply;
  }
}

TEST(SelectionDigit, IsTheHexadecimalDigitOfTheIndex) {
  const struct { int index; char digit; } cases[] = {{0, '0'}, {1, '1'}, {9, '9'}, {10, 'A'}, {15, 'F'}};
  for (const auto& c : cases) {
    char digit = 0;
    EXPECT_TRUE(SelectionDigit(c.index, digit)) << c.index;
    EXPECT_EQ(digit, c.digit) << c.index;
  }
  for (int index : {-1, 16, 255}) {
    char digit = 'x';
    EXPECT_FALSE(SelectionDigit(index, digit)) << index;
    EXPECT_EQ(digit, 'x') << "untouched";
  }
}

TEST(ZeroFill, PadsOnTheLeftAndNeverCuts) {
  const struct { const char* text; int width; const char* expected; } cases[] = {
      {"28.5", 5, "028.5"}, {"5", 3, "005"},      {"120", 3, "120"},   {"1234", 3, "1234"},
      {"-5", 5, "000-5"},   {"", 5, "00000"},     {"30", 5, "00030"},  {"100.0", 5, "100.0"},
      {" 7", 3, "0 7"},
  };
  for (const auto& c : cases) EXPECT_EQ(ZeroFill(c.text, c.width), c.expected) << c.text;
}

}  // namespace
