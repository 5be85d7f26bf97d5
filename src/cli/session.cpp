#include "cli/session.h"

#include <cstdio>
#include <mutex>

#include "cli/cli_port.h"
#include "cli/output.h"
#include "config/comm_settings.h"
#include "instrument/page_reads.h"
#include "platform/clock.h"
#include "platform/console.h"
#include "res/resource.h"

namespace {
thread_local Session* t_session = nullptr;   // the session of this thread, told of unreadable line settings
}  // namespace

// What the line settings' reader tells goes with the messages of this thread's session.
void TellInSession(const char* message, const char* caption) {
  if (t_session) t_session->Tell(message, caption, inst::Icon::Error);
  else PrintError(std::string(caption) + ": " + message);
}

Session::Session(const std::string& iniFile) {
  // The name of the INI file is the process's own: sessions on threads side
  // by side start one after the other.
  static std::mutex starting;
  std::lock_guard<std::mutex> guard(starting);
  SetCommSettingsFile(iniFile.empty() ? std::string() : plat::FullPath(iniFile));
  SetCommSettingsTeller(&TellInSession);
  t_session = this;
}

Session::~Session() {
  Disconnect();
  t_session = nullptr;
}

inst::Connection Session::Open(const std::string& port, bool secondTry) {
  m_instrument.link = nullptr;
  m_link.reset(new CSerial(MakeCliPort(Verbose(), m_openError)));
  const inst::Connection connection = inst::Connect(*m_link, port.c_str(), m_instrument, *this, secondTry);
  if (connection != inst::Connection::Connected) m_link.reset();
  return connection;
}

ExitStatus Session::Connect(const std::string& port, bool identificationOnly) {
  const inst::Connection connection = Open(port, true);
  if (connection == inst::Connection::Connected) {
    if (!identificationOnly) PauseBetweenCommands();
    return kExitOk;
  }
  ReportMessages();
  if (connection == inst::Connection::NotOpened) {
    PrintError(plat::FromArgument(port) + ": " + (m_openError->empty() ? "cannot be opened" : *m_openError));
    return kExitPort;
  }
  PrintError("no answer from an instrument on " + plat::FromArgument(port));
  return kExitInstrument;
}

ExitStatus Session::Probe(const std::string& port) {
  const inst::Connection connection = Open(port, false);
  m_told.clear();
  if (connection == inst::Connection::Connected) return kExitOk;
  return connection == inst::Connection::NoAnswer ? kExitInstrument : kExitPort;
}

void Session::Disconnect() {
  if (m_link) m_link->Close();
  m_link.reset();
  m_instrument.link = nullptr;
}

bool Session::Reopen(const std::string& port) {
  Disconnect();
  const bool connected = Open(port, true) == inst::Connection::Connected;
  m_told.clear();
  if (connected) PauseBetweenCommands();
  return connected;
}

void Session::SwitchPort(std::unique_ptr<LinePort> port, const char* name) {
  Disconnect();
  m_link.reset(new CSerial(std::move(port)));
  m_link->Open(name);
  m_instrument.link = m_link.get();
}

int Session::Run(int (*sequence)(inst::Instrument&, inst::Reporter&)) {
  return m_instrument.link ? sequence(m_instrument, *this) : 0;
}

// The snapshot of user page 1 is what the read took, when every query was answered.
int Session::ReadUser1Page() {
  const int result = Run(&inst::ReadUser1Settings);
  if (result) inst::CopyPage(IDD_USER1, m_instrument.values, m_instrument.snapshot);
  return result;
}

int Session::ReadUser2Page() { return Run(&inst::ReadUser2Page); }
int Session::ReadMaker1Page() { return Run(&inst::ReadMaker1Page); }
int Session::WriteUser1Settings() { return Run(&inst::WriteUser1Settings); }
int Session::WriteMaker1Settings() { return Run(&inst::WriteMaker1Settings); }

int Session::ReadReadings(int page, char letter) {
  return m_instrument.link ? inst::ReadPageReadings(m_instrument, *this, page, letter) : 0;
}

void Session::PauseBetweenCommands() {
  const CommSettings* settings = m_link ? m_link->Settings() : nullptr;
  if (settings && settings->SendDelay > 0) plat::SleepMs(plat::CapWaitMs(settings->SendDelay));
}

void Session::Tell(const char* message, const char* caption, inst::Icon) {
  m_told.push_back(std::string(caption) + ": " + message);
}

void Session::Written(inst::Group group, bool acknowledged) {
  if (onGroupWritten) onGroupWritten(group, acknowledged);
}

bool Session::Stopped() { return stopWriting && stopWriting(); }

int Session::ReportMessages() {
  for (const std::string& line : m_told) PrintError(line);
  const int count = static_cast<int>(m_told.size());
  m_told.clear();
  return count;
}

namespace {
thread_local CapturedOutput* t_captured = nullptr;
}

CapturedOutput::CapturedOutput(const std::string& name) : port(name) { t_captured = this; }
CapturedOutput::~CapturedOutput() { t_captured = nullptr; }

bool Capturing() { return t_captured != nullptr; }

void NoteOutcome(const std::string& text) {
  if (t_captured) t_captured->outcome = text;
}

std::string Unpadded(std::string text) {
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

void PrintError(const std::string& text, bool note) {
  if (t_captured) {
    t_captured->err += "tavo-cli: " + plat::FromArgument(t_captured->port) + ": " + text + "\n";
    if (t_captured->firstError.empty() && !note) t_captured->firstError = text;
    return;
  }
  std::fputs(plat::ToConsoleText("tavo-cli: " + text + "\n", plat::Stream::Error).c_str(), stderr);
  std::fflush(stderr);
}

plat::LocalTime PcClock() {
  plat::LocalTime t = plat::GetLocalTime();
  t.millisecond = 0;
  return t;
}

std::string DateTimeText(const plat::LocalTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
  return text;
}

void PrintOut(const std::string& text) {
  if (t_captured) {
    t_captured->out += text;
    return;
  }
  std::fputs(plat::ToConsoleText(text, plat::Stream::Output).c_str(), stdout);
  std::fflush(stdout);
}
