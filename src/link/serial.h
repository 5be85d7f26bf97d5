// The serial link to the instrument: one object per connection. One thread
// owns it: it opens it, writes frames, waits on its events, reads the reply
// buffer and closes it (the GUI thread of TAVO.exe; in tavo-cli the thread
// serving the port, one per port when several are served side by side). Its
// receiver thread reads the port, cuts the bytes into frames, keeps the last
// reply frame in the reply buffer and signals the reply event of its letter
// or records an acknowledgement. Any other thread may only read
// FrameBytesSoFar. Two links share nothing and run side by side.
//
// Requests and their answers. Every Write starts a new request: it counts up
// a request number before its first byte, and the receiver, which reads that
// number before it takes each byte, discards a frame still open from an
// earlier request (the instrument only ever answers, so that frame was cut
// off and nothing valid is lost). A query attempt names the reply letter it
// awaits before it writes its frame (ExpectReply); the first of these that
// arrives for that request then answers it, and later ones change nothing:
//   - the reply frame of that letter: Replied; the reply buffer then keeps
//     that frame until the next ExpectReply, whatever frames follow;
//   - a NAK: Refused;
//   - a frame that outgrew the reply buffer (as soon as it does), or a
//     failed read: Failed.
// Refused and Failed also signal the reply event of the awaited letter, so
// that the waiting side wakes at once. ACK and NAK bytes never touch the
// reply buffer, and an ACK or NAK read before the last byte of the request
// under way went to the port is no answer to it (the instrument answers only
// a whole frame; an earlier one is stray, or an echo); nor is a reply frame
// whose STX was read before then. A failed read also wakes a setting that
// awaits its acknowledgement (ReadsFailing then tells why).
//
// Answers owed. When a wait ends without its answer (OweAnswer), the
// instrument may still send it late. That request then takes nothing more,
// and an answer read within TimeOut after that wait is no answer to any
// request: the next request's last byte goes out only once that time has
// passed (Write starts its frame so much later), so that a frame lost on the
// line costs a pause and a resend still succeeds, while an answer owed comes
// before the next request is whole and answers nothing. An answer later
// than that cannot be told from the next request's own (nothing in the
// protocol says which request an answer is for) and may be taken for it.
// Only a wait that ran out costs this pause: the pace of answered requests
// is unchanged.
#pragma once
#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>

#include "config/comm_settings.h"
#include "link/control_bytes.h"
#include "link/line_port.h"
#include "link/reply_dispatch.h"
#include "platform/sync.h"

class CSerial {
public:
  CSerial();
  explicit CSerial(std::unique_ptr<LinePort> port);   // a stand-in port, for tests
  virtual ~CSerial();   // closes the link when still open
  CSerial(const CSerial&) = delete;
  CSerial& operator=(const CSerial&) = delete;

  // Reads the line settings from `settingsFile` (a full path; empty: "TAVO.ini"
  // in the current directory) and opens the port named as the COM port list
  // shows it ("COM3", "COM12") with them, then starts the receiver thread. 1
  // when open, 0 otherwise.
  int Open(const char* portName, const std::string& settingsFile = std::string());

  // Stops the receiver thread (a frame half received is delivered first),
  // closes the port and drops the settings. Safe when not open. Returns 1.
  int Close();

  // Starts a new request (see above), then sends `count` bytes one at a time
  // with a pause of SleepTime ms after each (after an answer owed, starting
  // so late that the last byte goes once it can no longer come). 1 when every byte was written;
  // 0 when a byte write failed, when the port refused one byte kMaxRefusals
  // times in a row, or when the link is not open.
  int Write(const std::uint8_t* bytes, int count);
  static constexpr int kMaxRefusals = 5;

  // What answered the request of the last ExpectReply (see above).
  enum class Answer { Awaited, Replied, Refused, Failed };
  // Awaits the reply frame of `letter` to the next request written.
  void ExpectReply(char letter);
  // Awaited while nothing has answered that request yet.
  Answer ReplyAnswer();
  // True while the port's reads fail (the device is gone).
  bool ReadsFailing() const { return m_bReadsFailing != 0; }
  // True when a frame received since the last ExpectReply outgrew the reply
  // buffer (kReplyBufferSize): an answer longer than the link takes.
  bool ReplyOutgrown() const { return m_bReplyOutgrown != 0; }
  // True when the last byte write failed (the device is gone): no frame went out whole.
  bool WritesFailing() const { return m_bWritesFailing != 0; }

  // The wait for the answer to the last request ended without it (see above).
  void OweAnswer();
  // How long a Write of `count` bytes started now would pause for an answer
  // owed before its first byte, in ms; 0 when none is owed. After that pause
  // a Write of as many bytes pauses no more for it.
  long long MsOwedBefore(int count) const;

  // The reply event of `letter`, or null for a letter without one.
  plat::Event* ReplyEvent(char letter);
  plat::Event& AckEvent() { return m_replyEvents[kAckEventIndex]; }

  // The reply buffer: read it only while holding ReplyLock().
  plat::Lock& ReplyLock() { return m_replyLock; }
  const std::uint8_t* ReplyBuffer() const { return m_reply; }
  int ReplyLength() const { return m_nReplyLength; }

  // The settings read by Open; null while the link is not open.
  const CommSettings* Settings() const { return m_pSettings; }

  // The bytes of the frame being received so far (0 between frames), for
  // progress displays on another thread.
  int FrameBytesSoFar() const { return m_nFrameBytes; }

  void SetAwaitingAck(bool awaiting) { m_bAwaitingAck = awaiting ? 1 : 0; }
  bool AwaitingAck() const { return m_bAwaitingAck != 0; }
  // 0 (none recorded since the last clear), kAck or kNak.
  std::uint8_t LastAckCode() const { return m_nLastAck; }
  void ClearAckCode() { m_nLastAck = 0; }

private:
  void ReceiveFrames();
  void OnReadFailed(unsigned request);
  void FailAwaited(unsigned request);
  // Acts on a whole frame read for `request`: a reply frame takes the reply
  // buffer and signals its letter, an awaited ACK or NAK is recorded. 1 when
  // accepted, 0 when ignored.
  // `requestSent`: the last byte of `request` had gone to the port when the frame's first byte was read.
  int DispatchReply(const std::uint8_t* frame, int length, unsigned request, bool requestSent);
  // Under the reply-buffer lock: the awaited request gets `answer` when it is
  // still unanswered and `request` is its own; true when it did.
  bool SettleAnswer(unsigned request, Answer answer);
  void WakeAwaited(char letter);
  // Pauses for an answer owed as long as a Write of `count` bytes more must (MsOwedBefore).
  void AwaitOwed(int count);
  // How far ahead of that time a Write of `count` bytes starts: the pauses after all but its last byte.
  long long OwedAhead(int count) const;
  // True while an answer owed may still come: what is read then answers nothing.
  bool OwedAnswerDue() const;
  void PauseReceiver(unsigned ms);

  std::unique_ptr<LinePort> m_port;
  std::thread m_thread;
  std::atomic<int> m_bRunning{0};
  plat::Event m_wakeReceiver;   // ends a receiver pause at once on Close
  plat::Event m_replyEvents[kReplyEventCount];
  plat::Lock m_replyLock;
  std::uint8_t m_reply[kReplyBufferSize] = {};
  int m_nReplyLength = 0;
  CommSettings* m_pSettings = nullptr;
  std::atomic<int> m_bAwaitingAck{0};
  std::atomic<std::uint8_t> m_nLastAck{0};
  std::atomic<unsigned> m_nRequests{0};   // requests written so far
  std::atomic<unsigned> m_nLastByteSent{0};   // the last request whose last byte went to the port
  std::atomic<int> m_bReadsFailing{0};
  std::atomic<int> m_bWritesFailing{0};
  std::atomic<int> m_bReplyOutgrown{0};
  // The awaited answer, under the reply-buffer lock.
  char m_awaitedLetter = 0;
  unsigned m_awaitedRequest = 0;
  Answer m_answer = Answer::Awaited;
  std::atomic<int> m_nFrameBytes{0};
  std::atomic<unsigned long long> m_owedUntilMs{0};   // what is read before this time answers nothing
};
