// The three exchanges with the instrument, on the thread that owns the link
// (see CSerial): the query (a frame answered by a reply frame), the setting (a
// frame answered by ACK or NAK) and the settings reset (one frame, answer not
// judged). Each attempt is judged only by what arrived during it: the
// acknowledgement code is cleared before every send, and a query attempt
// takes the first answer to its own request (see CSerial): its reply, a NAK,
// which ends the wait at once and counts as a refusal, or a failure of the
// line, which ends the query at once.
// An attempt whose wait runs out leaves its answer owed (CSerial::OweAnswer):
// if it comes late, it answers no later frame.
#pragma once
#include <functional>
#include <string>

class CSerial;
struct CommSettings;

constexpr int kMaxSends = 6;

enum class QueryOutcome {
  NoReply,   // a byte write failed, no reply came, the line failed or six sends were refused
  Replied    // the reply is in the reply buffer: read it; the query succeeded
};

// How a query's reply is awaited: TimeOut x `timeOuts` + `plusMs` ms, and
// whether the query is sent again also when no reply came in that time.
struct ReplyWait {
  int timeOuts = 1;
  int plusMs = 0;
  bool resendOnTimeOut = false;
};

// The wait for a reply in ms, computed in 64 bits and held within the
// longest wait the platform expresses (plat::kLongestWaitMs).
unsigned ReplyWaitMs(const CommSettings& ini, const ReplyWait& wait);

// The query transaction: sends `frame`, waits for the reply of `replyLetter`
// and sends again while the attempt was refused with NAK (and, for a wait that
// says so, when no reply came in time), six sends at most.
// `stopped`, when given, is asked before each resend and every 50 ms of the
// wait: true ends the query there, NoReply, its answer owed (the frame sent
// is never cut).
QueryOutcome RunQuery(CSerial& link, const std::string& frame, char replyLetter, const ReplyWait& wait = {},
                      const std::function<bool()>& stopped = nullptr);

// Sends a setting frame; when every byte was written, an acknowledgement is
// awaited from now on (the flag is set before the first byte, so that no
// quick answer is lost, but the link takes only an ACK or NAK read once the
// frame's last byte went to the port; a failed write leaves the flag as it
// was). Returns the result of the write.
int SendSettingFrame(CSerial& link, const std::string& frame);

// The set transaction: calls `sendSetting` (which sends one setting frame,
// normally through SendSettingFrame), waits TimeOut for ACK, and repeats while
// no ACK came in that attempt and `retryCounter` (the caller's, shared by a
// write sequence, starting at 1) is at most 5, adding 1 per repeat. 1 on ACK,
// after which no acknowledgement is awaited; 0 otherwise, at once when the
// port's reads fail, and at once when the frame could not be written (the
// failed attempt counts against the retry counter).
// `stopped`, when given, is asked before each resend: true ends the
// transaction there, not acknowledged (the frame on the line still has its
// whole wait: a stop comes after the group on the line).
int RunSetTransaction(CSerial& link, const std::function<int()>& sendSetting, int& retryCounter,
                      const std::function<bool()>& stopped = nullptr);

// Pauses for an answer owed before a frame of `count` bytes goes out
// (CSerial::MsOwedBefore; the frame's Write then pauses no more), asking
// `stopped`, when given, every quarter second: false as soon as it says to stop, and
// the frame is then not to be sent.
bool AwaitOwedAnswer(CSerial& link, int count, const std::function<bool()>& stopped);

// The settings reset: one send of `frame`, one wait for the acknowledgement;
// no acknowledgement is awaited afterwards. 1 when the frame was written and
// acknowledged with ACK during that wait, 0 otherwise.
int RunResetTransaction(CSerial& link, const std::string& frame);
