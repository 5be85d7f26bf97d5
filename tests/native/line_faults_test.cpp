// Faults on the line, against the simulator: the adapter pulled out in the
// middle of a reply, bursts of noise, runs of refusals, replies that stop
// half-way, oversize replies and a memory of more than 511 records. Each
// sequence ends within its waits and reports each failed step; the link can
// still be closed; and what the tool already held (the snapshot, the pages,
// the memory records and an earlier CSV file) stays as it was.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "native/dialog_with_sim.h"
#include "res/resource.h"
#include "sim/records.h"
#include "support/ui_driver.h"

namespace {

using Boxes = SimBench::Boxes;

// Short waits: a reply within 300 ms (also on a busy machine); the memory within 50 x 180 ms.
const char kIni[] = "[COMM]\r\nTimeOut=300\r\nSendDelay=10\r\nSleepTime=1\r\n";
const char kMemoryIni[] = "[COMM]\r\nTimeOut=50\r\nSendDelay=10\r\nSleepTime=1\r\n";
// Bounds that only a hung sequence exceeds, however slow the machine.
constexpr long kSequenceBoundMs = 15000;
constexpr long kMemoryBoundMs = 9000 + kSequenceBoundMs;
constexpr long kDisconnectBoundMs = 5000;

const char kEarlierCsv[] = "earlier download\r";
const char kMeasurementFailed[] = "測定ﾃﾞｰﾀの取得に失敗しました。";
const char kMeasurementCaption[] = "測定ﾃﾞｰﾀ取得要求";
const char kPartRead[] = "一部のﾒﾓﾘﾃﾞｰﾀを読み出せませんでした。";
// Waits that cannot succeed end in less than half of the memory wait (50 x 180 ms).
constexpr long kAtOnceMemoryMs = 50 * 180 / 2;

// The CSV file of the simulator's first `count` records: each CR LF becomes CR.
std::string CsvOf(int count) {
  std::string csv;
  for (char c : SimulatedMemory(count))
    if (c != '\n') csv += c;
  return csv;
}

class FaultBench : public SimBench {
public:
  ~FaultBench() { fw::SetSaveAsHandler(nullptr); }

  void ConnectTo(const std::vector<std::string>& args, const char* ini = kIni) { StartConnected(args, false, ini); }
  // Presses `button` on tab `tab`; the milliseconds the sequence took.
  long Press(int tab, int button) {
    EXPECT_TRUE(ui::ChooseTab(*dlg, IDC_TAB, tab));
    auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(ui::Click(*dlg, button));
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
  }
  long Read(int tab) { return Press(tab, IDC_BUTTON_READ); }
  // "一括取得" on user page 2, the file chosen being memory.csv.
  long Download() {
    const std::string path = (dir.path() / "memory.csv").string();
    fw::SetSaveAsHandler([path](const fw::SaveAsRequest&, std::string& chosen) {
      chosen = path;
      return true;
    });
    return Press(1, IDC_BUTTON_SET);
  }
  // What a technician has at hand before the fault: the snapshot of a read
  // of user page 1, the page as typed since, the records of an earlier
  // download and its CSV file.
  void Hold() {
    EXPECT_LT(Read(0), kSequenceBoundMs);
    EXPECT_EQ(Shown(), Boxes{});
    held = dlg->m_instrument.Snapshot();
    ClearFrames();
    dlg->m_dlgUser1.m_editBuzzer.SetWindowText("00420");
    dlg->m_dlgUser1.m_editMemInterval.SetWindowText("015");
    app.m_memoryRecords.clear();
    for (char c : {'a', 'b', 'c'}) {
      COutputData record{};
      record.data[0] = c;
      app.m_memoryRecords.push_back(record);
    }
    dir.Write("memory.csv", kEarlierCsv);
  }
  void ExpectHeld() {
    for (const char* key : {"buzzer", "memory_interval", "level1", "iot_start"})
      EXPECT_EQ(dlg->m_instrument.Snapshot()[key].text, held[key].text) << key;
    EXPECT_EQ(dlg->m_instrument.Snapshot()["alarm_mode"].item, held["alarm_mode"].item);
    EXPECT_EQ(dlg->m_dlgUser1.m_editBuzzer.GetWindowText(), "00420");
    EXPECT_EQ(dlg->m_dlgUser1.m_editMemInterval.GetWindowText(), "015");
    ASSERT_EQ(app.m_memoryRecords.size(), 3u);
    EXPECT_EQ(app.m_memoryRecords[2].data[0], 'c');
    EXPECT_EQ(dir.Read("memory.csv"), kEarlierCsv);
  }
  inst::InstrumentSettings held;
  // Disconnect: closed at once, whatever the line did.
  void ExpectDisconnects() {
    auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(ui::Click(*dlg, IDC_BUTTON_CONNECT));
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(dlg->m_instrument.Link(), nullptr);
    EXPECT_EQ(ui::TextOf(*dlg, IDC_STATIC_STATUS), "未接続");
    EXPECT_LT(ms, kDisconnectBoundMs);
  }
};

// The adapter is pulled out while the measurement reply is on its way: that
// step fails, the device is gone for a new connection, nothing held is lost.
TEST(LineFaults, UnpluggedInTheMiddleOfAReply) {
  FaultBench run;
  run.ConnectTo({"--unplug", "D"});
  run.Hold();
  EXPECT_LT(run.Read(1), kSequenceBoundMs);
  EXPECT_EQ(run.Shown(), (Boxes{{kMeasurementFailed, kMeasurementCaption}}));
  EXPECT_EQ(run.dlg->m_dlgUser2.m_staticModelName.GetWindowText(), "TAVO-420BN");
  run.ExpectHeld();
  run.ExpectDisconnects();
  run.sim.reset();   // gone with the adapter
  const SimProcess beside({});   // a simulator beside it, given the pty number just freed
  ASSERT_FALSE(beside.Device().empty());
  run.boxes.boxes.clear();
  EXPECT_FALSE(run.Connect());
  EXPECT_EQ(run.Shown(), (Boxes{{"COMポートオープンに失敗しました。", "COMポートオープン"}}));
}

TEST(LineFaults, UnpluggedDuringTheMemoryDownload) {
  FaultBench run;
  run.ConnectTo({"--unplug", "O", "--records", "511"}, kMemoryIni);
  run.Hold();
  EXPECT_LT(run.Download(), kAtOnceMemoryMs);
  EXPECT_EQ(run.Shown(), (Boxes{{kReadFailed, "一括読出"}}));
  run.ExpectHeld();
  run.ExpectDisconnects();
}

// Noise before every reply is dropped between frames: every step succeeds.
TEST(LineFaults, BurstsOfNoiseBeforeEveryReply) {
  FaultBench run;
  run.ConnectTo({"--noise", "1000"});
  EXPECT_LT(run.Read(0), kSequenceBoundMs);
  EXPECT_LT(run.Read(1), kSequenceBoundMs);
  EXPECT_EQ(run.Shown(), Boxes{});
  EXPECT_EQ(run.dlg->m_dlgUser2.m_staticModelName.GetWindowText(), "TAVO-420BN");
  EXPECT_FALSE(run.dlg->m_instrument.Snapshot()["buzzer"].text.empty());
  run.ExpectDisconnects();
}

// A setting refused every time, or acknowledged only while its frame was
// still going out: six sends, then its failure is reported; the snapshot
// keeps the value last acknowledged, the page what was typed.
TEST(LineFaults, ARunOfRefusalsFailsTheSettingAndKeepsItsSnapshot) {
  // Bytes 30 ms apart: the early ACK is read long before the frame's last byte goes.
  const char kSlowSendIni[] = "[COMM]\r\nTimeOut=300\r\nSendDelay=10\r\nSleepTime=30\r\n";
  for (const char* fault : {"--refuse", "--early-ack"}) {
    SCOPED_TRACE(fault);
    FaultBench run;
    run.ConnectTo({fault, "B"}, kSlowSendIni);
    EXPECT_LT(run.Read(0), kSequenceBoundMs);
    ASSERT_EQ(run.Shown(), Boxes{});
    const CString acknowledged = run.dlg->m_instrument.Snapshot()["buzzer"].text;
    ASSERT_FALSE(acknowledged.IsEmpty());
    run.dlg->m_dlgUser1.m_editBuzzer.SetWindowText("33.0");
    run.ClearFrames();
    EXPECT_LT(run.Press(0, IDC_BUTTON_SET), kSequenceBoundMs);
    EXPECT_EQ(run.Shown(), (Boxes{{"ﾌﾞｻﾞｰ警報の設定に失敗しました。", "ﾌﾞｻﾞｰ警報設定異常"}}));
    EXPECT_EQ(run.Frames().size(), 6u);
    EXPECT_EQ(run.dlg->m_instrument.Snapshot()["buzzer"].text, acknowledged);
    EXPECT_EQ(run.dlg->m_dlgUser1.m_editBuzzer.GetWindowText(), "33.0");
    run.ExpectDisconnects();
  }
}

// A reply that stops half-way fails its step; the frame it left open is
// dropped when the next request goes out, so the next reply is read.
TEST(LineFaults, AReplyThatStopsHalfWayCostsOnlyItsOwnStep) {
  FaultBench run;
  run.ConnectTo({"--cut", "D"});
  run.Hold();
  EXPECT_LT(run.Read(1), kSequenceBoundMs);
  EXPECT_EQ(run.Shown(), (Boxes{{kMeasurementFailed, kMeasurementCaption}}));
  run.ExpectHeld();
  run.boxes.boxes.clear();
  EXPECT_LT(run.Read(0), kSequenceBoundMs);
  EXPECT_EQ(run.Shown(), Boxes{});
  run.ExpectDisconnects();
}

// Faults in single answers: the pages show the instrument's values, and only
// the step whose answer was cut off reports its failure.
TEST(LineFaults, FaultsOfSingleAnswersOnARead) {
  const struct { const char* name; std::vector<std::string> args; int reads; Boxes boxes; } cases[] = {
      {"a stray ACK behind the measurement", {"--stray-ack", "D"}, 1, {}},
      {"a stray NAK behind the measurement", {"--stray-nak", "D"}, 1, {}},
      {"the first measurement cut off", {"--cut-once", "D"}, 2, {{kMeasurementFailed, kMeasurementCaption}}},
      {"control bytes around every answer", {"--control-noise", "2"}, 2, {}},
      {"a short second measurement behind the answer", {"--second", "D"}, 1, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FaultBench run;
    run.ConnectTo(c.args);
    for (int i = 0; i < c.reads; ++i) EXPECT_LT(run.Read(1), kSequenceBoundMs);
    EXPECT_EQ(run.Shown(), c.boxes);
    EXPECT_EQ(run.dlg->m_dlgUser2.m_staticTavoIndoor.GetWindowText(), "25.3");
    EXPECT_EQ(run.dlg->m_dlgUser2.m_staticGlobeTemp.GetWindowText(), "30.2");
  }
}

// Faults in the answers to the memory query: what was read is written, and
// the user hears of every download that failed or came in part.
TEST(LineFaults, FaultsOfSingleAnswersOnADownload) {
  const struct { const char* name; std::vector<std::string> args; int downloads; Boxes boxes; int records;
                 long boundMs; } cases[] = {
      {"the first answer cut off: the next one whole", {"--cut-once", "O"}, 2, {{kReadFailed, "一括読出"}}, 30,
       kMemoryBoundMs},
      {"a byte slipped in: the records before it, and a warning", {"--slip", "O"}, 1, {{kPartRead, "一括読出"}}, 14,
       kAtOnceMemoryMs},
      {"a NAK first: sent again at once", {"--naks", "1"}, 1, {}, 30, kAtOnceMemoryMs},
      {"control bytes around every answer", {"--control-noise", "2"}, 2, {}, 30, kAtOnceMemoryMs},
      {"an ETX before the EOT: no damage", {"--etx", "O"}, 1, {}, 30, kAtOnceMemoryMs},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FaultBench run;
    std::vector<std::string> args = {"--records", "30"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    run.ConnectTo(args, kMemoryIni);
    for (int i = 0; i < c.downloads; ++i) EXPECT_LT(run.Download(), c.boundMs);
    EXPECT_EQ(run.Shown(), c.boxes);
    EXPECT_EQ(run.dir.Read("memory.csv"), CsvOf(c.records));
    if (c.boxes.size() == 1 && c.boxes[0].first == kPartRead && run.boxes.boxes.size() == 1) {
      EXPECT_EQ(run.boxes.boxes[0].type, fw::kMbOk | fw::kMbIconExclamation);
    }
  }
}

// A close request while a sequence shows one of its failure boxes: the
// sequence goes on to its end with every message, then the tool disconnects
// and ends as Exit does.
TEST(LineFaults, ACloseDuringASequenceWaitsForItsEnd) {
  FaultBench run;
  run.ConnectTo({"--refuse", "BI"});
  EXPECT_LT(run.Read(0), kSequenceBoundMs);
  run.dlg->m_dlgUser1.m_editBuzzer.SetWindowText("33.0");
  run.dlg->m_dlgUser1.m_editMemInterval.SetWindowText("020");
  fw::SetMessageBoxHandler([&run](const fw::MessageBoxRecord& box) {
    run.boxes.boxes.push_back(box);
    if (run.boxes.boxes.size() == 1) ui::CloseWindow(*run.dlg);
    EXPECT_NE(run.dlg->m_instrument.Link(), nullptr);
    return fw::kIdOk;
  });
  EXPECT_LT(run.Press(0, IDC_BUTTON_SET), kSequenceBoundMs);
  EXPECT_EQ(run.Shown(), (Boxes{{"ﾌﾞｻﾞｰ警報の設定に失敗しました。", "ﾌﾞｻﾞｰ警報設定異常"},
                                {"ﾒﾓﾘ間隔時間の設定に失敗しました。", "ﾒﾓﾘ間隔時間設定異常"}}));
  EXPECT_TRUE(run.dlg->IsEnded());
  EXPECT_EQ(run.dlg->m_instrument.Link(), nullptr);
}

// A reply longer than the reply buffer is dropped whole; the next one is read.
TEST(LineFaults, AnOversizeReplyIsDroppedAndTheNextOneRead) {
  FaultBench run;
  // The default TimeOut: the next reply comes behind the rest of the oversize one.
  run.ConnectTo({"--reply", "D" + std::string(25000, '9')},
                "[COMM]\r\nTimeOut=1000\r\nSendDelay=10\r\nSleepTime=1\r\n");
  run.Hold();
  EXPECT_LT(run.Read(1), kSequenceBoundMs);
  EXPECT_EQ(run.Shown(), (Boxes{{kMeasurementFailed, kMeasurementCaption}}));
  run.ExpectHeld();
  run.boxes.boxes.clear();
  EXPECT_LT(run.Read(0), kSequenceBoundMs);
  EXPECT_EQ(run.Shown(), Boxes{});
  run.ExpectDisconnects();
}

// 512 records do not fit the reply buffer; a byte slipped in before the first
// record leaves not one whole: the download fails and the earlier records and file stay.
TEST(LineFaults, AMemoryWithNoRecordToTakeFailsTheDownload) {
  for (const std::string& memory : {"O" + SimulatedMemory(512), "O#" + SimulatedMemory(3)}) {
    SCOPED_TRACE(memory.size());
    FaultBench run;
    run.ConnectTo({"--reply", memory}, kMemoryIni);
    run.Hold();
    EXPECT_LT(run.Download(), kAtOnceMemoryMs);
    EXPECT_EQ(run.Shown(), (Boxes{{kReadFailed, "一括読出"}}));
    run.ExpectHeld();
    EXPECT_EQ(run.Frames().size(), 1u);
    run.ExpectDisconnects();
  }
}

}  // namespace
