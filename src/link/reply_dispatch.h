// What a delivered frame does: which reply event it signals, or which
// acknowledgement it records. Pure, so it can be tested alone.
#pragma once
#include <cstdint>

// The reply events of the link: the acknowledgement event at kAckEventIndex,
// then one per letter a reply frame can carry, every printable ASCII letter
// ('!' to '~'), so that any query the catalogue names has its event.
constexpr char kFirstReplyLetter = '!';
constexpr char kLastReplyLetter = '~';
constexpr int kAckEventIndex = 0;
constexpr int kReplyEventCount = 1 + (kLastReplyLetter - kFirstReplyLetter + 1);

// The index of the reply event of `letter`, or -1 when the letter has none.
int ReplyEventIndex(char letter);

enum class ReplyAction {
  SignalReply,   // a reply frame with a letter: signal its event
  Unknown,       // a reply frame without one (a control byte or nothing after STX): kept, signals nothing
  RecordAck,     // ACK while an acknowledgement is awaited
  RecordNak,     // NAK while an acknowledgement is awaited
  Ignore         // anything else
};

struct ReplyDispatch {
  ReplyAction action;
  int eventIndex;   // for SignalReply (and kAckEventIndex for RecordAck), else -1
};

// True when `frame` (`length` bytes) is a reply frame of `letter`: STX, then that letter.
bool IsReplyOf(const std::uint8_t* frame, int length, char letter);

// `frame` holds `length` bytes (at least 1), as the frame assembler gave them.
ReplyDispatch ClassifyFrame(const std::uint8_t* frame, int length, bool awaitingAck);
