#include "link/reply_dispatch.h"

#include "link/control_bytes.h"

namespace {

// The order is the link's: a letter's position here is the index of its reply
// event (the nineteen events the instrument's replies signal). '\x06' stands
// for the acknowledgement event at kAckEventIndex.
const char kEventLetters[kReplyEventCount + 1] = "o\x06vMEFGDPQVTIBOKSLs";

}  // namespace

int ReplyEventIndex(char letter) {
  if (letter == '\0' || letter == static_cast<char>(kAck)) return -1;
  for (int i = 0; i < kReplyEventCount; ++i)
    if (kEventLetters[i] == letter) return i;
  return -1;
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
