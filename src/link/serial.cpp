#include "link/serial.h"

#include <cstring>
#include <system_error>

#include "link/frame_assembler.h"
#include "platform/clock.h"

namespace {

// Pauses of the receiver: after a read that found no byte, and after a read
// that failed (a device that is gone fails at once, and must not spin a core).
constexpr unsigned kEmptyReadPauseMs = 2;
constexpr unsigned kFailedReadPauseMs = 50;

plat::LineSettings LineSettingsOf(const CommSettings& settings) {
  return plat::LineSettings{settings.BaudRate, settings.Parity, settings.StopBits, settings.DataBits};
}

}  // namespace

CSerial::CSerial() : CSerial(MakeSystemPort()) {}

CSerial::CSerial(std::unique_ptr<LinePort> port) : m_port(std::move(port)) {
  for (plat::Event& event : m_replyEvents) event.Set();   // created signalled
}

CSerial::~CSerial() {
  Close();
  delete m_pSettings;
}

int CSerial::Open(const char* portName, const std::string& settingsFile) {
  delete m_pSettings;
  m_pSettings = new CommSettings;
  ReadCommSettings(*m_pSettings, settingsFile);   // a failure has been shown; the defaults stay zero
  if (!m_port->Open(portName, LineSettingsOf(*m_pSettings))) return 0;
  m_bRunning = 1;
  m_wakeReceiver.Reset();
  try {
    m_thread = std::thread(&CSerial::ReceiveFrames, this);
  } catch (const std::system_error&) {   // no thread could be made
    Close();
    return 0;
  }
  return 1;
}

int CSerial::Close() {
  m_bRunning = 0;
  m_wakeReceiver.Set();
  m_port->Close();   // ends a read that waits
  if (m_thread.joinable()) m_thread.join();
  delete m_pSettings;
  m_pSettings = nullptr;
  return 1;
}

int CSerial::Write(const std::uint8_t* bytes, int count) {
  if (!m_pSettings) return 0;
  const unsigned pause = plat::CapWaitMs(m_pSettings->SleepTime);
  // An answer owed: the frame starts so late that its last byte goes once that answer can no longer come.
  AwaitOwed(count);
  const unsigned request = ++m_nRequests;   // before the first byte: whatever is still open is cut off
  int sent = 0;
  int refusals = 0;
  while (sent < count) {
    if (sent == count - 1) {
      AwaitOwed(1);
      m_nLastByteSent = request;   // from now on an answer may answer it
    }
    plat::WriteResult result = m_port->WriteByte(bytes[sent]);
    m_bWritesFailing = result == plat::WriteResult::Failed ? 1 : 0;
    if (result == plat::WriteResult::Failed) return 0;
    plat::SleepMs(pause);
    if (result == plat::WriteResult::Written) {
      ++sent;
      refusals = 0;
    } else if (++refusals >= kMaxRefusals) {
      return 0;
    }
  }
  return 1;
}

void CSerial::OweAnswer() {
  if (m_pSettings) m_owedUntilMs = plat::MonotonicMs() + plat::CapWaitMs(m_pSettings->TimeOut);
}

long long CSerial::OwedAhead(int count) const {
  return m_pSettings && count > 1 ? static_cast<long long>(count - 1) * plat::CapWaitMs(m_pSettings->SleepTime) : 0;
}

long long CSerial::MsOwedBefore(int count) const {
  const long long left = static_cast<long long>(m_owedUntilMs) - static_cast<long long>(plat::MonotonicMs());
  return left > OwedAhead(count) ? left - OwedAhead(count) : 0;
}

void CSerial::AwaitOwed(int count) {
  if (const long long ms = MsOwedBefore(count)) plat::SleepMs(plat::CapWaitMs(ms));
}

bool CSerial::OwedAnswerDue() const { return plat::MonotonicMs() < m_owedUntilMs; }

void CSerial::ReceiveFrames() {
  FrameAssembler frame;
  unsigned frameRequest = m_nRequests;   // the request the open frame belongs to
  bool frameAfterRequest = false;        // the open frame began once that request had gone out whole
  while (m_bRunning) {
    std::uint8_t byte = 0;
    const plat::ReadResult read = m_port->ReadByte(byte);
    const unsigned request = m_nRequests;
    const bool requestSent = m_nLastByteSent == request;
    if (read != plat::ReadResult::Failed) m_bReadsFailing = 0;
    switch (read) {
      case plat::ReadResult::Byte:
        if (request != frameRequest) {
          frame.Clear();   // a new request was sent: the open frame was cut off
          frameRequest = request;
        }
        if (frame.Length() == 0) frameAfterRequest = requestSent && !OwedAnswerDue();
        switch (frame.Feed(byte)) {
          case FrameStep::Complete:
            DispatchReply(frame.Bytes(), frame.Length(), frameRequest, frameAfterRequest);
            frame.Clear();
            break;
          case FrameStep::Outgrown:   // it can never be taken: fail at once, not when it ends
            m_bReplyOutgrown = 1;
            if (frameAfterRequest) FailAwaited(frameRequest);
            break;
          case FrameStep::Dropped:
            if (frameAfterRequest) FailAwaited(frameRequest);
            break;
          case FrameStep::Open:
            break;
        }
        m_nFrameBytes = frame.Length();
        break;
      case plat::ReadResult::Empty:
        PauseReceiver(kEmptyReadPauseMs);
        break;
      case plat::ReadResult::Failed:
        OnReadFailed(request);
        PauseReceiver(kFailedReadPauseMs);
        break;
    }
  }
  if (frame.HasDeliverable()) DispatchReply(frame.Bytes(), frame.Length(), frameRequest, false);
}

// Nothing more can come: the waiting query fails, and a waiting setting
// wakes to find no acknowledgement.
void CSerial::OnReadFailed(unsigned request) {
  m_bReadsFailing = 1;
  FailAwaited(request);
  if (m_bAwaitingAck) AckEvent().Set();
}

void CSerial::FailAwaited(unsigned request) {
  char awaited;
  {
    plat::LockGuard guard(m_replyLock);
    if (!SettleAnswer(request, Answer::Failed)) return;
    awaited = m_awaitedLetter;
  }
  WakeAwaited(awaited);
}

void CSerial::PauseReceiver(unsigned ms) {
  if (m_bRunning) m_wakeReceiver.Wait(ms);
}

void CSerial::ExpectReply(char letter) {
  plat::LockGuard guard(m_replyLock);
  m_awaitedLetter = letter;
  m_awaitedRequest = m_nRequests + 1;   // the request the next Write makes
  m_bReplyOutgrown = 0;
  m_answer = Answer::Awaited;
}

CSerial::Answer CSerial::ReplyAnswer() {
  plat::LockGuard guard(m_replyLock);
  return m_answer;
}

bool CSerial::SettleAnswer(unsigned request, Answer answer) {
  if (m_awaitedLetter == 0 || m_answer != Answer::Awaited || request != m_awaitedRequest) return false;
  m_answer = answer;
  return true;
}

void CSerial::WakeAwaited(char letter) {
  if (plat::Event* event = ReplyEvent(letter)) event->Set();
}

int CSerial::DispatchReply(const std::uint8_t* frame, int length, unsigned request, bool requestSent) {
  ReplyDispatch dispatch;
  bool refused = false;
  char awaited;
  {
    plat::LockGuard guard(m_replyLock);
    awaited = m_awaitedLetter;
    if (frame[0] == kStx && m_answer != Answer::Replied) {   // a settled answer is kept as it came
      std::memcpy(m_reply, frame, length);
      m_nReplyLength = length;
      if (requestSent && IsReplyOf(frame, length, awaited)) SettleAnswer(request, Answer::Replied);
    } else if (frame[0] == kNak && requestSent) {
      refused = SettleAnswer(request, Answer::Refused);
    }
    // An acknowledgement read before the request under way was sent whole is not its answer.
    const bool current = request == m_nRequests && requestSent;
    dispatch = ClassifyFrame(frame, length, current && m_bAwaitingAck != 0);
  }
  if (refused) {
    m_nLastAck = kNak;
    WakeAwaited(awaited);
    return 1;
  }
  switch (dispatch.action) {
    case ReplyAction::SignalReply:
      m_replyEvents[dispatch.eventIndex].Set();
      return 1;
    case ReplyAction::Unknown:
      return 1;
    case ReplyAction::RecordAck:
      m_nLastAck = kAck;   // before the event: a woken waiter reads the new code
      AckEvent().Set();
      return 1;
    case ReplyAction::RecordNak:
      m_nLastAck = kNak;
      return 1;
    case ReplyAction::Ignore:
      break;
  }
  return 0;
}

plat::Event* CSerial::ReplyEvent(char letter) {
  int index = ReplyEventIndex(letter);
  return index < 0 ? nullptr : &m_replyEvents[index];
}
