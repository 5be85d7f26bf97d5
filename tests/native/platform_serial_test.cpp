// The POSIX serial port over a pseudo-terminal: the test holds the master side.
// Time bounds only tell a wait that happened from one that did not: they are
// far from both the expected time and the faulty one.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <thread>
#include <atomic>
#include <future>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/serial_port.h"

namespace {

const plat::LineSettings k9600{9600, 0, 0, 8};

class SerialTest : public ::testing::Test {
protected:
  void SetUp() override {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master_, 0);
    ASSERT_EQ(grantpt(master_), 0);
    ASSERT_EQ(unlockpt(master_), 0);
    ASSERT_TRUE(port_.Open(ptsname(master_), k9600));
  }
  void TearDown() override {
    port_.Close();
    if (master_ >= 0) close(master_);
  }

  // The next byte the port reads, skipping empty reads; fails after many of them.
  bool NextByte(std::uint8_t& byte) {
    for (int i = 0; i < 50; ++i) {
      plat::ReadResult r = port_.ReadByte(byte);
      if (r != plat::ReadResult::Empty) return r == plat::ReadResult::Byte;
    }
    return false;
  }

  // The next byte the far end receives.
  int FarEndReads() {
    pollfd pfd{master_, POLLIN, 0};
    std::uint8_t byte;
    if (poll(&pfd, 1, 10000) != 1 || read(master_, &byte, 1) != 1) return -1;
    return byte;
  }

  int master_ = -1;
  plat::SerialPort port_;
};

// Line-ending, flow-control and parity-marking bytes must pass unchanged.
const std::vector<std::uint8_t> kBytes{0x41, 0x00, 0x0D, 0x0A, 0x11, 0x13, 0x7F, 0xFF, 0x03};

TEST_F(SerialTest, BytesPassBothWaysUnchanged) {
  for (std::uint8_t sent : kBytes) {
    ASSERT_EQ(write(master_, &sent, 1), 1);
    std::uint8_t got = 0;
    ASSERT_TRUE(NextByte(got)) << int(sent);
    EXPECT_EQ(got, sent);
  }
  for (std::uint8_t sent : kBytes) {
    ASSERT_EQ(port_.WriteByte(sent), plat::WriteResult::Written);
    EXPECT_EQ(FarEndReads(), sent);
  }
}

TEST_F(SerialTest, ReadIsEmptyAfterTheTimeOut) {
  std::uint8_t byte;
  auto start = plat::MonotonicMs();
  EXPECT_EQ(port_.ReadByte(byte), plat::ReadResult::Empty);
  auto elapsed = plat::MonotonicMs() - start;
  EXPECT_GE(elapsed, 150u) << "the read waits about 200 ms";
  EXPECT_LT(elapsed, 5000u);
}

TEST_F(SerialTest, WritesDoNotWaitForAWaitingRead) {
  std::atomic<bool> stop{false};
  std::thread reader([&] {
    std::uint8_t byte;
    while (!stop) port_.ReadByte(byte);
  });
  plat::SleepMs(20);
  auto start = plat::MonotonicMs();
  for (int i = 0; i < 10; ++i) ASSERT_EQ(port_.WriteByte(0x30 + i), plat::WriteResult::Written);
  auto elapsed = plat::MonotonicMs() - start;
  stop = true;
  reader.join();
  EXPECT_LT(elapsed, 2000u) << "ten writes must not take ten read time-outs";
  for (int i = 0; i < 10; ++i) EXPECT_EQ(FarEndReads(), 0x30 + i);
}

TEST_F(SerialTest, ASecondOpenOfThePortFails) {
  plat::SerialPort second;
  EXPECT_FALSE(second.Open(ptsname(master_), k9600));
  port_.Close();
  EXPECT_TRUE(second.Open(ptsname(master_), k9600)) << "free again once closed";
}

TEST_F(SerialTest, AWriteTheFarEndNeverTakesIsNotTaken) {
  // The far end reads nothing: once the pty's buffer is full, bytes are refused.
  plat::WriteResult result = plat::WriteResult::Written;
  for (int i = 0; i < 100000 && result == plat::WriteResult::Written; ++i) result = port_.WriteByte(0x55);
  EXPECT_EQ(result, plat::WriteResult::NotTaken);
}

TEST_F(SerialTest, CloseEndsAWaitingReadAtOnce) {
  auto reader = std::async(std::launch::async, [this] {
    std::uint8_t byte;
    plat::ReadResult r;
    while ((r = port_.ReadByte(byte)) == plat::ReadResult::Empty) {}
    return r;
  });
  usleep(100000);
  auto start = plat::MonotonicMs();
  port_.Close();
  EXPECT_LT(plat::MonotonicMs() - start, 150u) << "Close must not wait for the read time-out";
  ASSERT_EQ(reader.wait_for(std::chrono::seconds(10)), std::future_status::ready);
  EXPECT_EQ(reader.get(), plat::ReadResult::Failed);
  EXPECT_FALSE(port_.IsOpen());
  EXPECT_EQ(port_.WriteByte(0x41), plat::WriteResult::Failed);
}

TEST_F(SerialTest, LostDeviceFailsTheRead) {
  close(master_);
  master_ = -1;
  std::uint8_t byte;
  EXPECT_FALSE(NextByte(byte));
  EXPECT_EQ(port_.ReadByte(byte), plat::ReadResult::Failed);
}

TEST(SerialOpen, RefusesWhatIsNoSerialPort) {
  plat::SerialPort port;
  EXPECT_FALSE(port.Open("/nonexistent/tty", k9600));
  EXPECT_FALSE(port.Open("/dev/null", k9600)) << "not a terminal";
  EXPECT_FALSE(port.IsOpen());
}

}  // namespace
