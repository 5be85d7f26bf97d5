// apply: the settings of a file that differ from the instrument's, written by
// TAVO.exe's own write sequences (the core's), with a report of every group: written,
// refused, or not sent.
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "cli/apply_check.h"
#include "cli/commands.h"
#include "cli/dry_run_port.h"
#include "cli/interrupt.h"
#include "cli/json_lines.h"
#include "cli/output.h"
#include "cli/session.h"
#include "cli/setting_keys.h"
#include "cli/settings_file.h"
#include "cli/several_ports.h"
#include "instrument/catalogue.h"
#include "instrument/value_compare.h"
#include "platform/console.h"
#include "res/resource.h"

namespace {

// The setting groups of the write sequences (user page 1, then maker page
// 1), in their order.
std::vector<inst::Group> WriteOrder() {
  std::vector<inst::Group> order = inst::User1WriteOrder();
  order.insert(order.end(), inst::Maker1WriteOrder().begin(), inst::Maker1WriteOrder().end());
  return order;
}

// Tells in one line the keys left out, and why; how many there were.
int LeaveOut(const std::vector<std::string>& keys, const std::string& why) {
  if (keys.empty()) return 0;
  std::string names;
  for (const std::string& key : keys) names += (names.empty() ? "" : ", ") + key;
  PrintNote(plat::FromUtf8(names) + " left out: " + why);
  return static_cast<int>(keys.size());
}

// Puts the file's settings into the values, leaving out (and telling) the
// maker settings without --maker, and what the instrument does not offer (the
// IoT schedule without an IoT unit, the humidity limit for a model without
// one, as the model code the values hold decides). Returns how many were left out.
int PutIntoValues(inst::Instrument& instrument, const std::vector<SettingLine>& settings, bool maker) {
  std::vector<std::string> makerKeys, iotKeys;
  const SettingKey& humidity = *FindSettingKey("humidity_limit");
  const std::string humidityBefore = ReadKey(instrument, humidity);
  for (const SettingLine& line : settings) {
    const SettingKey& key = *FindSettingKey(line.key);
    if (key.Info()) continue;
    if (key.maker && !maker) makerKeys.push_back(line.key);
    else if (key.iot && !instrument.HasIoTUnit()) iotKeys.push_back(line.key);
    else WriteKey(instrument.Values(), key, line.value);
  }
  int leftOut = LeaveOut(makerKeys, "maker settings are written only with --maker");
  leftOut += LeaveOut(iotKeys, "the instrument has no IoT unit");
  // As choosing a model on メーカ１ does: the humidity limit is written only
  // for the models that show it.
  if (maker && ReadKey(instrument, humidity) != humidityBefore && !instrument.Offers(*humidity.setting)) {
    WriteKey(instrument.Values(), humidity, humidityBefore);
    leftOut += LeaveOut({"humidity_limit"}, "the model code " + ReadKey(instrument, *FindSettingKey("model_code")) +
                                                " has no humidity display limit");
  }
  return leftOut;
}

// The groups with a setting whose value differs between `before` and `now`.
std::set<inst::Group> ChangedGroups(const inst::InstrumentSettings& before, const inst::InstrumentSettings& now) {
  std::set<inst::Group> changed;
  for (inst::Group group : WriteOrder())
    for (const inst::Setting* setting : inst::GroupSettings(group))
      if (!inst::SameValue(*setting, before[*setting], now[*setting])) changed.insert(group);
  return changed;
}

// From here on the writes go to a port that keeps the frames and answers ACK.
void SwitchToDryRun(Session& session, const std::shared_ptr<std::vector<std::string>>& frames) {
  session.SwitchPort(std::unique_ptr<LinePort>(new DryRunPort(frames)), "dry run");
}

std::string Printable(const std::string& frame) {
  std::string out;
  for (unsigned char c : frame) {
    if (c == 0x02) out += "<STX>";
    else if (c == 0x03) out += "<ETX>";
    else out += static_cast<char>(c);
  }
  return out;
}

// What happened to each group, in the order it was told.
class Report {
public:
  explicit Report(bool json) : m_json(json) {}
  void Tell(inst::Group group, const char* outcome) {
    m_told.insert(group);
    const char* keys = inst::GroupOf(group).keys;
    if (m_json) m_groups.push_back({{"keys", keys}, {"outcome", outcome}});
    else PrintOut(std::string(keys) + ": " + outcome + "\n");
  }
  bool Told(inst::Group group) const { return m_told.count(group) != 0; }
  bool Empty() const { return m_told.empty(); }
  // In a few words: how many groups were written.
  std::string Summary(bool dryRun) const {
    if (m_told.empty()) return "nothing to write";
    const size_t n = m_told.size();
    return std::to_string(n) + (n == 1 ? " group " : " groups ") + (dryRun ? "would be written" : "written");
  }
  void Finish(const std::vector<std::string>& frames, bool dryRun) {
    if (m_json) {
      nlohmann::ordered_json summary = {{"groups", m_groups}};
      if (dryRun) {
        summary["frames"] = nlohmann::ordered_json::array();
        for (const std::string& frame : frames) summary["frames"].push_back(Printable(frame));
      }
      PrintOut(JsonLine(summary));
      return;
    }
    for (const std::string& frame : frames) PrintOut(Printable(frame) + "\n");
  }

private:
  bool m_json;
  std::set<inst::Group> m_told;
  nlohmann::ordered_json m_groups = nlohmann::ordered_json::array();
};

// Reads what the instrument holds now, as 読出 on ユーザ１ (and メーカ１) gives it.
bool ReadInstrument(Session& session, bool maker) {
  bool read = session.Instrument().ReadUser1(session) != 0;
  if (read && maker) {
    session.Instrument().Pause();
    read = session.Instrument().ReadPage(session, IDD_MAKER1) != 0;
  }
  return session.ReportMessages() == 0 && read && RefuseFailingValues(session.Instrument(), maker) == 0;
}

// A setting of the file whose values differ between two sets of settings.
struct Difference {
  std::string key, first, second;
};

// The file's settings whose values differ between `first` and `second`.
std::vector<Difference> Differences(const std::vector<SettingLine>& settings, const inst::InstrumentSettings& first,
                                    const inst::InstrumentSettings& second) {
  std::vector<Difference> found;
  for (const SettingLine& line : settings) {
    const SettingKey& key = *FindSettingKey(line.key);
    if (key.Info() || inst::SameValue(*key.setting, first[*key.setting], second[*key.setting])) continue;
    found.push_back({line.key, ReadKey(first, key), ReadKey(second, key)});
  }
  return found;
}

// "key: NAME1 A, NAME2 B".
std::string DifferenceLine(const Difference& difference, const char* firstName, const char* secondName) {
  return difference.key + ": " + firstName + " " + difference.first + ", " + secondName + " " + difference.second;
}

// After a write: the settings read again from the instrument and compared with
// what was written. False after naming each key the instrument does not hold.
bool Verify(Session& session, const std::vector<SettingLine>& settings, bool maker) {
  const inst::InstrumentSettings written = session.Instrument().Values();
  session.Instrument().Pause();
  if (!ReadInstrument(session, maker)) {
    PrintError("verify: the settings could not be read back");
    NoteOutcome("verify: the settings could not be read back");
    return false;
  }
  const std::vector<Difference> differences = Differences(settings, written, session.Instrument().Values());
  for (const Difference& difference : differences)
    PrintError("verify: " + plat::FromUtf8(DifferenceLine(difference, "written", "read back")));
  if (differences.empty()) PrintNote("verified: the instrument holds the settings of the file");
  return differences.empty();
}

// Writes the groups that differ, as 設定 on ユーザ１ (and メーカ１), telling each;
// false when one was not acknowledged. A signal ends it after the group on the line.
bool WriteGroups(Session& session, bool maker, bool dryRun, Report& report) {
  session.onGroupWritten = [&](inst::Group group, bool acknowledged) {
    // A port that is gone took no frame: what was left of the write was not sent.
    const bool gone = !acknowledged && (session.Link().WritesFailing() || session.Link().ReadsFailing());
    report.Tell(group, dryRun ? "would be written" : acknowledged ? "written" : gone ? "not sent" : "refused");
  };
  session.stopWriting = [] { return CaughtSignal() != 0; };
  bool written = session.Instrument().WriteUser1(session) != 0;
  if (maker && !CaughtSignal()) {
    session.Instrument().Pause();
    written = session.Instrument().WriteMaker1(session) != 0 && written;
  }
  session.onGroupWritten = nullptr;
  session.stopWriting = nullptr;
  return written;
}

ExitStatus ApplyOn(const Arguments& args, const std::string& port, const std::vector<SettingLine>& settings) {
  const std::string path = args.operands.at(0);
  const bool maker = args.Has("--maker"), dryRun = args.Has("--dry-run");
  Session session(args.Value("--ini"));

  if (ExitStatus status = session.Connect(port); status != kExitOk) return status;
  inst::Instrument& instrument = session.Instrument();
  if (maker && !args.Has("--force") && !SameModel(path, instrument, settings, port)) return kExitUsage;
  if (!ReadInstrument(session, maker)) return kExitInstrument;
  const inst::InstrumentSettings before = instrument.Values();
  const int leftOut = PutIntoValues(instrument, settings, maker);
  const std::set<inst::Group> changed = ChangedGroups(before, instrument.Values());
  if (CaughtSignal()) {   // while the instrument was read: no group was on the line
    PrintOut("nothing written: stopped before the first group\n");
    return InterruptedStatus();
  }
  session.Instrument().Pause();

  auto frames = std::make_shared<std::vector<std::string>>();
  if (dryRun) SwitchToDryRun(session, frames);
  Report report(args.Has("--json"));
  const bool written = WriteGroups(session, maker, dryRun, report);
  for (inst::Group group : WriteOrder())
    if (changed.count(group) && !report.Told(group)) report.Tell(group, "not sent");
  if (report.Empty() && !args.Has("--json"))
    PrintOut(leftOut == 0 ? "nothing to write: the instrument holds these settings\n"
                          : "nothing written: the instrument holds the settings that were not left out\n");
  report.Finish(*frames, dryRun);
  const int messages = session.ReportMessages();
  if (CaughtSignal()) return InterruptedStatus();
  if (messages > 0 || !written) return kExitInstrument;
  if (args.Has("--verify") && !report.Empty() && !Verify(session, settings, maker)) return kExitInstrument;
  NoteOutcome(report.Summary(dryRun));
  return kExitOk;
}

// diff's result: a line per setting that differs, or one that says none
// does; with --json one object, {"differences": [{"key", "instrument", "file"}]}.
void PrintDifferences(const std::vector<Difference>& differences, bool json) {
  if (json) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const Difference& difference : differences)
      list.push_back({{"key", difference.key},
                      {"instrument", plat::ToUtf8(difference.first)},
                      {"file", plat::ToUtf8(difference.second)}});
    PrintOut(JsonLine({{"differences", list}}));
    return;
  }
  for (const Difference& difference : differences) PrintOut(DifferenceLine(difference, "instrument", "file") + "\n");
  if (differences.empty()) PrintOut("same: the instrument holds the settings of the file\n");
}

ExitStatus DiffOn(const Arguments& args, const std::string& port, const std::vector<SettingLine>& settings) {
  const bool maker = args.Has("--maker");
  Session session(args.Value("--ini"));
  if (ExitStatus status = session.Connect(port); status != kExitOk) return status;
  if (!ReadInstrument(session, maker)) return kExitInstrument;
  inst::Instrument& instrument = session.Instrument();
  const inst::InstrumentSettings held = instrument.Values();
  PutIntoValues(instrument, settings, maker);
  const std::vector<Difference> differences = Differences(settings, held, instrument.Values());
  PrintDifferences(differences, args.Has("--json"));
  NoteOutcome(differences.empty() ? "same" : (differences.size() == 1 ? "1 setting differs" : std::to_string(differences.size()) + " settings differ"));
  return differences.empty() ? kExitOk : kExitDifferent;
}

// `command` on each port of the command line, with the settings file
// checked once for them all.
ExitStatus WithSettingsFile(const Arguments& args,
                            ExitStatus (*command)(const Arguments&, const std::string&, const std::vector<SettingLine>&)) {
  std::vector<SettingLine> settings;
  if (!LoadSettings(args.operands.at(0), settings)) return kExitUsage;
  return ForEachPort(args, [&settings, command](const Arguments& each, const std::string& port) {
    return command(each, port, settings);
  });
}

}  // namespace

ExitStatus RunApply(const Arguments& args) {
  if (args.Has("--verify") && args.Has("--dry-run")) {
    PrintError("--verify reads back what was written: a dry run writes nothing");
    return kExitUsage;
  }
  // Caught for the whole run, until every port's list is printed.
  const CatchInterrupts interrupts;
  return WithSettingsFile(args, ApplyOn);
}

ExitStatus RunDiff(const Arguments& args) { return WithSettingsFile(args, DiffOn); }
