// The reads of what user page 2 and the maker pages only show, over a
// scripted port: the query each sends and the texts its reply gives.
#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <memory>
#include <string>

#include "instrument/page_reads.h"
#include "link/serial.h"
#include "res/resource.h"
#include "support/fake_port.h"
#include "support/temp_dir.h"

namespace {

using Read = std::function<int(inst::Instrument&, inst::Reporter&)>;

struct Silent : inst::Reporter {
  void Tell(const char* message, const char*, inst::Icon) override { ADD_FAILURE() << "told " << message; }
  void Pause() override {}
};

Read Readings(int page, char letter) {
  return [=](inst::Instrument& i, inst::Reporter& r) { return inst::ReadPageReadings(i, r, page, letter); };
}
Read AdCounts(int channel) {
  return [=](inst::Instrument& i, inst::Reporter& r) { return inst::ReadAdCounts(i, r, channel); };
}
const Read kAutoPowerOff = &inst::ReadAutoPowerOffText, kClock = &inst::ReadClockText;

// Every text the reads give, one after the other.
std::string Shown(const inst::Instrument& instrument) {
  std::string shown = instrument.autoPowerOffText + instrument.clockText;
  for (const std::string& reading : instrument.readings) shown += reading;
  return shown;
}

class PageReads : public ::testing::Test {
protected:
  // A link whose instrument answers every frame with `reply` (framed), or not at all when it is empty.
  void Open(const std::string& reply) {
    dir.Write("TAVO.ini", "[COMM]\r\nTimeOut=100\r\nSendDelay=0\r\nSleepTime=0\r\n");
    auto owned = std::make_unique<FakePort>(
        [reply](const std::string&) { return reply.empty() ? reply : "\x02" + reply + "\x04"; });
    port = owned.get();
    link = std::make_unique<CSerial>(std::move(owned));
    ASSERT_EQ(link->Open("COM1"), 1);
    instrument = inst::Instrument{};
    instrument.link = link.get();
  }

  TempCurrentDir dir;
  FakePort* port = nullptr;
  std::unique_ptr<CSerial> link;
  inst::Instrument instrument;
  Silent reporter;
};

// The one query each read sends and the texts it gives: a clock that is no
// date and time as it came, a choice outside the list as nothing.
TEST_F(PageReads, EachReadsOneReply) {
  struct Case {
    Read read;
    std::string reply;   // letter, then payload; empty: unanswered
    std::string frame;   // what goes out
    int result;
    std::string shown;
  };
  const std::string q = "\x02$Q\x03", t = "\x02$T\x03";
  const Case cases[] = {
      {kAutoPowerOff, "Q0", q, 1, "許可"},
      {kAutoPowerOff, "Q1", q, 1, "禁止"},
      {kAutoPowerOff, "Q7", q, 1, ""},
      {kClock, "T240531090705", t, 1, "2024/05/31 09:07:05"},
      {kClock, "T241305090705", t, 1, "2024/13/05 09:07:05"},
      {kClock, "T240005090705", t, 1, "2024/00/05 09:07:05"},
      {kClock, "T240531240000", t, 1, "2024/05/31 24:00:00"},
      {kClock, "T240230120000", t, 1, "2024/02/30 12:00:00"},
      {kClock, "T240531096005", t, 1, "2024/05/31 09:60:05"},
      {kClock, "T2405310907x5", t, 1, "2024/05/31 09:07:x5"},
      {kClock, "T2405", t, 1, "2024/05/ ::"},
      {AdCounts(2), "V0000021207", "\x02$V2\x03", 1, "21207"},
      {AdCounts(-1), "V0000021207", "", 0, ""},   // no channel, nothing asked
      {Readings(IDD_USER2, 'D'), "", "\x02$D\x03", 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reply + " " + c.frame);
    Open(c.reply);
    EXPECT_EQ(c.read(instrument, reporter), c.result);
    EXPECT_EQ(port->Written(), c.frame);
    EXPECT_EQ(Shown(instrument), c.shown);
  }
}

// Without a link nothing is asked; a frame that cannot be written is tried
// once, its first byte, and nothing is read.
TEST_F(PageReads, WithoutALinkOrAWrittenFrameNothingIsRead) {
  const Read reads[] = {kAutoPowerOff,             kClock,       Readings(IDD_USER2, 'D'), Readings(IDD_MAKER1, 'D'),
                        Readings(IDD_MAKER1, 'P'), Readings(IDD_MAKER1, 'G'), AdCounts(0)};
  Open("Q1");
  port->writeResult = plat::WriteResult::Failed;
  for (const Read& read : reads) EXPECT_EQ(read(instrument, reporter), 0);
  instrument.link = nullptr;
  for (const Read& read : reads) EXPECT_EQ(read(instrument, reporter), 0);
  EXPECT_EQ(port->writeAttempts, static_cast<int>(std::size(reads)));
  EXPECT_EQ(Shown(instrument), "");
}

}  // namespace
