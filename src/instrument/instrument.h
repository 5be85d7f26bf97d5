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
#include <vector>

#include "instrument/catalogue.h"
#include "instrument/identity.h"
#include "instrument/instrument_settings.h"
#include "instrument/memory_records.h"
#include "instrument/reporter.h"

class CSerial;
class LinePort;

namespace inst {

enum class Connection { Connected, NotOpened, NoAnswer };

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
  // NotOpened is told; NoAnswer is not, and leaves the link closed.
  Connection Connect(const std::string& port, Reporter& reporter, bool secondTry = true);
  // From here on the link goes to `port` (a stand-in: a dry run, a test),
  // opened under `name`; the identity and the values stay. 1 when open.
  int UsePort(std::unique_ptr<LinePort> port, const std::string& name);
  // Closes the link; who the instrument was and the values stay.
  void Disconnect();
  bool Connected() const { return m_link != nullptr; }
  // The open link, or null.
  CSerial* Link() const { return m_link.get(); }
  // The pause of SendDelay ms between two commands of a sequence.
  void Pause() const;

  // --- the sequences: each 1 when every step succeeded, failures told ---
  // '#v': the identity, and for a known model its model code item in the values.
  int Identify(Reporter& reporter);
  // User page 1's queries in their order ('s' only with an IoT unit); stops
  // at the first failure. When all were answered, the page's snapshot.
  int ReadUser1(Reporter& reporter);
  // The Read of user page 2 or a maker page: every step of the catalogue's
  // (PageReadSteps) with a pause between two, each failure told; the result
  // of the last step. The A/D counts are those of item `channel` of maker page
  // 2's list. The settings the steps ask for enter the snapshot as the read
  // leaves them: as the instrument reported them, or, when unanswered, as the
  // values held them, so that Set sends one only when the user changes it.
  int ReadPage(Reporter& reporter, int page, int channel = -1);
  // Single reads, telling nothing: the settings query of `letter`, its reply
  // taken into the values; '$Q' and '$T' as user page 2 shows them,
  // the readings of `page` in the reply of `letter` ('D', 'P', 'G'), the A/D
  // counts of item `channel` of maker page 2's list.
  int ReadSettings(Reporter& reporter, char letter);
  int ReadAutoPowerOffText(Reporter& reporter);
  int ReadClockText(Reporter& reporter);
  int ReadReadings(Reporter& reporter, int page, char letter);
  int ReadAdCounts(Reporter& reporter, int channel);
  // The groups of user page 1 (or maker page 1) that differ from the
  // snapshot, in their order, with one resend budget; only those the
  // instrument offers. Each acknowledged group enters the snapshot.
  int WriteUser1(Reporter& reporter);
  int WriteMaker1(Reporter& reporter);
  // The settings reset ('i'): one send, one wait; the values and the snapshot stay.
  int Reset(Reporter& reporter);
  // The memory records into `records` (see DownloadMemory).
  int Download(MemoryRecords& records, bool& whole);

  // --- what it is and holds ---
  const Identity& GetIdentity() const { return m_identity; }
  bool HasIoTUnit() const { return m_identity.iot; }
  // Whether this instrument offers `setting`: the IoT schedule only with an
  // IoT unit, the humidity limit only for a model code that has one.
  bool Offers(const Setting& setting) const;
  // The values a view shows and edits; the writes send from them.
  InstrumentSettings& Values() { return m_values; }
  const InstrumentSettings& Values() const { return m_values; }
  // What the instrument holds, as last read or acknowledged.
  const InstrumentSettings& Snapshot() const { return m_snapshot; }
  // The snapshot to change, for tests that start from what an instrument held.
  InstrumentSettings& SnapshotForTests() { return m_snapshot; }
  void ClearSnapshot() { m_snapshot = InstrumentSettings(); }
  // User page 2's texts: the auto power-off ("" when the reply held no such
  // choice) and the clock, the fields as they came.
  const std::string& AutoPowerOffText() const { return m_autoPowerOffText; }
  const std::string& ClockText() const { return m_clockText; }
  // The text of `reading` as last read; empty until read.
  std::string ReadingText(const Reading& reading) const;

private:
  int RunStep(Reporter& reporter, const ReadStep& step, int page, int channel);
  int QueryReadings(Reporter& reporter, const std::string& frame, int page, char letter);
  int WriteGroups(Reporter& reporter, const std::vector<Group>& order);
  int WriteChangedGroup(Reporter& reporter, const WriteGroup& row, int& retryCounter);

  PortMaker m_makePort;
  std::string m_settingsFile;
  std::unique_ptr<CSerial> m_link;
  Identity m_identity;
  InstrumentSettings m_values;
  InstrumentSettings m_snapshot;
  std::string m_autoPowerOffText;
  std::string m_clockText;
  std::vector<std::string> m_readings;   // per row of Readings()
};

}  // namespace inst
