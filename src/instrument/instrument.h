// The instrument, as one object per front end: it owns the link, who the
// instrument is, the values of its settings and the snapshot of what it holds,
// and its operations are the sequences (connect and identify, the reads of the
// four pages, the writes of the changed groups, the settings reset, the memory
// download) with the pause between two commands. The windows and tavo-cli are
// views of it: they put what the user gave into its values and show what it
// took, and a Reporter tells them what failed.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "instrument/catalogue.h"
#include "instrument/identity.h"
#include "instrument/instrument_settings.h"
#include "instrument/memory_records.h"
#include "instrument/reporter.h"
#include "platform/clock.h"

class CSerial;
class LinePort;

namespace inst {

enum class Connection { Connected, NotOpened, NoAnswer };

// What a write would do with one setting group, and why.
enum class Action {
  Send,         // its settings differ from what the instrument holds: its frame goes out
  Unchanged,    // the instrument holds them
  NotOffered,   // the instrument (or the front end) has no such setting: see Why
  NotGiven      // they differ, but by texts left empty: nothing to send
};
enum class Why { Offered, NoMakerPages, NoIoTUnit, NoHumidityLimit };
struct PlannedGroup {
  Group group;
  Action action;
  Why why;                                // for NotOffered
  bool step;                              // a step of the write: a pause comes before it unless it is the first
  std::vector<const Setting*> changed;    // its settings that differ from what the instrument holds
};
using Plan = std::vector<PlannedGroup>;

// A setting read back after a write that holds another value than was written.
struct Mismatch {
  const Setting* setting;
  SettingValue written, held;
};

class Instrument {
public:
  // Gives the port a connection opens its link on; null gives the system's serial port.
  using PortMaker = std::function<std::unique_ptr<LinePort>()>;
  // Each link reads its line settings from `settingsFile` (a full path), or
  // from "TAVO.ini" in the current directory when it is empty.
  explicit Instrument(PortMaker makePort = nullptr, std::string settingsFile = std::string());
  ~Instrument();   // disconnects
  Instrument(const Instrument&) = delete;
  Instrument& operator=(const Instrument&) = delete;

  // --- the link ---
  // Opens `port` (as the port list shows it) and identifies the instrument,
  // once more after a pause of 100 ms when unanswered and `secondTry`.
  // NotOpened is told; NoAnswer is not, and leaves the link closed. A new
  // sequence starts with it.
  Connection Connect(const std::string& port, Reporter& reporter, bool secondTry = true);
  // From here on the link goes to `port` (a stand-in: a dry run, a test),
  // opened under `name`; the identity and the values stay. 1 when open.
  int UsePort(std::unique_ptr<LinePort> port, const std::string& name);
  // Closes the link; who the instrument was and the values stay.
  void Disconnect();
  bool Connected() const { return m_link != nullptr; }
  // The open link, or null (for tests that look at the line).
  CSerial* Link() const { return m_link.get(); }
  // True while the port's reads or writes fail: the device is gone.
  bool LineGone() const;
  // The bytes of the frame being received so far, for a progress display on another thread.
  int FrameBytesSoFar() const;
  // The bytes of the last reply, and whether a reply outgrew what the link takes.
  int LastReplyBytes() const;
  bool ReplyOutgrown() const;

  // --- the sequences: each 1 when every step succeeded, failures told ---
  // Each command of a sequence after its first follows a pause of SendDelay
  // ms. The next command starts a sequence of its own (the window's buttons,
  // a sample after a wait).
  void StartSequence() { m_pauseDue = false; }
  // '#v': the identity, and for a known model its model code item in the values.
  int Identify(Reporter& reporter);
  // The Read of page `page`: the steps of its row in the catalogue in their
  // order (a step of the IoT unit's settings only with one), each failure
  // told; it stops at the first where the row says so. The settings the steps
  // ask for enter the snapshot as the row says: for user page 1 only when all
  // were answered; on the other pages as the read leaves them, as the
  // instrument reported them or, when unanswered, as the values held them, so
  // that Set sends one only when the user changes it. The A/D counts are those
  // of item `channel` of maker page 2's list. The result of the last step run.
  int ReadPage(Reporter& reporter, int page, int channel = -1);
  // Single reads, telling nothing: the settings query of `letter`, its reply
  // taken into the values; user page 2's auto power-off and clock texts; the
  // readings of `page` in the reply of `letter`; the A/D counts of item
  // `channel` of maker page 2's list.
  int ReadSettings(Reporter& reporter, char letter);
  int ReadAutoPowerOffText(Reporter& reporter);
  int ReadClockText(Reporter& reporter);
  int ReadReadings(Reporter& reporter, int page, char letter);
  int ReadAdCounts(Reporter& reporter, int channel);
  // What a Set of `pages` (in their order) would do, group by group, sending
  // nothing: the groups whose values differ from the snapshot are sent, those
  // the instrument does not offer never.
  Plan PlanWrite(const std::vector<int>& pages) const;
  // Writes the groups of `plan` that it sends, in its order, with one resend
  // budget and a pause before each step but the first. Each acknowledged
  // group enters the snapshot; a group whose text fails its page's rule is
  // told and not sent. 1 when every group sent was acknowledged.
  int Write(const Plan& plan, Reporter& reporter);
  // After Write: reads again the pages whose groups `plan` sent and gives
  // each of their settings (the clock aside, which moves on) that holds
  // another value than was written. 1 when all were read and none differs.
  int Verify(const Plan& plan, Reporter& reporter, std::vector<Mismatch>& mismatches);
  // How long after Write(plan) starts the frame of `group` has reached the
  // instrument, in ms: the pauses before it, or the pause for an answer owed
  // when that is longer, and its bytes on the line with the pause after each.
  long long MsUntilSent(const Plan& plan, Group group) const;
  // Gives the time a frame that carries the clock is to carry, `msUntilArrival`
  // ms before it reaches the instrument; it may wait first, the frame then
  // arriving that much later.
  using ArrivalClock = std::function<plat::LocalTime(long long msUntilArrival)>;
  // While `clock` is set, each send of a frame that carries the clock, a
  // resend too, carries the time `clock` gives for its arrival (once the
  // pause for an answer owed has passed), not the time of the values; the
  // values then hold the time last sent. Null: the values' time (the default).
  void SetArrivalClock(ArrivalClock clock) { m_arrivalClock = std::move(clock); }
  // The settings reset ('i'): one send, one wait; the values and the snapshot stay.
  int Reset(Reporter& reporter);
  // The memory records into `records` (see DownloadMemory).
  int Download(MemoryRecords& records, bool& whole);

  // --- what it is and holds ---
  const Identity& GetIdentity() const { return m_identity; }
  bool HasIoTUnit() const { return m_identity.iot; }
  // Whether the front end has the maker's pages (TAVO.exe with "vorinfo.ini",
  // tavo-cli with --maker); without them no maker setting is offered. True
  // unless set.
  void SetMakerPages(bool makerPages) { m_makerPages = makerPages; }
  // Whether this instrument offers `setting`: the IoT schedule only with an
  // IoT unit, the humidity limit only for a model code that has one, the
  // maker settings only with the maker's pages; and why not.
  bool Offers(const Setting& setting) const { return WhyNot(setting) == Why::Offered; }
  Why WhyNot(const Setting& setting) const;
  // The values a view shows and edits; the writes send from them.
  InstrumentSettings& Values() { return m_values; }
  const InstrumentSettings& Values() const { return m_values; }
  // What the instrument holds, as last read or acknowledged.
  const InstrumentSettings& Snapshot() const { return m_snapshot; }
  // User page 2's texts: the auto power-off ("" when the reply held no such
  // choice) and the clock, the fields as they came.
  const std::string& AutoPowerOffText() const { return m_autoPowerOffText; }
  const std::string& ClockText() const { return m_clockText; }
  // The text of `reading` as last read; empty until read.
  std::string ReadingText(const Reading& reading) const;

private:
  // Before each command: the pause when one ran before in this sequence.
  void Step();
  bool StepOffered(const ReadStep& step) const;
  int RunStep(Reporter& reporter, const ReadStep& step, int page, int channel);
  int QueryPageReadings(Reporter& reporter, int page, char letter, const std::string& parameter);
  int SendGroup(Reporter& reporter, const WriteGroup& row, int& retryCounter);
  // The ms the frame of `group` takes from its first byte to its arrival: its
  // bytes on the line with the pause after each.
  long long MsOnTheLine(Group group) const;

  PortMaker m_makePort;
  std::string m_settingsFile;
  std::unique_ptr<CSerial> m_link;
  bool m_pauseDue = false;
  bool m_makerPages = true;
  Identity m_identity;
  InstrumentSettings m_values;
  InstrumentSettings m_snapshot;
  std::string m_autoPowerOffText;
  std::string m_clockText;
  std::vector<std::string> m_readings;   // per row of Readings()
  ArrivalClock m_arrivalClock;
};

}  // namespace inst
