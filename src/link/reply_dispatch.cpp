#include "link/reply_dispatch.h"

#include "link/control_bytes.h"

int ReplyEventIndex(char letter) {
  if (letter < kFirstReplyLetter || letter > kLastReplyLetter) return -1;
  return kAckEventIndex + 1 + (letter - kFirstReplyLetter);
}

bool IsReplyOf(const std::uint8_t* frame, int length, char letter) {
  return length > 1 && frame[0] == kStx && static_cast<char>(frame[1]) == letter;
}

ReplyDispatch ClassifyFrame(const std::uint8_t* frame, int length, bool awaitingAck) {
  if (frame[0] == kStx) {
    int index = length > 1 ? ReplyEventIndex(static_cast<char>(frame[1])) : -1;
    if (index < 0) return {ReplyAction::Unknown, -1};
    return {ReplyAction::SignalReply, index};
  }
  if (!awaitingAck) return {ReplyAction::Ignore, -1};
  if (frame[0] == kAck) return {ReplyAction::RecordAck, kAckEventIndex};
  if (frame[0] == kNak) return {ReplyAction::RecordNak, -1};
  return {ReplyAction::Ignore, -1};
}
