// The instrument object: its link, who it is, and what it offers.
#include "instrument/instrument.h"

#include "instrument/memory_download.h"
#include "link/serial.h"
#include "platform/clock.h"
#include "platform/sync.h"
#include "res/resource.h"

namespace inst {

namespace {
const unsigned kSecondIdentificationPauseMs = 100;
}  // namespace

Instrument::Instrument(PortMaker makePort, std::string settingsFile)
    : m_makePort(std::move(makePort)), m_settingsFile(std::move(settingsFile)) {}

Instrument::~Instrument() { Disconnect(); }

Connection Instrument::Connect(const std::string& port, Reporter& reporter, bool secondTry) {
  Disconnect();
  StartSequence();
  m_link = m_makePort ? std::make_unique<CSerial>(m_makePort()) : std::make_unique<CSerial>();
  if (!m_link->Open(port.c_str(), m_settingsFile)) {
    m_link.reset();
    reporter.Tell("COMポートオープンに失敗しました。", "COMポートオープン", Icon::Error);
    return Connection::NotOpened;
  }
  int identified = Identify(reporter);
  if (!identified && secondTry && !reporter.Stopped()) {
    plat::SleepMs(kSecondIdentificationPauseMs);
    StartSequence();
    identified = Identify(reporter);
  }
  if (identified) return Connection::Connected;
  Disconnect();
  return Connection::NoAnswer;
}

int Instrument::UsePort(std::unique_ptr<LinePort> port, const std::string& name) {
  Disconnect();
  m_link = std::make_unique<CSerial>(std::move(port));
  if (m_link->Open(name.c_str(), m_settingsFile)) return 1;
  m_link.reset();
  return 0;
}

void Instrument::Disconnect() {
  if (m_link) m_link->Close();
  m_link.reset();
}

bool Instrument::LineGone() const { return m_link && (m_link->ReadsFailing() || m_link->WritesFailing()); }

int Instrument::FrameBytesSoFar() const { return m_link ? m_link->FrameBytesSoFar() : 0; }

int Instrument::LastReplyBytes() const {
  if (!m_link) return 0;
  plat::LockGuard guard(m_link->ReplyLock());
  return m_link->ReplyLength();
}

bool Instrument::ReplyOutgrown() const { return m_link && m_link->ReplyOutgrown(); }

void Instrument::Step() {
  const CommSettings* settings = m_link ? m_link->Settings() : nullptr;
  if (m_pauseDue && settings && settings->SendDelay > 0) plat::SleepMs(plat::CapWaitMs(settings->SendDelay));
  m_pauseDue = true;
}

bool Instrument::Proceed(Reporter& reporter) {
  if (reporter.Stopped()) return false;
  Step();
  return !reporter.Stopped();
}

int Instrument::Identify(Reporter& reporter) {
  Identity identity;
  if (!m_link || !Proceed(reporter)) return 0;
  if (!QueryIdentity(*m_link, identity)) return 0;
  m_identity = identity;
  if (identity.modelCode >= 0) m_values["model_code"].item = identity.modelCode;
  reporter.Shown(IDD_USER2, kModelNameField.letter, *this);
  return 1;
}

Why Instrument::WhyNot(const Setting& setting) const {
  if (!m_makerPages && IsMakerSetting(setting)) return Why::NoMakerPages;
  const Group group = GroupOfSetting(setting);
  if (group && group->offer == Offer::WithIoTUnit && !m_identity.iot) return Why::NoIoTUnit;
  if (!ModelOffers(m_values["model_code"].item, setting)) return Why::NoHumidityLimit;
  return Why::Offered;
}

std::string Instrument::ReadingText(const Reading& reading) const {
  const size_t row = static_cast<size_t>(&reading - Readings().data());
  return row < m_readings.size() ? m_readings[row] : std::string();
}

int Instrument::Download(MemoryRecords& records, bool& whole, Reporter* reporter) {
  if (!m_link) return 0;
  if (!reporter) {
    Step();
    return DownloadMemory(*m_link, records, whole);
  }
  if (!Proceed(*reporter)) return 0;
  return DownloadMemory(*m_link, records, whole, [reporter] { return reporter->Stopped(); });
}

}  // namespace inst
