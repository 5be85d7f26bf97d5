#include "cli/session.h"

#include <cstdio>

#include "cli/cli_port.h"
#include "cli/interrupt.h"
#include "cli/output.h"
#include "config/comm_settings.h"
#include "platform/clock.h"
#include "platform/console.h"

namespace {

thread_local Session* t_session = nullptr;   // the session of this thread, told of unreadable line settings

// What the line settings' reader tells goes with the messages of this thread's session.
void TellInSession(const char* message, const char* caption) {
  if (t_session) t_session->Tell(message, caption, inst::Icon::Error);
  else PrintError(std::string(caption) + ": " + message);
}

}  // namespace

Session::Session(const std::string& iniFile)
    : m_instrument([openError = m_openError] { return MakeCliPort(Verbose(), Capturing(), openError); },
                   iniFile.empty() ? std::string() : plat::FullPath(iniFile)) {
  SetCommSettingsTeller(&TellInSession);
  t_session = this;
  stopAsked = [] { return CaughtSignal() != 0; };
}

Session::~Session() {
  Disconnect();
  t_session = nullptr;
}

inst::Connection Session::Open(const std::string& port, bool secondTry) {
  return m_instrument.Connect(port, *this, secondTry);
}

ExitStatus Session::Connect(const std::string& port) {
  const inst::Connection connection = Open(port, true);
  if (connection == inst::Connection::Connected) return kExitOk;
  ReportMessages();
  if (connection == inst::Connection::NotOpened) {
    const std::string reason = PortFirst(port) + (m_openError->empty() ? "cannot be opened" : *m_openError);
    PrintError(reason);
    SetReason(reason);   // the system's reason, not TAVO.exe's message before it
    return kExitPort;
  }
  if (StoppedEarly()) return StoppedShort("interrupted before the instrument was identified");
  PrintError("no answer from an instrument" + OnPort(port));
  return kExitInstrument;
}

ExitStatus Session::Probe(const std::string& port) {
  const inst::Connection connection = Open(port, false);
  m_told.clear();
  if (connection == inst::Connection::Connected) return kExitOk;
  return connection == inst::Connection::NoAnswer ? kExitInstrument : kExitPort;
}

void Session::Disconnect() { m_instrument.Disconnect(); }

bool Session::Reopen(const std::string& port) {
  Disconnect();
  const bool connected = Open(port, true) == inst::Connection::Connected;
  m_told.clear();
  return connected;
}

void Session::SwitchPort(std::unique_ptr<LinePort> port, const char* name) {
  m_instrument.UsePort(std::move(port), name);
}


void Session::Taken(char letter, const inst::Instrument&) {
  if (!Took(letter)) m_taken += letter;
}

void Session::Tell(const char* message, const char* caption, inst::Icon) {
  m_told.push_back(std::string(caption) + ": " + message);
}

void Session::Written(inst::Group group, inst::WriteOutcome outcome) {
  if (onGroupWritten) onGroupWritten(group, outcome);
}

bool Session::Stopped() {
  if (!m_stoppedEarly && stopAsked && stopAsked()) m_stoppedEarly = true;
  return m_stoppedEarly;
}

int Session::ReportMessages() {
  for (const std::string& line : m_told) PrintError(line);
  const int count = static_cast<int>(m_told.size());
  m_told.clear();
  return count;
}
