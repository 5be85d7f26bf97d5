#include "link/transactions.h"

#include <cstdint>

#include "config/comm_settings.h"
#include "link/serial.h"
#include "platform/clock.h"

namespace {

int SendFrame(CSerial& link, const std::string& frame) {
  return link.Write(reinterpret_cast<const std::uint8_t*>(frame.data()), static_cast<int>(frame.size()));
}

unsigned TimeOutMs(const CSerial& link) {
  const CommSettings* ini = link.Settings();
  return ini ? plat::CapWaitMs(ini->TimeOut) : 0;
}

// How often a wait that may be stopped asks whether it is: soon enough after
// a Ctrl-C, seldom enough that hundreds of ports downloading side by side do
// not spend their processor time on waking (every 50 ms made 256 ports side
// by side up to a tenth slower).
const unsigned kStopPollMs = 250;

// Waits until the request is answered or `waitMs` have passed, or `stopped`
// (when given, asked every kStopPollMs) says to stop. The event may wake for
// a frame that does not answer this request: then it waits on.
CSerial::Answer AwaitAnswer(CSerial& link, plat::Event& event, unsigned waitMs, const std::function<bool()>& stopped) {
  const unsigned long long deadline = plat::MonotonicMs() + waitMs;
  for (;;) {
    const CSerial::Answer answer = link.ReplyAnswer();
    const unsigned long long now = plat::MonotonicMs();
    if (answer != CSerial::Answer::Awaited || now >= deadline || (stopped && stopped())) return answer;
    const unsigned left = static_cast<unsigned>(deadline - now);
    event.Wait(stopped && left > kStopPollMs ? kStopPollMs : left);
  }
}

// One attempt: send, wait for its answer. Failed when a byte write failed;
// Awaited when nothing answered in time.
CSerial::Answer SendAndWait(CSerial& link, const std::string& frame, char replyLetter, plat::Event& event,
                            unsigned waitMs, const std::function<bool()>& stopped) {
  link.ClearAckCode();
  link.ExpectReply(replyLetter);
  event.Reset();
  if (!SendFrame(link, frame)) return CSerial::Answer::Failed;
  const CSerial::Answer answer = AwaitAnswer(link, event, waitMs, stopped);
  event.Reset();
  if (answer == CSerial::Answer::Awaited) link.OweAnswer();
  return answer;
}

}  // namespace

unsigned ReplyWaitMs(const CommSettings& ini, const ReplyWait& wait) {
  const long long timeOut = ini.TimeOut > 0 ? ini.TimeOut : 0;
  return plat::CapWaitMs(timeOut * wait.timeOuts + wait.plusMs);
}

QueryOutcome RunQuery(CSerial& link, const std::string& frame, char replyLetter, const ReplyWait& wait,
                      const std::function<bool()>& stopped) {
  plat::Event* event = link.ReplyEvent(replyLetter);
  if (!event || !link.Settings()) return QueryOutcome::NoReply;
  const unsigned waitMs = ReplyWaitMs(*link.Settings(), wait);
  for (int send = 1; send <= kMaxSends; ++send) {
    if (send > 1 && stopped && stopped()) return QueryOutcome::NoReply;
    const CSerial::Answer answer = SendAndWait(link, frame, replyLetter, *event, waitMs, stopped);
    if (answer == CSerial::Answer::Replied) return QueryOutcome::Replied;
    if (answer == CSerial::Answer::Failed) return QueryOutcome::NoReply;
    if (answer == CSerial::Answer::Awaited && !wait.resendOnTimeOut) return QueryOutcome::NoReply;
  }
  return QueryOutcome::NoReply;
}

int SendSettingFrame(CSerial& link, const std::string& frame) {
  // Awaited before the frame goes out: an instrument that answers within the
  // pause after the last byte must not have its ACK dropped (the link itself
  // drops an ACK or NAK read while the frame was still going out).
  const bool before = link.AwaitingAck();
  link.SetAwaitingAck(true);
  int written = SendFrame(link, frame);
  if (!written) link.SetAwaitingAck(before);
  return written;
}

bool AwaitOwedAnswer(CSerial& link, int count, const std::function<bool()>& stopped) {
  for (;;) {
    if (stopped && stopped()) return false;
    const long long left = link.MsOwedBefore(count);
    if (left <= 0) return true;
    plat::SleepMs(static_cast<unsigned>(stopped && left > kStopPollMs ? kStopPollMs : left));
  }
}

int RunSetTransaction(CSerial& link, const std::function<int()>& sendSetting, int& retryCounter,
                      const std::function<bool()>& stopped) {
  for (bool resend = false;; resend = true) {
    if (resend && stopped && stopped()) return 0;
    link.ClearAckCode();
    link.AckEvent().Reset();
    if (!sendSetting()) {
      ++retryCounter;
      return 0;
    }
    link.AckEvent().Wait(TimeOutMs(link));
    link.AckEvent().Reset();
    const std::uint8_t code = link.LastAckCode();
    if (code == 0) link.OweAnswer();
    if (code == kAck) {
      link.SetAwaitingAck(false);
      return 1;
    }
    if (link.ReadsFailing() || retryCounter >= kMaxSends) return 0;
    ++retryCounter;
  }
}

int RunResetTransaction(CSerial& link, const std::string& frame) {
  link.ClearAckCode();
  link.AckEvent().Reset();
  const int written = SendSettingFrame(link, frame);
  link.AckEvent().Wait(TimeOutMs(link));
  link.AckEvent().Reset();
  const std::uint8_t code = link.LastAckCode();
  if (written && code == 0) link.OweAnswer();
  link.SetAwaitingAck(false);
  return written && code == kAck ? 1 : 0;
}
