// User page 2's "一括取得" against the simulator: the file asked for, the
// memory download and the CSV file written byte for byte, and what a
// cancelled dialog, a failed download or an unwritable file leave behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "native/dialog_with_sim.h"
#include "res/resource.h"
#include "sim/records.h"
#include "support/ui_driver.h"

namespace {

namespace fs = std::filesystem;

const char kQueryO[] = "\x02$O\x03";

class BulkRead : public DialogWithSim {
protected:
  ~BulkRead() override { fw::SetSaveAsHandler(nullptr); }

  // Starts the simulator with `records` memory records (and `more` options) and connects.
  void ConnectWith(int records, const std::vector<std::string>& more = {}, const std::string& ini = "") {
    std::vector<std::string> args = {"--records", std::to_string(records)};
    args.insert(args.end(), more.begin(), more.end());
    Start(args, false, ini);
    ASSERT_TRUE(Connect());
    ASSERT_TRUE(ui::ChooseTab(*dlg, IDC_TAB, 1));
    ASSERT_EQ(ui::TextOf(*dlg, IDC_BUTTON_SET), "一括取得");
    ClearFrames();
  }
  // Ends the dialog and the simulator, keeping the application and its records.
  void Stop() {
    dlg->CloseLink();
    dlg->DestroyWindow();
    dlg.reset();
    sim.reset();
    fs::remove_all(dir.path() / "ports");
  }
  // Presses "一括取得", answering the save-as dialog with `path` (empty: Cancel).
  void Press(const std::string& path) {
    fw::SetSaveAsHandler([this, path](const fw::SaveAsRequest& request, std::string& chosen) {
      asked.push_back(request);
      chosen = path;
      return !path.empty();
    });
    ui::Click(*dlg, IDC_BUTTON_SET);
  }
  int CountSent(const std::string& frame) const {
    std::vector<std::string> frames = Frames();
    return static_cast<int>(std::count(frames.begin(), frames.end(), Hex(frame)));
  }
  std::string Path(const std::string& name) const { return (dir.path() / name).string(); }
  // The CSV file expected for the simulator's first `count` records: each CR LF becomes CR.
  static std::string ExpectedCsv(int count) {
    std::string csv;
    for (char c : SimulatedMemory(count)) {
      if (c != '\n') csv += c;
    }
    return csv;
  }
  void ExpectBox(const char* text) {
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, text);
    EXPECT_EQ(boxes.boxes[0].caption, "一括読出");
    EXPECT_EQ(boxes.boxes[0].type, fw::kMbOk | fw::kMbIconError);
  }

  std::vector<fw::SaveAsRequest> asked;
};

const char kWriteFailed[] = "CSVﾌｧｲﾙの書込に失敗しました。";

TEST_F(BulkRead, AsksForACsvFileInTheCurrentDirectory) {
  ConnectWith(1);
  Press("");
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].defaultExtension, "csv");
  EXPECT_EQ(asked[0].initialName, "無題");
  EXPECT_EQ(asked[0].filter, "CSV Files (*.csv)|*.csv; *.csv||");
  EXPECT_EQ(fs::path(asked[0].initialDirectory), fs::current_path());
  EXPECT_TRUE(asked[0].hideReadOnly);
  EXPECT_TRUE(asked[0].overwritePrompt);
}

TEST_F(BulkRead, DownloadsTheWholeMemoryIntoTheCsvFile) {
  struct Case {
    int records;
    size_t bytes;
  };
  const Case cases[] = {{0, 0}, {1, 39}, {2, 78}, {511, 511 * 39}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.records);
    ConnectWith(c.records);
    Press(Path("memory.csv"));
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(Frames(), std::vector<std::string>{Hex(kQueryO)});
    ASSERT_TRUE(fs::exists(dir.path() / "memory.csv"));
    EXPECT_EQ(dir.Read("memory.csv").size(), c.bytes);
    EXPECT_EQ(dir.Read("memory.csv"), ExpectedCsv(c.records));
    EXPECT_EQ(static_cast<int>(app.m_memoryRecords.size()), c.records);
    EXPECT_EQ(fw::WaitCursorDepth(), 0);
    Stop();
    fs::remove(dir.path() / "memory.csv");
  }
}

TEST_F(BulkRead, KeepsTheWholeRecordsEndingInCrLfOfTheReply) {
  const std::string a = "2024/06/01 10:00,+25.3,+26.1,+28.4,065";
  const std::string b = "2024/06/01 10:10,+25.4,+26.2,+28.5,066";
  const std::string c = "2024/06/01 10:20,+25.5,+26.3,+28.6,067";
  struct Case {
    const char* name;
    std::string payload;   // the reply after STX 'O'
    std::string csv;
    bool warned;           // some of the reply was not a record
  };
  const Case cases[] = {
      {"reply length 2: no records, an empty file", "", "", false},
      {"reply length 82: two records", a + "\r\n" + b + "\r\n", a + "\r" + b + "\r", false},
      {"reply length 81: the incomplete second record ignored", a + "\r\n" + b + "\r", a + "\r", true},
      {"a space at byte 39 drops that record", a + "\r\n" + b + "\r " + c + "\r\n", a + "\r" + c + "\r", true},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    boxes.boxes.clear();
    ConnectWith(0, {"--reply", "O" + k.payload});
    Press(Path("memory.csv"));
    if (k.warned) {
      ASSERT_EQ(boxes.boxes.size(), 1u);
      EXPECT_EQ(boxes.boxes[0].text, "一部のﾒﾓﾘﾃﾞｰﾀを読み出せませんでした。");
      EXPECT_EQ(boxes.boxes[0].caption, "一括読出");
      EXPECT_EQ(boxes.boxes[0].type, fw::kMbOk | fw::kMbIconExclamation);
    } else {
      EXPECT_TRUE(boxes.boxes.empty());
    }
    EXPECT_EQ(dir.Read("memory.csv"), k.csv);
    Stop();
  }
}

TEST_F(BulkRead, ASecondDownloadReplacesTheRecordsAndAnExistingFile) {
  ConnectWith(5);
  Press(Path("memory.csv"));
  ASSERT_EQ(static_cast<int>(app.m_memoryRecords.size()), 5);
  Stop();
  ConnectWith(2);
  Press(Path("memory.csv"));
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_EQ(static_cast<int>(app.m_memoryRecords.size()), 2);
  EXPECT_EQ(dir.Read("memory.csv"), ExpectedCsv(2));
  EXPECT_EQ(dir.Read("memory.csv").size(), 78u);
}

TEST_F(BulkRead, CancellingTheFileDialogSendsNothing) {
  ConnectWith(3);
  Press("");
  EXPECT_EQ(asked.size(), 1u);
  EXPECT_EQ(CountSent(kQueryO), 0);
  EXPECT_TRUE(Frames().empty());
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_EQ(static_cast<int>(app.m_memoryRecords.size()), 0);
}

TEST_F(BulkRead, AFileThatCannotBeWrittenIsReportedAndLeftAsItWas) {
  const char* targets[] = {"missing/memory.csv", "folder", "locked.csv"};
  for (const char* target : targets) {
    SCOPED_TRACE(target);
    boxes.boxes.clear();
    ConnectWith(2);
    fs::create_directory(dir.path() / "folder");
    dir.Write("locked.csv", "kept");
    fs::permissions(dir.path() / "locked.csv", fs::perms::owner_write, fs::perm_options::remove);
    Press(Path(target));
    EXPECT_EQ(CountSent(kQueryO), 1);
    ExpectBox(kWriteFailed);
    EXPECT_EQ(static_cast<int>(app.m_memoryRecords.size()), 2);
    EXPECT_FALSE(fs::exists(dir.path() / "missing"));
    EXPECT_TRUE(fs::is_empty(dir.path() / "folder"));
    EXPECT_EQ(dir.Read("locked.csv"), "kept");
    fs::permissions(dir.path() / "locked.csv", fs::perms::owner_write, fs::perm_options::add);
    Stop();
  }
}

TEST_F(BulkRead, AFailedDownloadIsReportedAndLeavesTheFileAlone) {
  struct Case {
    const char* name;
    const char* before;   // the file's content before, null: no file
  };
  const Case cases[] = {{"no file is created", nullptr}, {"an existing file is unchanged", "earlier download\r"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    boxes.boxes.clear();
    ConnectWith(2);
    fs::remove(dir.path() / "memory.csv");
    if (c.before) dir.Write("memory.csv", c.before);
    sim.reset();   // the instrument is gone: the query cannot be sent
    Press(Path("memory.csv"));
    ExpectBox(kReadFailed);
    EXPECT_EQ(fs::exists(dir.path() / "memory.csv"), c.before != nullptr);
    if (c.before) {
      EXPECT_EQ(dir.Read("memory.csv"), c.before);
    }
    Stop();
  }
}

TEST_F(BulkRead, AnUnansweredDownloadKeepsTheEarlierRecords) {
  ConnectWith(3, {"--ignore", "O"}, "[COMM]\r\nTimeOut=100\r\nSendDelay=10\r\nSleepTime=1\r\n");
  dir.Write("memory.csv", "earlier download\r");
  app.m_memoryRecords.resize(4);
  Press(Path("memory.csv"));   // waits TimeOut x 180 = 18 s
  ExpectBox(kReadFailed);
  EXPECT_EQ(CountSent(kQueryO), 1);
  EXPECT_EQ(static_cast<int>(app.m_memoryRecords.size()), 4);
  EXPECT_EQ(dir.Read("memory.csv"), "earlier download\r");
}

// The whole memory at 9600 bit/s (about 21 s) within the wait of the default TimeOut.
TEST_F(BulkRead, The511RecordsAt9600BitPerSecondWithTheDefaultTimeOut) {
  ConnectWith(511, {"--baud", "9600"}, "[COMM]\r\nSendDelay=10\r\nSleepTime=1\r\n");
  Press(Path("memory.csv"));
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_EQ(Frames(), std::vector<std::string>{Hex(kQueryO)});
  EXPECT_EQ(dir.Read("memory.csv"), ExpectedCsv(511));
  EXPECT_EQ(static_cast<int>(app.m_memoryRecords.size()), 511);
}

}  // namespace
