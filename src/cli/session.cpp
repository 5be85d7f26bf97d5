#include "cli/session.h"

#include <cstdio>
#include <mutex>

#include "cli/cli_port.h"
#include "cli/output.h"
#include "config/comm_settings.h"
#include "framework/headless/driver.h"
#include "platform/clock.h"
#include "platform/console.h"
#include "res/resource.h"

Session::Session(const std::string& iniFile) {
  // The start of the log and the name of the INI file are the process's own:
  // sessions on threads side by side start one after the other.
  static std::mutex starting;
  std::lock_guard<std::mutex> guard(starting);
  SetCommSettingsFile(iniFile.empty() ? std::string() : plat::FullPath(iniFile));
  m_dlg.reset(new CTAVODlg);
  m_dlg->Create(IDD_TAVO_DIALOG);
  m_dlg->m_makePort = [openError = m_openError] { return MakeCliPort(Verbose(), openError); };
  fw::headless::ClearMessageBoxes();
}

Session::~Session() {
  Disconnect();
  m_dlg.reset();
}

ExitStatus Session::Connect(const std::string& port, bool identificationOnly) {
  if (m_dlg->ConnectTo(CString(port))) {
    if (!identificationOnly) m_dlg->PauseBetweenCommands();
    return kExitOk;
  }
  const bool opened = fw::headless::MessageBoxes().empty();
  ReportMessages();
  if (!opened) {
    PrintError(plat::FromArgument(port) + ": " + (m_openError->empty() ? "cannot be opened" : *m_openError));
    return kExitPort;
  }
  PrintError("no answer from an instrument on " + plat::FromArgument(port));
  return kExitInstrument;
}

ExitStatus Session::Probe(const std::string& port) {
  const int identified = m_dlg->ConnectTo(CString(port), false);
  const bool opened = fw::headless::MessageBoxes().empty();
  fw::headless::ClearMessageBoxes();
  return identified ? kExitOk : opened ? kExitInstrument : kExitPort;
}

void Session::Disconnect() {
  if (m_dlg && m_dlg->m_bConnected) m_dlg->CloseLink();
  if (m_dlg) m_dlg->m_bConnected = 0;
}

bool Session::Reopen(const std::string& port) {
  Disconnect();
  const bool connected = m_dlg->ConnectTo(CString(port)) != 0;
  fw::headless::ClearMessageBoxes();
  if (connected) m_dlg->PauseBetweenCommands();
  return connected;
}

int Session::ReportMessages() {
  const auto& boxes = fw::headless::MessageBoxes();
  for (const fw::MessageBoxRecord& box : boxes) PrintError(box.caption + ": " + box.text);
  const int count = static_cast<int>(boxes.size());
  fw::headless::ClearMessageBoxes();
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

std::string Shown(const CStatic& control) {
  std::string text = control.GetWindowText().str();
  const size_t last = text.find_last_not_of(' ');
  return last == std::string::npos ? "" : text.substr(0, last + 1);
}

void PrintError(const std::string& text) {
  if (t_captured) {
    t_captured->err += "tavo-cli: " + plat::FromArgument(t_captured->port) + ": " + text + "\n";
    if (t_captured->firstError.empty()) t_captured->firstError = text;
    return;
  }
  std::fputs(plat::ToConsoleText("tavo-cli: " + text + "\n", plat::Stream::Error).c_str(), stderr);
  std::fflush(stderr);
}

fw::DateTime PcClock() {
  plat::LocalTime t = plat::GetLocalTime();
  return fw::DateTime{t.year, t.month, t.dayOfWeek, t.day, t.hour, t.minute, t.second, 0};
}

std::string DateTimeText(const fw::DateTime& t) {
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
