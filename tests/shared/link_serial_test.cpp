// The link over a stand-in port: the receiver thread, the reply buffer and
// events, acknowledgements, Close, and the write and read failure bounds.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>

#include "link/serial.h"
#include "platform/clock.h"
#include "support/fake_port.h"
#include "support/temp_dir.h"

namespace {

class LinkTest : public ::testing::Test {
protected:
  void SetUp() override {
    dir_.Write("TAVO.ini", "[COMM]\r\nTimeOut=200\r\nSleepTime=0\r\n");
    auto port = std::make_unique<FakePort>();
    port_ = port.get();
    link_ = std::make_unique<CSerial>(std::move(port));
    ASSERT_EQ(link_->Open("COM1"), 1);
    for (char letter = '!'; letter <= '~'; ++letter) link_->ReplyEvent(letter)->Reset();
    link_->AckEvent().Reset();   // the events are created signalled
  }
  void TearDown() override { link_->Close(); }

  std::string Reply() {
    plat::LockGuard guard(link_->ReplyLock());
    return std::string(reinterpret_cast<const char*>(link_->ReplyBuffer()), link_->ReplyLength());
  }
  // Sends `bytes`, then a marker frame 'E', and waits until the marker has
  // been dispatched: everything before it has been handled by then.
  void ArriveAndSettle(const std::string& bytes) {
    link_->ReplyEvent('E')->Reset();
    port_->Arrive(bytes + "\x02" "E\x04");
    ASSERT_TRUE(link_->ReplyEvent('E')->Wait(10000));
  }

  TempCurrentDir dir_;
  FakePort* port_ = nullptr;
  std::unique_ptr<CSerial> link_;
};

TEST_F(LinkTest, AReplyFrameFillsTheBufferAndSignalsItsLetter) {
  port_->Arrive(std::string("\0A", 2) + "\x02" "D+25.3\x04");
  ASSERT_TRUE(link_->ReplyEvent('D')->Wait(10000));
  EXPECT_EQ(Reply(), "\x02" "D+25.3");
  EXPECT_FALSE(link_->ReplyEvent('Q')->Wait(0));
}

TEST_F(LinkTest, AReplyOfAnotherLetterReplacesTheBufferAndSignalsOnlyItsOwnEvent) {
  port_->Arrive("\x02" "D1\x04");
  ASSERT_TRUE(link_->ReplyEvent('D')->Wait(10000));
  port_->Arrive("\x02x123\x04");
  bool replaced = false;
  for (int i = 0; i < 2000 && !replaced; ++i, plat::SleepMs(5)) replaced = Reply() == "\x02x123";
  EXPECT_TRUE(replaced);
  EXPECT_FALSE(link_->ReplyEvent('D')->Wait(0));
  EXPECT_TRUE(link_->ReplyEvent('x')->Wait(0));
}

TEST_F(LinkTest, AcknowledgementsCountOnlyWhileAwaited) {
  const struct { bool awaiting; const char* byte; std::uint8_t code; bool event; } cases[] = {
      {false, "\x06", 0, false}, {true, "\x06", 0x06, true},
      {false, "\x15", 0, false}, {true, "\x15", 0x15, false},
  };
  for (const auto& c : cases) {
    link_->ClearAckCode();
    link_->AckEvent().Reset();
    link_->SetAwaitingAck(c.awaiting);
    ArriveAndSettle(c.byte);
    EXPECT_EQ(link_->LastAckCode(), c.code) << int(c.byte[0]) << " awaiting " << c.awaiting;
    EXPECT_EQ(link_->AckEvent().Wait(0), c.event) << int(c.byte[0]) << " awaiting " << c.awaiting;
  }
}

TEST_F(LinkTest, CloseDeliversAHalfReceivedFrame) {
  port_->Arrive("\x02" "D12");
  ASSERT_TRUE(port_->WaitUntilRead(10000));
  link_->Close();
  EXPECT_EQ(Reply(), "\x02" "D12");
  EXPECT_TRUE(link_->ReplyEvent('D')->Wait(0));
  EXPECT_EQ(link_->Settings(), nullptr);
}

TEST_F(LinkTest, FailingReadsDoNotSpin) {
  port_->readsFail = true;
  long before = port_->reads;
  plat::SleepMs(1000);
  long reads = port_->reads - before;
  EXPECT_LT(reads, 200) << "a pause follows every failed read";
  EXPECT_GT(reads, 0);
  port_->readsFail = false;
  ArriveAndSettle("");   // the receiver reads again once the port is back
}

TEST_F(LinkTest, WriteSendsEveryByteOrEndsWithZero) {
  const std::string frame = "\x02$Q\x03";
  auto bytes = reinterpret_cast<const std::uint8_t*>(frame.data());
  EXPECT_EQ(link_->Write(bytes, 4), 1);
  EXPECT_EQ(port_->Written(), frame);
  EXPECT_EQ(port_->writeAttempts, 4);

  port_->writeResult = plat::WriteResult::NotTaken;   // a port that keeps refusing
  EXPECT_EQ(link_->Write(bytes, 4), 0);
  EXPECT_EQ(port_->writeAttempts, 4 + CSerial::kMaxRefusals) << "the first byte offered again, then given up";
  port_->writeResult = plat::WriteResult::Failed;
  EXPECT_EQ(link_->Write(bytes, 4), 0);
  EXPECT_EQ(port_->writeAttempts, 4 + CSerial::kMaxRefusals + 1) << "a failed byte ends the write";
  EXPECT_EQ(port_->Written(), frame) << "nothing more was taken";

  port_->writeResult = plat::WriteResult::Written;
  link_->Close();
  EXPECT_EQ(link_->Write(bytes, 4), 0) << "closed";
  EXPECT_EQ(port_->writeAttempts, 4 + CSerial::kMaxRefusals + 1) << "no byte offered to a closed link";
}

TEST(LinkPacing, EveryByteIsFollowedBySleepTime) {
  TempCurrentDir dir;
  dir.Write("TAVO.ini", "[COMM]\r\nSleepTime=30\r\n");
  CSerial link(std::make_unique<FakePort>());
  ASSERT_EQ(link.Open("COM1"), 1);
  const std::uint8_t frame[] = {2, '$', 'Q', 3};
  // Measured on the finest clock: under Wine the tick count a busy machine
  // updates can lag by more than a pause.
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(link.Write(frame, 4), 1);
  EXPECT_GE(std::chrono::steady_clock::now() - start, 4 * std::chrono::milliseconds(25))
      << "four pauses (with a coarse sleep)";
}

TEST(LinkOpen, FailsWhenThePortDoesNotOpen) {
  class NoPort : public FakePort {
    bool Open(const std::string&, const plat::LineSettings&) override { return false; }
  };
  TempCurrentDir dir;
  auto port = std::make_unique<NoPort>();
  NoPort* noPort = port.get();
  CSerial link(std::move(port));
  EXPECT_EQ(link.Open("COM12"), 0);
  plat::SleepMs(100);   // a receiver started all the same would have read by now
  link.Close();
  EXPECT_EQ(noPort->reads, 0) << "no receiver thread reads a port that did not open";
}

}  // namespace
