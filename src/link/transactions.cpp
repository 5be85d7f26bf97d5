#include "link/transactions.h"

#include <cstdint>

#include "config/ini_file.h"
#include "link/serial.h"

namespace {

int SendFrame(CSerial& link, const std::string& frame) {
  return link.Write(reinterpret_cast<const std::uint8_t*>(frame.data()), static_cast<int>(frame.size()));
}

unsigned TimeOutMs(const CSerial& link) {
  const CIniFile* ini = link.Settings();
  return ini && ini->TimeOut > 0 ? static_cast<unsigned>(ini->TimeOut) : 0;
}

// One attempt: clear the code, send, wait. False when a byte write failed.
bool SendAndWait(CSerial& link, const std::string& frame, plat::Event& event, unsigned waitMs,
                 bool& replied) {
  link.ClearAckCode();
  event.Reset();
  if (!SendFrame(link, frame)) return false;
  replied = event.Wait(waitMs);
  event.Reset();
  return true;
}

}  // namespace

unsigned ReplyWaitMs(const CIniFile& ini, char replyLetter) {
  unsigned timeOut = ini.TimeOut > 0 ? static_cast<unsigned>(ini.TimeOut) : 0;
  if (replyLetter == 'V') return timeOut + 1000;
  if (replyLetter == 'O') return timeOut * 180;
  return timeOut;
}

QueryOutcome RunQuery(CSerial& link, const std::string& frame, char replyLetter) {
  plat::Event* event = link.ReplyEvent(replyLetter);
  if (!event || !link.Settings()) return QueryOutcome::NoReply;
  const unsigned waitMs = ReplyWaitMs(*link.Settings(), replyLetter);
  bool replied = false;
  for (int send = 1; send <= kMaxSends; ++send) {
    if (!SendAndWait(link, frame, *event, waitMs, replied)) return QueryOutcome::NoReply;
    if (link.LastAckCode() != kNak) return replied ? QueryOutcome::Replied : QueryOutcome::NoReply;
  }
  return replied ? QueryOutcome::RepliedAfterNaks : QueryOutcome::NoReply;
}

QueryOutcome RunQueryResendingOnTimeOut(CSerial& link, const std::string& frame, char replyLetter) {
  plat::Event* event = link.ReplyEvent(replyLetter);
  if (!event || !link.Settings()) return QueryOutcome::NoReply;
  const unsigned waitMs = ReplyWaitMs(*link.Settings(), replyLetter);
  for (int send = 1; send <= kMaxSends; ++send) {
    bool replied = false;
    if (!SendAndWait(link, frame, *event, waitMs, replied)) return QueryOutcome::NoReply;
    if (replied) return QueryOutcome::Replied;
  }
  return QueryOutcome::NoReply;
}

int SendSettingFrame(CSerial& link, const std::string& frame) {
  // Awaited before the frame goes out: an instrument that answers within the
  // pause after the last byte must not have its ACK dropped.
  const bool before = link.AwaitingAck();
  link.SetAwaitingAck(true);
  int written = SendFrame(link, frame);
  if (!written) link.SetAwaitingAck(before);
  return written;
}

int RunSetTransaction(CSerial& link, const std::function<int()>& sendSetting, int& retryCounter,
                      WriteFailure onWriteFailure) {
  for (;;) {
    link.ClearAckCode();
    link.AckEvent().Reset();
    if (!sendSetting() && onWriteFailure == WriteFailure::EndsTransaction) {
      ++retryCounter;
      return 0;
    }
    link.AckEvent().Wait(TimeOutMs(link));
    link.AckEvent().Reset();
    if (link.LastAckCode() == kAck) {
      link.SetAwaitingAck(false);
      return 1;
    }
    if (retryCounter >= kMaxSends) return 0;
    ++retryCounter;
  }
}

int RunResetTransaction(CSerial& link, const std::string& frame) {
  link.ClearAckCode();
  link.AckEvent().Reset();
  const int written = SendSettingFrame(link, frame);
  link.AckEvent().Wait(TimeOutMs(link));
  link.AckEvent().Reset();
  link.SetAwaitingAck(false);
  return written && link.LastAckCode() == kAck ? 1 : 0;
}
