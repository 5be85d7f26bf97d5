// The link over a real pty against the instrument simulator, with short timings.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "link/frames.h"
#include "link/reply_fields.h"
#include "link/serial.h"
#include "link/transactions.h"
#include "native/sim_process.h"
#include "platform/clock.h"
#include "support/temp_dir.h"

namespace {

class SimulatorTest : public ::testing::Test {
protected:
  // Starts the simulator with `args` and opens a link to it.
  void Connect(std::vector<std::string> args, const char* timeOut = "500") {
    dir_.Write("TAVO.ini", std::string("[COMM]\r\nTimeOut=") + timeOut + "\r\nSleepTime=1\r\n");
    args.insert(args.end(), {"--log", (dir_.path() / "sim.log").string()});
    sim_ = std::make_unique<SimProcess>(args);
    ASSERT_FALSE(sim_->Device().empty()) << "the simulator did not start";
    link_ = std::make_unique<CSerial>();
    ASSERT_EQ(link_->Open(sim_->Device().c_str()), 1);
  }
  void TearDown() override {
    if (link_) link_->Close();
  }
  std::string Reply() {
    plat::LockGuard guard(link_->ReplyLock());
    return std::string(reinterpret_cast<const char*>(link_->ReplyBuffer()), link_->ReplyLength());
  }
  // A query's reply carries the letter after '$' or '#'.
  QueryOutcome Query(const std::string& frame) { return RunQuery(*link_, frame, frame.at(2)); }
  int Set(const std::string& frame, int& counter) {
    return RunSetTransaction(*link_, [&] { return SendSettingFrame(*link_, frame); }, counter);
  }
  std::string Log() {
    std::ifstream in(dir_.path() / "sim.log");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  TempCurrentDir dir_;
  std::unique_ptr<SimProcess> sim_;
  std::unique_ptr<CSerial> link_;
};

TEST_F(SimulatorTest, IdentifiesTheInstrument) {
  Connect({"--model", "TAVO-410B", "--version", "1.21"});
  ASSERT_EQ(Query(SettingFrame("#v", "")), QueryOutcome::Replied);
  std::string reply = Reply();
  EXPECT_EQ(reply.substr(0, 2), "\x02v");
  EXPECT_EQ(reply.substr(2, 9), "TAVO-410B");
  EXPECT_EQ(reply.substr(11, 6), "1.21  ");
  EXPECT_NE(Log().find("02 23 76 03"), std::string::npos) << Log();
}

TEST_F(SimulatorTest, AnswersEveryQueryAsLongAsTheToolReads) {
  Connect({"--records", "511"});
  const struct { std::string frame; int length; } cases[] = {
      {SettingFrame("#v", ""), 17}, {QueryFrame('D'), 59}, {QueryFrame('P'), 120}, {QueryFrame('G'), 24},
      {SettingFrame("$V", "2"), 240}, {QueryFrame('O'), 2 + 511 * 40}, {QueryFrame('Q'), 3},
      {QueryFrame('T'), 14}, {QueryFrame('I'), 5}, {QueryFrame('B'), 7}, {QueryFrame('K'), 3},
      {QueryFrame('S'), 29}, {QueryFrame('s'), 14}, {QueryFrame('L'), 7}, {QueryFrame('M'), 3},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(Query(c.frame), QueryOutcome::Replied) << c.frame;
    std::string reply = Reply();
    EXPECT_EQ(reply[1], c.frame.at(2));
    EXPECT_GE(static_cast<int>(reply.size()), c.length) << c.frame;
  }
}

TEST_F(SimulatorTest, KeepsWhatIsSetAndRefusesMalformedFrames) {
  Connect({});
  int counter = 1;
  ASSERT_EQ(Set(SettingFrame("B", "031.56"), counter), 1);
  ASSERT_EQ(Query(QueryFrame('B')), QueryOutcome::Replied);
  EXPECT_EQ(TrimNumber(ReadSignedField(link_->ReplyBuffer(), 2, 4)), "31.5");
  counter = 5;
  EXPECT_EQ(Set("\x02" "B1\x03", counter), 0) << "too short: NAK";
  EXPECT_EQ(counter, 6);
}

TEST_F(SimulatorTest, RefusalsIgnoredLettersAndLateAnswers) {
  const struct { std::vector<std::string> args; QueryOutcome outcome; int setResult; int counter; } cases[] = {
      {{"--naks", "2"}, QueryOutcome::Replied, 1, 3},   // a NAK refuses a query: it is sent again
      {{"--ignore", "QK"}, QueryOutcome::NoReply, 0, 6},
      {{"--late", "3000"}, QueryOutcome::NoReply, 0, 6},   // later than all six waits (6 x 400 ms)
      {{"--late", "600"}, QueryOutcome::NoReply, 0, 6},    // later than its wait: no answer to the next send
  };
  for (const auto& c : cases) {
    Connect(c.args, "400");
    EXPECT_EQ(Query(QueryFrame('Q')), c.outcome) << c.args[0];
    link_->Close();
    Connect(c.args, "400");   // a fresh instrument for the setting
    int counter = 1;
    EXPECT_EQ(Set(SettingFrame("K", "1"), counter), c.setResult) << c.args[0];
    EXPECT_EQ(counter, c.counter) << c.args[0];
    link_->Close();
  }
}

TEST_F(SimulatorTest, NoisySplitAndPacedAnswersArrive) {
  Connect({"--noise", "7", "--split", "3", "--baud", "9600"});
  ASSERT_EQ(Query(QueryFrame('S')), QueryOutcome::Replied);
  EXPECT_EQ(Reply(), "\x02Sa028.06b031.06c033.06d035.06");
}

TEST_F(SimulatorTest, AVanishedDeviceDoesNotSpin) {
  Connect({});
  sim_.reset();   // the far end of the pty is gone
  rusage before, after;
  getrusage(RUSAGE_SELF, &before);
  plat::SleepMs(1000);
  getrusage(RUSAGE_SELF, &after);
  auto ms = [](const rusage& r) {
    return (r.ru_utime.tv_sec + r.ru_stime.tv_sec) * 1000L + (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1000;
  };
  EXPECT_LT(ms(after) - ms(before), 500) << "CPU time over one second";
  EXPECT_EQ(Query(QueryFrame('Q')), QueryOutcome::NoReply);
  auto start = plat::MonotonicMs();
  link_->Close();
  EXPECT_LT(plat::MonotonicMs() - start, 150u);
}

}  // namespace
