// The profile reader against the Win32 reader's results (the same table runs
// on Windows, where GetPrivateProfileIntA/StringA give them).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/profile.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

// Each case gets a file of its own: the Win32 reader caches files it has read.
class ProfileTest : public ::testing::Test {
protected:
  void SetUp() override {
    dir_ = UniqueTempPath("tavo_profile_");
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Write(const std::string& text) {
    std::string path = (dir_ / ("p" + std::to_string(count_++) + ".ini")).string();
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }

  fs::path dir_;
  int count_ = 0;
};

const char kMeter[] =
    "[Meter]\r\n"
    "Baud=9600\r\n"
    "Mixed=2000abc\r\n"
    "Letters=B429\r\n"
    "Negative= -1\r\n"
    "Hex=0x1F\r\n"
    "UpperHex=0X1F\r\n"
    "LeadingZero=010\r\n"
    "Empty=\r\n"
    "Quoted=\"42\"\r\n"
    "NoEquals\r\n"
    "Name=\"TAVO meter\"\r\n"
    "Single='a b'\r\n"
    "Half=\"open\r\n"
    "Spaced =   two  words   \r\n"
    "Title=表示AB\r\n"
    "[Only]\r\n"
    "Key=7\r\n"
    "[Dup]\r\nA=1\r\n[Dup]\r\nB=2\r\n";

TEST_F(ProfileTest, IntegersParseAsTheWin32Reader) {
  const struct { const char* section; const char* key; int expected; } cases[] = {
      {"Meter", "Baud", 9600},      {"mETER", "baud", 9600},     {" Meter ", " Baud ", 9600},
      {"Meter", "Mixed", 2000},     {"Meter", "Letters", 0},     {"Meter", "Negative", -1},
      {"Meter", "Hex", 31},         {"Meter", "UpperHex", 0},    {"Meter", "LeadingZero", 10},
      {"Meter", "Quoted", 42},      {"Meter", "Empty", -5},      {"Meter", "NoEquals", -5},
      {"Meter", "Missing", -5},     {"Missing", "Baud", -5},     {"Only", "Key", 7},
      {"Only", "Baud", -5},         {"Dup", "A", 1},             {"Dup", "B", -5},
  };
  std::string path = Write(kMeter);
  for (const auto& c : cases)
    EXPECT_EQ(plat::GetProfileInt(c.section, c.key, -5, path), c.expected)
        << "[" << c.section << "] " << c.key;
}

TEST_F(ProfileTest, StringsAreTrimmedUnquotedAndCut) {
  const struct { const char* key; const char* def; unsigned size; const char* expected; } cases[] = {
      {"Baud", "x", 64, "9600"},         {"Name", "x", 64, "TAVO meter"},
      {"Single", "x", 64, "a b"},        {"Half", "x", 64, "\"open"},
      {"Spaced", "x", 64, "two  words"}, {"Spaced", "x", 4, "two"},
      {"Baud", "x", 1, ""},              {"Name", "x", 5, "TAVO"},
      {"Empty", "x", 64, ""},            {"NoEquals", "def", 64, "def"},
      {"Missing", "def  ", 64, "def"},   {"Title", "x", 64, "表示AB"},
      {"Title", "x", 5, "表示"},
  };
  std::string path = Write(kMeter);
  for (const auto& c : cases)
    EXPECT_EQ(plat::GetProfileString("Meter", c.key, c.def, c.size, path), c.expected)
        << c.key << " in " << c.size << " bytes";
}

TEST_F(ProfileTest, AllLineEndsReadAlike) {
  for (const char* eol : {"\r\n", "\n", "\r"}) {
    std::string e = eol;
    std::string path = Write("[A]" + e + "x=1" + e + e + "[B]" + e + "y=two" + e + "z=3");
    EXPECT_EQ(plat::GetProfileInt("A", "x", 0, path), 1);
    EXPECT_EQ(plat::GetProfileString("B", "y", "", 64, path), "two");
    EXPECT_EQ(plat::GetProfileInt("B", "z", 0, path), 3) << "last line without an end";
    EXPECT_EQ(plat::GetProfileInt("A", "y", 0, path), 0);
  }
}

TEST_F(ProfileTest, MissingFileGivesTheDefaults) {
  std::string path = (dir_ / "absent.ini").string();
  EXPECT_EQ(plat::GetProfileInt("Meter", "Baud", 4800, path), 4800);
  EXPECT_EQ(plat::GetProfileString("Meter", "Port", "COM1", 64, path), "COM1");
  EXPECT_EQ(plat::GetProfileString("Meter", "Port", "COM1", 3, path), "CO");
}

}  // namespace
