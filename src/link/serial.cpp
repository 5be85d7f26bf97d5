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

plat::LineSettings LineSettingsOf(const CIniFile& ini) {
  return plat::LineSettings{ini.BaudRate, ini.Parity, ini.StopBits, ini.DataBits};
}

}  // namespace

CSerial::CSerial() : CSerial(MakeSystemPort()) {}

CSerial::CSerial(std::unique_ptr<LinePort> port) : m_port(std::move(port)) {
  for (plat::Event& event : m_replyEvents) event.Set();   // created signalled
}

CSerial::~CSerial() {
  Close();
  delete m_pIni;
}

int CSerial::Open(const char* portName) {
  delete m_pIni;
  m_pIni = new CIniFile;
  ReadCommSettings(*m_pIni);   // a failure has been shown; the defaults stay zero
  if (!m_port->Open(portName, LineSettingsOf(*m_pIni))) return 0;
  m_bRunning = 1;
  m_wakeReceiver.Reset();
  try {
    m_thread = std::thread(&CSerial::ReceiverThread, this);
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
  delete m_pIni;
  m_pIni = nullptr;
  return 1;
}

int CSerial::Write(const std::uint8_t* bytes, int count) {
  if (!m_pIni) return 0;
  const unsigned pause = m_pIni->SleepTime > 0 ? m_pIni->SleepTime : 0;
  int sent = 0;
  int refusals = 0;
  while (sent < count) {
    plat::WriteResult result = m_port->WriteByte(bytes[sent]);
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

unsigned CSerial::ReceiverThread(void* param) {
  if (param) static_cast<CSerial*>(param)->ReceiveFrames();
  return 0;
}

void CSerial::ReceiveFrames() {
  FrameAssembler frame;
  while (m_bRunning) {
    std::uint8_t byte = 0;
    switch (m_port->ReadByte(byte)) {
      case plat::ReadResult::Byte:
        if (frame.Feed(byte) == FrameStep::Complete) {
          Deliver(frame.Bytes(), frame.Length());
          frame.Clear();
        }
        m_nFrameBytes = frame.Length();
        break;
      case plat::ReadResult::Empty:
        PauseReceiver(kEmptyReadPauseMs);
        break;
      case plat::ReadResult::Failed:
        PauseReceiver(kFailedReadPauseMs);
        break;
    }
  }
  if (frame.HasDeliverable()) Deliver(frame.Bytes(), frame.Length());
}

void CSerial::PauseReceiver(unsigned ms) {
  if (m_bRunning) m_wakeReceiver.Wait(ms);
}

void CSerial::Deliver(const std::uint8_t* frame, int length) {
  {
    plat::LockGuard guard(m_replyLock);
    std::memcpy(m_reply, frame, length);
    m_nReplyLength = length;
  }
  DispatchReply();
}

int CSerial::DispatchReply() {
  ReplyDispatch dispatch;
  {
    plat::LockGuard guard(m_replyLock);
    dispatch = ClassifyFrame(m_reply, m_nReplyLength, m_bAwaitingAck != 0);
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
