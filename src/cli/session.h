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
#include "instrument/instrument.h"
#include "link/line_port.h"

class Session : public inst::Reporter {
public:
  // Reads the line settings from `iniFile` when it is not empty, else from
  // "TAVO.ini" in the current directory.
  explicit Session(const std::string& iniFile);
  ~Session() override;   // disconnects
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Opens `port` (a name the port list shows, or a device path) and
  // identifies the instrument, as the Connect button does. kExitOk, or
  // kExitPort / kExitInstrument after telling the user why. The run is one
  // sequence from here on: the instrument pauses before each later command.
  ExitStatus Connect(const std::string& port);
  // Opens `port` and asks once who the instrument is: kExitOk, kExitPort or
  // kExitInstrument, telling nothing. The identity then says who it is.
  ExitStatus Probe(const std::string& port);
  void Disconnect();
  // Closes the link and connects again to `port` as Connect does, telling
  // nothing; true when the instrument answered.
  bool Reopen(const std::string& port);
  // From here on the link goes to `port`, opened under `name`, as after a Connect.
  void SwitchPort(std::unique_ptr<LinePort> port, const char* name);

  // The instrument, whose sequences the commands run as the main dialog's
  // buttons run them, with this session as their reporter: what they tell is
  // kept for ReportMessages.
  inst::Instrument& Instrument() { return m_instrument; }

  // Told of every setting group a write sent and how that ended. Nothing by default.
  std::function<void(inst::Group group, inst::WriteOutcome outcome)> onGroupWritten;
  // Asked before each command of a sequence, before each resend of a group
  // and while a download's records come in (Reporter::Stopped): true ends
  // the sequence at that safe point. By default whether an interruption was
  // caught: while a CatchInterrupts lives, each port stops at its next one.
  std::function<bool()> stopAsked;
  // True once stopAsked ended a sequence: what came after was not run, and
  // the command's result is not whole.
  bool StoppedEarly() const { return m_stoppedEarly; }

  // Prints what the sequences told since the last call on standard error,
  // one a line ("caption: message"); returns how many there were.
  int ReportMessages();

  // True when a read took the settings of the reply of `letter` into the values.
  bool Took(char letter) const { return m_taken.find(letter) != std::string::npos; }

  void Tell(const char* message, const char* caption, inst::Icon icon) override;
  void Taken(char letter, const inst::Instrument& instrument) override;
  void Written(inst::Group group, inst::WriteOutcome outcome) override;
  bool Stopped() override;

private:
  inst::Connection Open(const std::string& port, bool secondTry);

  std::shared_ptr<std::string> m_openError = std::make_shared<std::string>();   // why the port did not open
  inst::Instrument m_instrument;
  std::vector<std::string> m_told;   // "caption: message"
  std::string m_taken;               // the letters whose settings were taken
  bool m_stoppedEarly = false;
};
