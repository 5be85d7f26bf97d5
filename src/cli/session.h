// One session with an instrument: the main dialog of TAVO.exe built in memory
// (the headless back end), connected to the port the user named. Commands run
// on it exactly as the dialog's buttons run them, so the frames, waits,
// resends and snapshot are TAVO.exe's own; the messages the dialog would show
// in boxes are printed on standard error instead.
#pragma once
#include <memory>
#include <string>

#include "app/tavo_app.h"
#include "app/tavo_dlg.h"
#include "cli/exit_status.h"

class Session {
public:
  // Reads the line settings from `iniFile` when it is not empty, else from
  // "TAVO.ini" in the current directory.
  explicit Session(const std::string& iniFile);
  ~Session();   // disconnects
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Opens `port` (a name the port list shows, or a device path) and
  // identifies the instrument, as the Connect button does. kExitOk, or
  // kExitPort / kExitInstrument after telling the user why. Unless the
  // identification is all the caller needs, the pause between two commands
  // follows it, as between any two commands of a sequence.
  ExitStatus Connect(const std::string& port, bool identificationOnly = false);
  // Opens `port` and asks once who the instrument is: kExitOk, kExitPort or
  // kExitInstrument, telling nothing. The pages then show who it is.
  ExitStatus Probe(const std::string& port);
  void Disconnect();
  // Closes the link and connects again to `port` as Connect does, telling
  // nothing; true when the instrument answered.
  bool Reopen(const std::string& port);

  CTAVODlg& Dialog() { return *m_dlg; }
  CSerial& Link() { return *m_dlg->m_pSerial; }

  // Prints the messages the dialog showed since the last call on standard
  // error, one a line ("caption: message"); returns how many there were.
  int ReportMessages();

private:
  CTAVOApp m_app;
  std::unique_ptr<CTAVODlg> m_dlg;
  std::shared_ptr<std::string> m_openError = std::make_shared<std::string>();   // why the port did not open
};

// The text of a static without the blanks the instrument pads it with.
std::string Shown(const CStatic& control);

// Prints `text` (in the program's code page) on standard error, prefixed with "tavo-cli: ".
void PrintError(const std::string& text);
// Prints `text` on standard output, in the terminal's encoding when it is one.
void PrintOut(const std::string& text);

// The output of the port a thread serves when several are served side by
// side: while one lives on a thread, PrintOut and PrintError of that thread
// add to it instead of printing (the error lines naming the port), so that
// each port's output can be printed whole afterwards.
struct CapturedOutput {
  explicit CapturedOutput(const std::string& port);
  ~CapturedOutput();
  CapturedOutput(const CapturedOutput&) = delete;
  CapturedOutput& operator=(const CapturedOutput&) = delete;

  std::string port;
  std::string out;
  std::string err;          // whole lines, "tavo-cli: PORT: ..."
  std::string firstError;   // the first message, as given
  std::string outcome;      // what happened, in a few words (NoteOutcome)
};
// True while this thread's output is captured.
bool Capturing();
// What happened on this thread's port, in a few words, for the table after
// several ports (ignored for one port).
void NoteOutcome(const std::string& text);

// This computer's local time.
fw::DateTime PcClock();
// A date and time as the command line shows it: "YYYY-MM-DD hh:mm:ss".
std::string DateTimeText(const fw::DateTime& value);
// This computer's local time as text.
inline std::string Now() { return DateTimeText(PcClock()); }
