// The serial link to the instrument: one object per connection. The GUI
// thread opens it, writes frames and waits on its events; its receiver thread
// reads the port, cuts the bytes into frames, keeps the last frame in the
// reply buffer and signals the reply event of its letter or records an
// acknowledgement.
#pragma once
#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>

#include "config/ini_file.h"
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

  // Reads "TAVO.ini" into the link's settings and opens the port named as the
  // COM port list shows it ("COM3", "COM12") with its line settings, then
  // starts the receiver thread. 1 when open, 0 otherwise.
  int Open(const char* portName);

  // Stops the receiver thread (a frame half received is delivered first),
  // closes the port and drops the settings. Safe when not open. Returns 1.
  int Close();

  // Sends `count` bytes one at a time with a pause of SleepTime ms after each.
  // 1 when every byte was written; 0 when a byte write failed, when the port
  // refused one byte kMaxRefusals times in a row, or when the link is not open.
  int Write(const std::uint8_t* bytes, int count);
  static constexpr int kMaxRefusals = 5;

  // The receiver thread's procedure; `param` is the link. Returns 0.
  static unsigned ReceiverThread(void* param);

  // Acts on the frame in the reply buffer: signals the reply event of its
  // letter, or records an awaited ACK or NAK. 1 when accepted, 0 when ignored.
  int DispatchReply();

  // The reply event of `letter`, or null for a letter without one.
  plat::Event* ReplyEvent(char letter);
  plat::Event& AckEvent() { return m_replyEvents[kAckEventIndex]; }

  // The reply buffer: read it only while holding ReplyLock().
  plat::Lock& ReplyLock() { return m_replyLock; }
  const std::uint8_t* ReplyBuffer() const { return m_reply; }
  int ReplyLength() const { return m_nReplyLength; }

  // The settings read by Open; null while the link is not open.
  const CIniFile* Settings() const { return m_pIni; }

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
  void Deliver(const std::uint8_t* frame, int length);
  void PauseReceiver(unsigned ms);

  std::unique_ptr<LinePort> m_port;
  std::thread m_thread;
  std::atomic<int> m_bRunning{0};
  plat::Event m_wakeReceiver;   // ends a receiver pause at once on Close
  plat::Event m_replyEvents[kReplyEventCount];
  plat::Lock m_replyLock;
  std::uint8_t m_reply[kReplyBufferSize] = {};
  int m_nReplyLength = 0;
  CIniFile* m_pIni = nullptr;
  std::atomic<int> m_bAwaitingAck{0};
  std::atomic<std::uint8_t> m_nLastAck{0};
  std::atomic<int> m_nFrameBytes{0};
};
