// Wildcard search, directory creation and file deletion in a scratch directory.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/files.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

class FilesTest : public ::testing::Test {
protected:
  void SetUp() override {
    dir_ = UniqueTempPath("tavo_files_").string();
    fs::create_directories(dir_);
    for (const char* name : {"Log_001.csv", "log_002.CSV", "notes.txt", "log_003.csv.bak"})
      std::ofstream(In(name)) << "x";
    fs::create_directory(In("Sub"));
  }
  void TearDown() override {
    fs::current_path(fs::temp_directory_path());
    fs::permissions(In("locked.txt"), fs::perms::owner_write, fs::perm_options::add,
                    ignored_);
    fs::remove_all(dir_);
  }
  std::string In(const std::string& name) const { return dir_ + plat::PathSeparator() + name; }

  std::string dir_;
  std::error_code ignored_;
};

std::string Names(std::vector<plat::FoundFile> found) {
  std::sort(found.begin(), found.end(),
            [](const plat::FoundFile& a, const plat::FoundFile& b) { return a.name < b.name; });
  std::string names;
  for (const auto& f : found) names += f.name + (f.isDirectory ? "/ " : " ");
  return names;
}

TEST_F(FilesTest, WildcardsMatchWithoutCase) {
  const struct { const char* pattern; const char* expected; } cases[] = {
      {"log_*.csv", "Log_001.csv log_002.CSV "},
      {"L?G_00?.CSV", "Log_001.csv log_002.CSV "},
      {"*.txt", "notes.txt "},
      {"*", "Log_001.csv Sub/ log_002.CSV log_003.csv.bak notes.txt "},
      {"sub", "Sub/ "},
      {"notes.txt", "notes.txt "},
      {"?otes.tx", ""},
      {"nothing*", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Names(plat::FindFiles(In(c.pattern))), c.expected) << c.pattern;
  EXPECT_TRUE(plat::FindFiles(In("missing") + plat::PathSeparator() + "*").empty());
}

TEST_F(FilesTest, BareNamesAreFoundInTheCurrentDirectory) {
  fs::current_path(dir_);
  std::string current;
  ASSERT_TRUE(plat::GetCurrentDir(current));
  EXPECT_TRUE(plat::FileExists(current + plat::PathSeparator() + "notes.txt"));
  EXPECT_TRUE(plat::FileExists("notes.txt"));
  EXPECT_TRUE(plat::FileExists("NOTES.TXT"));
  EXPECT_TRUE(plat::FileExists("*.csv"));
  EXPECT_FALSE(plat::FileExists("absent.txt"));
}

TEST_F(FilesTest, MakeDirectoryCreatesOneLevel) {
  EXPECT_TRUE(plat::MakeDirectory(In("New")));
  EXPECT_TRUE(plat::IsDirectory(In("New")));
  EXPECT_FALSE(plat::MakeDirectory(In("New"))) << "already there";
  EXPECT_FALSE(plat::MakeDirectory(In("a") + plat::PathSeparator() + "b")) << "parent missing";
  EXPECT_FALSE(plat::IsDirectory(In("notes.txt")));
}

TEST_F(FilesTest, RemoveFileDeletesPlainFilesOnly) {
  EXPECT_TRUE(plat::RemoveFile(In("notes.txt")));
  EXPECT_FALSE(plat::FileExists(In("notes.txt")));
  EXPECT_FALSE(plat::RemoveFile(In("notes.txt"))) << "already gone";
  EXPECT_FALSE(plat::RemoveFile(In("Sub")));
  std::ofstream(In("locked.txt")) << "x";
  fs::permissions(In("locked.txt"), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  EXPECT_FALSE(plat::RemoveFile(In("locked.txt"))) << "read-only";
  EXPECT_TRUE(plat::FileExists(In("locked.txt")));
}

}  // namespace
