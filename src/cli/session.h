// One session with an instrument: the instrument core over a link to the
// port the user named. Commands run the core's sequences as TAVO.exe's
// buttons run them, so the frames, waits, resends and snapshot are TAVO.exe's
// own; what TAVO.exe would tell in message boxes is printed on standard
// error instead.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cli/exit_status.h"
#include "instrument/page_reads.h"
#include "instrument/sequences.h"
#include "link/line_port.h"
#include "link/serial.h"
#include "platform/clock.h"

class Session : private inst::Reporter {
public:
  // Reads the line settings from `iniFile` when it is not empty, else from
  // "TAVO.ini" in the current directory.
  explicit Session(const std::string& iniFile);
  ~Session() override;   // disconnects
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Opens `port` (a name the port list shows, or a device path) and
  // identifies the instrument, as the Connect button does. kExitOk, or
  // kExitPort / kExitInstrument after telling the user why. Unless the
  // identification is all the caller needs, the pause between two commands
  // follows it, as between any two commands of a sequence.
  ExitStatus Connect(const std::string& port, bool identificationOnly = false);
  // Opens `port` and asks once who the instrument is: kExitOk, kExitPort or
  // kExitInstrument, telling nothing. The identity then says who it is.
  ExitStatus Probe(const std::string& port);
  void Disconnect();
  // Closes the link and connects again to `port` as Connect does, telling
  // nothing; true when the instrument answered.
  bool Reopen(const std::string& port);
  // From here on the link goes to `port`, opened under `name`, as after a Connect.
  void SwitchPort(std::unique_ptr<LinePort> port, const char* name);

  inst::Instrument& Instrument() { return m_instrument; }
  CSerial& Link() { return *m_link; }

  // The sequences of the core, as the main dialog's buttons run them; what
  // they tell is kept for ReportMessages.
  int ReadUser1Page();
  int ReadUser2Page();
  int ReadMaker1Page();
  int WriteUser1Settings();
  int WriteMaker1Settings();
  // The readings of `page` in the reply of `letter`, telling nothing.
  int ReadReadings(int page, char letter);
  // The pause of SendDelay ms between two commands of a sequence.
  void PauseBetweenCommands();

  // Told of every setting group a write sent and whether the instrument
  // acknowledged it. Nothing by default.
  std::function<void(inst::Group group, bool acknowledged)> onGroupWritten;
  // Asked before each setting group of a write: true ends the write there.
  std::function<bool()> stopWriting;

  // Prints what the sequences told since the last call on standard error,
  // one a line ("caption: message"); returns how many there were.
  int ReportMessages();

private:
  friend void TellInSession(const char* message, const char* caption);
  void Tell(const char* message, const char* caption, inst::Icon icon) override;
  void Pause() override { PauseBetweenCommands(); }
  void Written(inst::Group group, bool acknowledged) override;
  bool Stopped() override;
  inst::Connection Open(const std::string& port, bool secondTry);
  int Run(int (*sequence)(inst::Instrument&, inst::Reporter&));

  std::unique_ptr<CSerial> m_link;
  inst::Instrument m_instrument;
  std::vector<std::string> m_told;   // "caption: message"
  std::shared_ptr<std::string> m_openError = std::make_shared<std::string>();   // why the port did not open
};

// A text the instrument pads with blanks, without them.
std::string Unpadded(std::string text);

// Prints `text` (in the program's code page) on standard error, prefixed
// with "tavo-cli: ". A `note` is no error: it is not what a port's table row tells.
void PrintError(const std::string& text, bool note = false);
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
  std::string firstError;   // the first error message (not a note), as given
  std::string outcome;      // what happened, in a few words (NoteOutcome)
};
// True while this thread's output is captured.
bool Capturing();
// What happened on this thread's port, in a few words, for the table after
// several ports (ignored for one port).
void NoteOutcome(const std::string& text);

// This computer's local time.
plat::LocalTime PcClock();
// A date and time as the command line shows it: "YYYY-MM-DD hh:mm:ss".
std::string DateTimeText(const plat::LocalTime& value);
// This computer's local time as text.
inline std::string Now() { return DateTimeText(PcClock()); }
