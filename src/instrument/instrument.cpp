// The instrument object: its link, who it is, and what it offers.
#include "instrument/instrument.h"

#include "instrument/memory_download.h"
#include "link/serial.h"
#include "platform/clock.h"
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
  m_link = m_makePort ? std::make_unique<CSerial>(m_makePort()) : std::make_unique<CSerial>();
  if (!m_link->Open(port.c_str(), m_settingsFile)) {
    m_link.reset();
    reporter.Tell("COMポートオープンに失敗しました。", "COMポートオープン", Icon::Error);
    return Connection::NotOpened;
  }
  int identified = Identify(reporter);
  if (!identified && secondTry) {
    plat::SleepMs(kSecondIdentificationPauseMs);
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

void Instrument::Pause() const {
  const CommSettings* settings = m_link ? m_link->Settings() : nullptr;
  if (settings && settings->SendDelay > 0) plat::SleepMs(plat::CapWaitMs(settings->SendDelay));
}

int Instrument::Identify(Reporter& reporter) {
  Identity identity;
  if (!m_link || !QueryIdentity(*m_link, identity)) return 0;
  m_identity = identity;
  if (identity.modelCode >= 0) m_values["model_code"].item = identity.modelCode;
  reporter.Shown(IDD_USER2, 'v', *this);
  return 1;
}

bool Instrument::Offers(const Setting& setting) const {
  return Offered(setting, m_identity.iot, m_values["model_code"].item);
}

std::string Instrument::ReadingText(const Reading& reading) const {
  const size_t row = static_cast<size_t>(&reading - Readings().data());
  return row < m_readings.size() ? m_readings[row] : std::string();
}

int Instrument::Download(MemoryRecords& records, bool& whole) {
  return m_link ? DownloadMemory(*m_link, records, whole) : 0;
}

}  // namespace inst
