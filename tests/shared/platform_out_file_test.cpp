// Files written from the start: created, replaced, refused where they cannot be.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/files.h"
#include "platform/out_file.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

TEST(PlatformOutFile, CreatesAndReplacesAFile) {
  TempCurrentDir dir;
  dir.Write("old.txt", "previous content, longer than the new one");
  for (const char* name : {"new.txt", "old.txt"}) {
    SCOPED_TRACE(name);
    plat::OutFile file;
    ASSERT_TRUE(file.Create((dir.path() / name).string()));
    EXPECT_TRUE(file.IsOpen());
    EXPECT_TRUE(file.Write("line 1\r\n"));
    EXPECT_TRUE(file.Write("line 2\r\n"));
    file.Close();
    EXPECT_FALSE(file.IsOpen());
    EXPECT_FALSE(file.Write("after close"));
    EXPECT_EQ(FileBytes(dir.path() / name), "line 1\r\nline 2\r\n");
  }
}

TEST(PlatformOutFile, RefusesWhatCannotBeCreated) {
  TempCurrentDir dir;
  fs::create_directory(dir.path() / "folder");
  const char* cases[] = {"missing/x.txt", "folder"};
  for (const char* name : cases) {
    SCOPED_TRACE(name);
    plat::OutFile file;
    EXPECT_FALSE(file.Create((dir.path() / name).string()));
    EXPECT_FALSE(file.IsOpen());
  }
}

}  // namespace
