// Query, set and reset transactions against a scripted instrument: each
// attempt is judged by what arrived during it, and sends stop at six.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "link/frames.h"
#include "link/serial.h"
#include "link/transactions.h"
#include "platform/clock.h"
#include "support/fake_port.h"
#include "support/temp_dir.h"

namespace {

const std::string kAckByte = "\x06";
const std::string kNakByte = "\x15";
const std::string kQReply = "\x02Q1\x04";

// Answers the n-th frame written with script[n]; silent after the script ends.
class Instrument {
public:
  explicit Instrument(std::vector<std::string> script) : m_script(std::move(script)) {}
  std::string operator()(const std::string&) {
    return m_next < m_script.size() ? m_script[m_next++] : std::string();
  }
private:
  std::vector<std::string> m_script;
  size_t m_next = 0;
};

class TransactionTest : public ::testing::Test {
protected:
  // A link whose instrument answers the frames it gets with `script`.
  // `during`: bytes that arrive while each frame is still going out.
  void Connect(std::vector<std::string> script, int timeOutMs = kFakePortTimeOutMs, const std::string& during = "") {
    dir_.Write("TAVO.ini", "[COMM]\r\nTimeOut=" + std::to_string(timeOutMs) + "\r\nSleepTime=0\r\n");
    auto port = std::make_unique<FakePort>(Instrument(std::move(script)));
    port->duringFrame = during;
    port_ = port.get();
    link_ = std::make_unique<CSerial>(std::move(port));
    ASSERT_EQ(link_->Open("COM1"), 1);
  }
  // From now on every read of the port fails (a read under way when asked ends first).
  void FailReads() {
    port_->readsFail = true;
    for (int i = 0; i < 1000 && !link_->ReadsFailing(); ++i) plat::SleepMs(10);
    ASSERT_TRUE(link_->ReadsFailing());
  }
  int SetAutoPowerOff(int& counter) {
    return RunSetTransaction(*link_, [this] { return SendSettingFrame(*link_, SettingFrame("Q", "1")); }, counter);
  }

  TempCurrentDir dir_;
  FakePort* port_ = nullptr;
  std::unique_ptr<CSerial> link_;
};

TEST_F(TransactionTest, QueryOutcomes) {
  const std::string kDReply = "\x02" "D1\x04";
  const struct { const char* name; std::vector<std::string> script; bool awaiting; QueryOutcome outcome; int sends;
                 std::string buffer; int runs; std::string during = ""; } cases[] = {
      {"answered at once", {kQReply}, false, QueryOutcome::Replied, 1, "\x02Q1", 1},
      {"no answer: one wait, no repeat", {}, false, QueryOutcome::NoReply, 1, "", 1},
      {"refused twice while awaiting, then answered", {kNakByte, kNakByte, kQReply}, true, QueryOutcome::Replied, 3,
       "\x02Q1", 1},
      {"refused six times", std::vector<std::string>(6, kNakByte), true, QueryOutcome::NoReply, 6, "", 1},
      {"refused six times, another letter's reply behind each NAK", std::vector<std::string>(6, kNakByte + kDReply),
       true, QueryOutcome::NoReply, 6, "\x02" "D1", 1},
      {"a NAK refuses with no setting awaited too", {kNakByte, kQReply}, false, QueryOutcome::Replied, 2, "\x02Q1", 1},
      {"a stray ACK behind the reply leaves it", {kQReply + kAckByte}, true, QueryOutcome::Replied, 1, "\x02Q1", 1},
      {"a stray NAK behind the reply leaves it", {kQReply + kNakByte}, true, QueryOutcome::Replied, 1, "\x02Q1", 1},
      {"a second frame of the letter behind the answer leaves it", {kQReply + "\x02Q9\x04"}, false,
       QueryOutcome::Replied, 1, "\x02Q1", 1},
      {"a reply of another letter is no answer", {kDReply}, false, QueryOutcome::NoReply, 1, "\x02" "D1", 1},
      {"a reply cut off, then the next request answered", {"\x02Q9", kQReply}, false, QueryOutcome::Replied, 2,
       "\x02Q1", 2},
      {"a NAK while the query goes out is no answer: no second send", {kQReply}, true, QueryOutcome::Replied, 1,
       "\x02Q1", 1, kNakByte},
      {"a reply while the query goes out is no answer", {}, false, QueryOutcome::NoReply, 1, "\x02Q1", 1, kQReply},
  };
  for (const auto& c : cases) {
    Connect(c.script, kFakePortTimeOutMs, c.during);
    link_->SetAwaitingAck(c.awaiting);
    QueryOutcome outcome = QueryOutcome::NoReply;
    for (int run = 0; run < c.runs; ++run) outcome = RunQuery(*link_, QueryFrame('Q'), 'Q');
    EXPECT_EQ(outcome, c.outcome) << c.name;
    EXPECT_EQ(port_->Frames(), c.sends) << c.name;
    port_->WaitUntilRead(10000);
    link_->Close();   // every byte read has been dispatched
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(link_->ReplyBuffer()), link_->ReplyLength()), c.buffer)
        << c.name;
  }
}

// Waits that cannot succeed end at once: the memory query, whose wait is
// TimeOut x 180 (18 s here), ends in less than half of it.
TEST_F(TransactionTest, WaitsThatCannotSucceedEndAtOnce) {
  const std::string oversize = "\x02O" + std::string(kReplyBufferSize, '9') + "\x04";
  const struct { const char* name; std::vector<std::string> script; bool readsFail; QueryOutcome outcome; int sends; } cases[] = {
      {"a reply too long for the buffer", {oversize}, false, QueryOutcome::NoReply, 1},
      {"a NAK, then the reply", {kNakByte, "\x02O\x04"}, false, QueryOutcome::Replied, 2},
      {"reads that fail", {"\x02O\x04"}, true, QueryOutcome::NoReply, 1},
  };
  for (const auto& c : cases) {
    Connect(c.script);
    if (c.readsFail) FailReads();
    const unsigned long long start = plat::MonotonicMs();
    const ReplyWait memory = {180, 0, false};
    EXPECT_EQ(RunQuery(*link_, QueryFrame('O'), 'O', memory), c.outcome) << c.name;
    EXPECT_LT(plat::MonotonicMs() - start, ReplyWaitMs(*link_->Settings(), memory) / 2) << c.name;
    EXPECT_EQ(port_->Frames(), c.sends) << c.name;
    link_->Close();
  }
}

TEST_F(TransactionTest, ANakLeftFromAnEarlierExchangeDoesNotFailAQuery) {
  Connect({kNakByte, kNakByte, kNakByte, kNakByte, kNakByte, kNakByte, kQReply});
  int counter = 1;
  EXPECT_EQ(SetAutoPowerOff(counter), 0);
  EXPECT_TRUE(link_->AwaitingAck()) << "a failed setting leaves the flag set";
  EXPECT_EQ(RunQuery(*link_, QueryFrame('Q'), 'Q'), QueryOutcome::Replied);
  EXPECT_EQ(port_->Frames(), 7) << "six setting frames, one query";
}

TEST_F(TransactionTest, SetOutcomes) {
  const struct { const char* name; std::vector<std::string> script; int counter; int result; int sends; int after;
                 bool readsFail; std::string during; } cases[] = {
      {"ACK at once", {kAckByte}, 1, 1, 1, 1, false, ""},
      {"NAK twice, then ACK", {kNakByte, kNakByte, kAckByte}, 1, 1, 3, 3, false, ""},
      {"NAK six times", std::vector<std::string>(7, kNakByte), 1, 0, 6, 6, false, ""},
      {"silent", {}, 1, 0, 6, 6, false, ""},
      {"counter shared with earlier settings", {kNakByte, kNakByte}, 5, 0, 2, 6, false, ""},
      {"reads that fail: no resend", {kAckByte}, 1, 0, 1, 1, true, ""},
      {"an ACK while the frame goes out, none after", {}, 1, 0, 6, 6, false, kAckByte},
  };
  for (const auto& c : cases) {
    Connect(c.script, kFakePortTimeOutMs, c.during);
    if (c.readsFail) FailReads();
    int counter = c.counter;
    EXPECT_EQ(SetAutoPowerOff(counter), c.result) << c.name;
    EXPECT_EQ(port_->Frames(), c.sends) << c.name;
    EXPECT_EQ(counter, c.after) << c.name;
    EXPECT_EQ(link_->AwaitingAck(), c.result == 0) << c.name;
    link_->Close();
  }
}

TEST_F(TransactionTest, AnEarlierAckDoesNotAcknowledgeAnUnansweredSetting) {
  Connect({kAckByte});
  int counter = 1;
  ASSERT_EQ(SetAutoPowerOff(counter), 1);
  counter = 1;
  EXPECT_EQ(SetAutoPowerOff(counter), 0) << "no answer to the second setting";
  EXPECT_EQ(port_->Frames(), 7);
}

// An answer that comes after its wait ran out is owed to its own frame: the
// next frame goes out once it can have come, and fails rather than take it.
TEST_F(TransactionTest, ALateAnswerAnswersNoLaterFrame) {
  const int timeOut = 600;
  const unsigned late = timeOut * 3 / 2;   // within the pause that follows the wait, whatever the machine's load
  Connect({kQReply, "\x02Q2\x04"}, timeOut);
  port_->lateMs = late;
  EXPECT_EQ(RunQuery(*link_, QueryFrame('Q'), 'Q'), QueryOutcome::NoReply);
  EXPECT_EQ(RunQuery(*link_, QueryFrame('Q'), 'Q'), QueryOutcome::NoReply) << "the first query's reply";
  link_->Close();
  Connect({kAckByte, kAckByte, ""}, timeOut);
  port_->lateMs = late;
  int counter = kMaxSends - 1;
  EXPECT_EQ(SetAutoPowerOff(counter), 0) << "the first send's ACK came while the second was not yet sent";
  EXPECT_EQ(port_->Frames(), 2);
  counter = kMaxSends;
  EXPECT_EQ(SetAutoPowerOff(counter), 0) << "the second send's ACK is no answer to the next setting";
  EXPECT_EQ(port_->Frames(), 3);
}

TEST_F(TransactionTest, AFailedWriteEndsAQueryAtOnce) {
  const unsigned timeOut = 2000;
  Connect({kQReply}, timeOut);
  port_->writeResult = plat::WriteResult::Failed;
  const auto start = plat::MonotonicMs();
  EXPECT_EQ(RunQuery(*link_, QueryFrame('Q'), 'Q'), QueryOutcome::NoReply);
  EXPECT_LT(plat::MonotonicMs() - start, timeOut / 2) << "no wait for a reply";
  EXPECT_EQ(port_->writeAttempts, 1) << "the first byte failed; nothing was sent again";
  EXPECT_EQ(port_->Written(), "");
  EXPECT_TRUE(link_->WritesFailing()) << "remembered: the frame was not sent";
}

TEST_F(TransactionTest, AQueryMayResendOnTimeOut) {
  const std::string reply = "\x02sa015 b08 17\x04";
  const struct { std::vector<std::string> script; QueryOutcome outcome; int sends; } cases[] = {
      {{"", "", reply}, QueryOutcome::Replied, 3},
      {{kNakByte, reply}, QueryOutcome::Replied, 2},
      {{}, QueryOutcome::NoReply, 6},
  };
  for (const auto& c : cases) {
    Connect(c.script);
    link_->SetAwaitingAck(true);
    EXPECT_EQ(RunQuery(*link_, QueryFrame('s'), 's', {1, 0, true}), c.outcome) << c.sends;
    EXPECT_EQ(port_->Frames(), c.sends);
    link_->Close();
  }
}

TEST_F(TransactionTest, TheResetWaitsOnceAndLeavesNoAcknowledgementAwaited) {
  const unsigned timeOut = 400;
  // A NAK signals nothing, so it waits out the time-out like silence; the ACK ends the wait.
  const struct { const char* name; std::string answer; bool waitsOut; int acknowledged; std::string during; } cases[] = {
      {"acknowledged", kAckByte, false, 1, ""}, {"refused", kNakByte, true, 0, ""}, {"unanswered", "", true, 0, ""},
      {"an ACK while the frame goes out", "", true, 0, kAckByte}};
  for (const auto& c : cases) {
    Connect({c.answer}, timeOut, c.during);
    const auto start = plat::MonotonicMs();
    EXPECT_EQ(RunResetTransaction(*link_, SettingFrame("i", "**")), c.acknowledged) << c.name;
    const auto spent = plat::MonotonicMs() - start;
    EXPECT_EQ(port_->Written(), "\x02i**\x03") << c.name;
    EXPECT_FALSE(link_->AwaitingAck()) << c.name;
    if (c.waitsOut) {
      EXPECT_GE(spent, timeOut * 3 / 4) << c.name << ": the wait (with a clock's coarse ticks)";
    } else {
      EXPECT_LT(spent, timeOut / 2) << c.name << ": the wait ends on the acknowledgement";
    }
    EXPECT_LT(spent, timeOut * 7 / 4) << c.name << ": one wait, not two (two take twice the time-out)";
    link_->Close();
  }
}

TEST(ReplyWait, TimesTheTimeOutAndNeverWrapsAround) {
  const ReplyWait plain = {}, adCounts = {1, 1000, false}, memory = {180, 0, false};
  const struct { int timeOut; ReplyWait wait; unsigned ms; } cases[] = {
      {1000, plain, 1000}, {1000, adCounts, 2000}, {1000, memory, 180000},
      {23860930, memory, plat::kLongestWaitMs}, {2147483647, adCounts, 2147484647u}, {2147483647, plain, 2147483647u},
      {-5, memory, 0}};
  for (const auto& c : cases) {
    CommSettings ini;
    ini.TimeOut = c.timeOut;
    EXPECT_EQ(ReplyWaitMs(ini, c.wait), c.ms) << c.timeOut << " " << c.wait.timeOuts << " " << c.wait.plusMs;
  }
}

}  // namespace
