// Files replaced in one step: renamed over, created only when new, written
// whole or not at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/files.h"
#include "platform/out_file.h"
#include "platform/whole_file.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

// The names in the directory, sorted.
std::vector<std::string> Names(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

void MakeReadOnly(const fs::path& path) {
  fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
}

TEST(PlatformWholeFile, CreateNewRefusesAnExistingFile) {
  TempCurrentDir dir;
  dir.Write("old.txt", "old");
  plat::OutFile file;
  EXPECT_FALSE(file.CreateNew((dir.path() / "old.txt").string()));
  EXPECT_FALSE(file.IsOpen());
  EXPECT_EQ(dir.Read("old.txt"), "old");
  ASSERT_TRUE(file.CreateNew((dir.path() / "new.txt").string()));
  EXPECT_TRUE(file.Write("new"));
  EXPECT_TRUE(file.Close());
  EXPECT_TRUE(file.Close());   // not open: nothing to report
  EXPECT_EQ(dir.Read("new.txt"), "new");
}

TEST(PlatformWholeFile, RenameReplacingPutsTheFileInPlace) {
  struct Case {
    const char* name;
    bool targetExists;
  };
  for (const Case& c : {Case{"new name", false}, Case{"existing name", true}}) {
    SCOPED_TRACE(c.name);
    TempCurrentDir dir;
    dir.Write("from.txt", "fresh");
    if (c.targetExists) dir.Write("to.txt", "stale and longer");
    EXPECT_TRUE(plat::RenameReplacing((dir.path() / "from.txt").string(), (dir.path() / "to.txt").string()));
    EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"to.txt"});
    EXPECT_EQ(dir.Read("to.txt"), "fresh");
  }
}

TEST(PlatformWholeFile, RenameReplacingRefusesAndLeavesBothFiles) {
  TempCurrentDir dir;
  dir.Write("from.txt", "fresh");
  dir.Write("locked.txt", "kept");
  MakeReadOnly(dir.path() / "locked.txt");
  fs::create_directory(dir.path() / "folder");
  const char* targets[] = {"locked.txt", "folder", "missing/to.txt"};
  for (const char* target : targets) {
    SCOPED_TRACE(target);
    EXPECT_FALSE(plat::RenameReplacing((dir.path() / "from.txt").string(), (dir.path() / target).string()));
    EXPECT_EQ(dir.Read("from.txt"), "fresh");
  }
  EXPECT_EQ(dir.Read("locked.txt"), "kept");
  EXPECT_FALSE(plat::RenameReplacing((dir.path() / "gone.txt").string(), (dir.path() / "to.txt").string()));
  fs::permissions(dir.path() / "locked.txt", fs::perms::owner_write, fs::perm_options::add);
}

// A name as long as a file name can be: 250 characters, or, on Windows, a path
// of 255 (MAX_PATH leaves no room for "~N.tmp" after it).
std::string LongestName(const fs::path& dir) {
  const size_t length = plat::PathSeparator() == '/' ? 250 : 255 - dir.string().size() - 1;
  return std::string(length - 4, 'n') + ".csv";
}

// An old file is replaced, not written over: a second link to it keeps the old content.
TEST(PlatformWholeFile, WritesANewFileOrReplacesAnOldOneLeavingNothingBeside) {
  struct Case {
    const char* name;
    const char* before;   // null: no file yet
    std::string bytes;
    bool longName;        // the file's name as long as it can be, too long for "<name>~N.tmp"
  };
  const Case cases[] = {
      {"new file", nullptr, "a\rb\r", false},
      {"replaces a longer file", "previous content, longer", "a\rb\r", false},
      {"empty content", "previous", "", false},
      {"replaces a file of the longest name", "previous", "a\rb\r", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempCurrentDir dir;
    const std::string name = c.longName ? LongestName(dir.path()) : "out.csv";
    std::vector<std::string> names = {name};
    if (c.before) {
      dir.Write(name, c.before);
      fs::create_hard_link(dir.path() / name, dir.path() / "link");
      names.insert(names.begin(), "link");
    }
    EXPECT_TRUE(plat::WriteWholeFile((dir.path() / name).string(), c.bytes));
    EXPECT_EQ(Names(dir.path()), names);
    EXPECT_EQ(dir.Read(name), c.bytes);
    if (c.before) {
      EXPECT_EQ(dir.Read("link"), c.before);
    }
  }
}

TEST(PlatformWholeFile, ScratchNamesInUseAreSkippedAndKept) {
  TempCurrentDir dir;
  dir.Write("out.csv~0.tmp", "someone's");
  EXPECT_TRUE(plat::WriteWholeFile((dir.path() / "out.csv").string(), "new"));
  EXPECT_EQ(Names(dir.path()), (std::vector<std::string>{"out.csv", "out.csv~0.tmp"}));
  EXPECT_EQ(dir.Read("out.csv~0.tmp"), "someone's");
}

// Where no scratch file can be made beside it (here every scratch name is
// taken), the file itself is written; the files of those names stay.
TEST(PlatformWholeFile, WithoutAScratchFileTheFileItselfIsWritten) {
  TempCurrentDir dir;
  dir.Write("out.csv", "old content, longer");
  for (int n = 0; n < 100; ++n) {
    dir.Write("out.csv~" + std::to_string(n) + ".tmp", "taken");
    dir.Write("~tavo" + std::to_string(n) + ".tmp", "taken");
  }
  bool cutShort = true;
  EXPECT_TRUE(plat::WriteWholeFile((dir.path() / "out.csv").string(), "new", &cutShort));
  EXPECT_FALSE(cutShort);
  EXPECT_EQ(dir.Read("out.csv"), "new");
  EXPECT_EQ(Names(dir.path()).size(), 201u);
  EXPECT_EQ(dir.Read("out.csv~99.tmp"), "taken");
  EXPECT_EQ(dir.Read("~tavo99.tmp"), "taken");
  EXPECT_FALSE(plat::WriteWholeFile((dir.path() / "missing" / "out.csv").string(), "new"));
}

TEST(PlatformWholeFile, AFileThatCannotBeWrittenStaysAsItWas) {
  TempCurrentDir dir;
  dir.Write("locked.csv", "kept");
  MakeReadOnly(dir.path() / "locked.csv");
  fs::create_directory(dir.path() / "folder");
  const char* targets[] = {"locked.csv", "folder", "missing/out.csv"};
  for (const char* target : targets) {
    SCOPED_TRACE(target);
    EXPECT_FALSE(plat::WriteWholeFile((dir.path() / target).string(), "new"));
  }
  EXPECT_EQ(dir.Read("locked.csv"), "kept");
  EXPECT_TRUE(fs::is_directory(dir.path() / "folder"));
  EXPECT_TRUE(fs::is_empty(dir.path() / "folder"));
  EXPECT_EQ(Names(dir.path()), (std::vector<std::string>{"folder", "locked.csv"}));
  fs::permissions(dir.path() / "locked.csv", fs::perms::owner_write, fs::perm_options::add);
}

}  // namespace
