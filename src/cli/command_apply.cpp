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
#include "platform/console.h"
#include "res/resource.h"

namespace {

// The pages apply and diff write and compare: every page that has a Set, in
// the catalogue's order (the maker's, whose settings the instrument offers only with --maker).
std::vector<int> PagesWithASet() {
  std::vector<int> pages;
  for (const inst::PageRow& page : inst::Pages())
    if (!page.writes.empty()) pages.push_back(page.page);
  return pages;
}

// The plan's row of the group that carries `setting`.
const inst::PlannedGroup* PlannedFor(const inst::Plan& plan, const inst::Setting& setting) {
  for (const inst::PlannedGroup& planned : plan)
    if (planned.group == inst::GroupOfSetting(setting)) return &planned;
  return nullptr;
}

// Why a setting is left out, in the user's words.
std::string WhyText(inst::Why why, const inst::Instrument& instrument) {
  switch (why) {
    case inst::Why::NoMakerPages: return "maker settings are written only with --maker";
    case inst::Why::NoIoTUnit: return "the instrument has no IoT unit";
    case inst::Why::NoHumidityLimit:
      return "the model code " + ReadKey(instrument, *FindSettingKey("model_code")) + " has no humidity display limit";
    case inst::Why::Offered: break;
  }
  return "";
}

// Tells, a line per reason, the settings of the file that the plan leaves out
// as not offered, and adds them to `leftOut` (the JSON's "left_out": [{"keys",
// "reason"}]); how many there were.
int TellLeftOut(const inst::Plan& plan, const std::vector<SettingLine>& settings, const inst::Instrument& instrument,
                nlohmann::ordered_json& leftOut) {
  int count = 0;
  for (inst::Why why : {inst::Why::NoMakerPages, inst::Why::NoIoTUnit, inst::Why::NoHumidityLimit}) {
    std::vector<std::string> keys;
    for (const SettingLine& line : settings) {
      const SettingKey& key = *FindSettingKey(line.key);
      const inst::PlannedGroup* planned = key.Info() ? nullptr : PlannedFor(plan, *key.setting);
      if (!planned || planned->action != inst::Action::NotOffered || planned->why != why) continue;
      keys.push_back(line.key);
      ++count;
    }
    if (keys.empty()) continue;
    std::string names;
    for (const std::string& key : keys) names += (names.empty() ? "" : ", ") + key;
    PrintNote(plat::FromUtf8(names) + " left out: " + WhyText(why, instrument));
    leftOut.push_back({{"keys", keys}, {"reason", plat::ToUtf8(WhyText(why, instrument))}});
  }
  return count;
}

// Puts the file's settings into the instrument's values, as the user puts them into the pages.
void TakeFileValues(inst::Instrument& instrument, const std::vector<SettingLine>& settings) {
  for (const SettingLine& line : settings) {
    const SettingKey& key = *FindSettingKey(line.key);
    if (!key.Info()) WriteKey(instrument.Values(), key, line.value);
  }
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
    const std::string keys = inst::KeysLabel(group);
    if (m_json) m_groups.push_back({{"keys", keys}, {"outcome", outcome}});
    else PrintOut(keys + ": " + outcome + "\n");
  }
  bool Told(inst::Group group) const { return m_told.count(group) != 0; }
  bool Empty() const { return m_told.empty(); }
  // In a few words: how many groups were written.
  std::string Summary(bool dryRun) const {
    if (m_told.empty()) return "nothing to write";
    const size_t n = m_told.size();
    return std::to_string(n) + (n == 1 ? " group " : " groups ") + (dryRun ? "would be written" : "written");
  }
  // The frames of a dry run: printed, or kept for the JSON.
  void Frames(const std::vector<std::string>& frames) {
    for (const std::string& frame : frames) {
      if (m_json) m_frames.push_back(Printable(frame));
      else PrintOut(Printable(frame) + "\n");
    }
  }
  // With --json, the object: the groups, the frames of a dry run, the settings
  // left out and what --verify found (null: no verify).
  void Finish(bool dryRun, const nlohmann::ordered_json& verify) {
    if (!m_json) return;
    nlohmann::ordered_json summary = {{"groups", m_groups}};
    if (dryRun) summary["frames"] = m_frames;
    summary["left_out"] = leftOut;
    if (!verify.is_null()) summary["verify"] = verify;
    PrintOut(JsonLine(summary));
  }

  nlohmann::ordered_json leftOut = nlohmann::ordered_json::array();

private:
  nlohmann::ordered_json m_frames = nlohmann::ordered_json::array();
  bool m_json;
  std::set<inst::Group> m_told;
  nlohmann::ordered_json m_groups = nlohmann::ordered_json::array();
};

// Reads what the instrument holds now, as 読出 on ユーザ１ (and メーカ１) gives
// it; unless only `checked`, every value it holds must pass its check.
bool ReadInstrument(Session& session, bool maker, bool checked = true) {
  inst::Instrument& instrument = session.Instrument();
  bool read = instrument.ReadPage(session, IDD_USER1) != 0;
  if (read && maker) read = instrument.ReadPage(session, IDD_MAKER1) != 0;
  return session.ReportMessages() == 0 && read && (!checked || RefuseFailingValues(instrument) == 0);
}

// The settings of the groups `plan` sends whose values the instrument holds
// fail their check: each told; true when there is one. The values the file
// gives were checked before; what the instrument holds and the write leaves
// as it is, the user did not touch, so it is not looked at.
bool RefusedInWhatIsSent(inst::Instrument& instrument, const inst::Plan& plan) {
  return RefuseFailingValues(instrument, [&plan](const inst::Setting& setting) {
           const inst::PlannedGroup* planned = PlannedFor(plan, setting);
           return planned && planned->action == inst::Action::Send;
         }) > 0;
}

// A setting of the file whose values differ between two sets of settings.
struct Difference {
  std::string key, first, second;
};

// The file's settings that the plan would change (sent, or emptied): what
// the instrument holds and what the file gives.
std::vector<Difference> Differences(const std::vector<SettingLine>& settings, const inst::Plan& plan,
                                    const inst::Instrument& instrument) {
  std::vector<Difference> found;
  for (const SettingLine& line : settings) {
    const SettingKey& key = *FindSettingKey(line.key);
    const inst::PlannedGroup* planned = key.Info() ? nullptr : PlannedFor(plan, *key.setting);
    if (!planned || (planned->action != inst::Action::Send && planned->action != inst::Action::NotGiven)) continue;
    for (const inst::Setting* changed : planned->changed)
      if (changed == key.setting)
        found.push_back({line.key, ReadKey(instrument.Snapshot(), key), ReadKey(instrument.Values(), key)});
  }
  return found;
}

// "key: NAME1 A, NAME2 B".
std::string DifferenceLine(const Difference& difference, const char* firstName, const char* secondName) {
  return difference.key + ": " + firstName + " " + difference.first + ", " + secondName + " " + difference.second;
}

// After a write: the settings written read again from the instrument and
// compared, into `found` ({"outcome", "differences": [{"key", "written",
// "read_back"}]}). False after naming each key the instrument does not hold.
bool Verify(Session& session, const inst::Plan& plan, const std::vector<SettingLine>& settings,
            nlohmann::ordered_json& found) {
  std::vector<inst::Mismatch> mismatches;
  const bool same = session.Instrument().Verify(plan, session, mismatches) != 0;
  found = {{"outcome", "not read back"}, {"differences", nlohmann::ordered_json::array()}};
  if (CaughtSignal()) {   // the read-back may not be whole: nothing is said of it
    PrintError("verify: stopped before the settings were read back");
    NoteOutcome("interrupted before the settings were read back: not verified");
    return false;
  }
  if (session.ReportMessages() > 0 || (!same && mismatches.empty())) {
    PrintError("verify: the settings could not be read back");
    NoteOutcome("verify: the settings could not be read back");
    return false;
  }
  for (const SettingLine& line : settings)
    for (const inst::Mismatch& mismatch : mismatches)
      if (line.key == mismatch.setting->key) {
        const SettingKey& key = *FindSettingKey(line.key);
        const Difference difference = {line.key, ReadKey(mismatch.written, key), ReadKey(mismatch.held, key)};
        PrintError("verify: " + plat::FromUtf8(DifferenceLine(difference, "written", "read back")));
        found["differences"].push_back({{"key", difference.key},
                                        {"written", plat::ToUtf8(difference.first)},
                                        {"read_back", plat::ToUtf8(difference.second)}});
      }
  found["outcome"] = same ? "verified" : "differs";
  if (same) PrintNote("verified: the instrument holds the settings of the file");
  return same;
}

// Writes the plan, as 設定 on ユーザ１ (and メーカ１), telling each group;
// false when one was not acknowledged. A signal ends it after the group on
// the line (the session's stopAsked).
bool WritePlan(Session& session, const inst::Plan& plan, bool dryRun, Report& report) {
  session.onGroupWritten = [&](inst::Group group, inst::WriteOutcome outcome) {
    // A port that is gone took no frame: what was left of the write was not sent.
    report.Tell(group, dryRun                                             ? "would be written"
                       : outcome == inst::WriteOutcome::Acknowledged ? "written"
                       : outcome == inst::WriteOutcome::LineGone     ? "not sent"
                       : outcome == inst::WriteOutcome::Unanswered   ? "sent, not acknowledged"
                                                                       : "refused");
  };
  const bool written = session.Instrument().Write(plan, session) != 0;
  session.onGroupWritten = nullptr;
  return written;
}

ExitStatus ApplyOn(const Arguments& args, const std::string& port, const std::vector<SettingLine>& settings) {
  const std::string path = args.operands.at(0);
  const bool maker = args.Has("--maker"), dryRun = args.Has("--dry-run");
  Session session(args.Value("--ini"));
  inst::Instrument& instrument = session.Instrument();
  instrument.SetMakerPages(maker);

  if (ExitStatus status = session.Connect(port); status != kExitOk) return status;
  if (maker && !args.Has("--force") && !SameModel(path, instrument, settings, port)) return kExitUsage;
  // Stopped while the instrument was read, or before the write: no group was on the line.
  const auto stoppedBeforeWriting = [] {
    PrintOut("nothing written: stopped before the first group\n");
    return InterruptedStatus();
  };
  const bool read = ReadInstrument(session, maker, false);
  if (CaughtSignal()) return stoppedBeforeWriting();
  if (!read) return kExitInstrument;
  TakeFileValues(instrument, settings);
  const inst::Plan plan = instrument.PlanWrite(PagesWithASet());
  if (RefusedInWhatIsSent(instrument, plan)) return kExitInstrument;
  Report report(args.Has("--json"));
  const int leftOut = TellLeftOut(plan, settings, instrument, report.leftOut);
  if (CaughtSignal()) return stoppedBeforeWriting();

  auto frames = std::make_shared<std::vector<std::string>>();
  if (dryRun) SwitchToDryRun(session, frames);
  const bool written = WritePlan(session, plan, dryRun, report);
  for (const inst::PlannedGroup& planned : plan)
    if ((planned.action == inst::Action::Send || planned.action == inst::Action::NotGiven) && !report.Told(planned.group))
      report.Tell(planned.group, "not sent");
  if (report.Empty() && !args.Has("--json"))
    PrintOut(leftOut == 0 ? "nothing to write: the instrument holds these settings\n"
                          : "nothing written: the instrument holds the settings that were not left out\n");
  report.Frames(*frames);
  const int messages = session.ReportMessages();
  ExitStatus status = kExitOk;
  nlohmann::ordered_json verified;
  if (CaughtSignal()) {
    status = InterruptedStatus();
  } else if (messages > 0 || !written) {
    status = kExitInstrument;
  } else if (args.Has("--verify") && !report.Empty()) {
    const bool same = Verify(session, plan, settings, verified);
    if (CaughtSignal()) status = InterruptedStatus();   // stopped in the read-back: nothing is verified
    else if (!same) status = kExitInstrument;
  }
  report.Finish(dryRun, verified);
  if (status == kExitOk) NoteOutcome(report.Summary(dryRun));
  return status;
}

// diff's result: a line per setting that differs, or one that says none
// does; with --json one object, {"differences": [{"key", "instrument",
// "file"}], "left_out": [{"keys", "reason"}]}.
void PrintDifferences(const std::vector<Difference>& differences, bool json, const nlohmann::ordered_json& leftOut) {
  if (json) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const Difference& difference : differences)
      list.push_back({{"key", difference.key},
                      {"instrument", plat::ToUtf8(difference.first)},
                      {"file", plat::ToUtf8(difference.second)}});
    PrintOut(JsonLine({{"differences", list}, {"left_out", leftOut}}));
    return;
  }
  for (const Difference& difference : differences) PrintOut(DifferenceLine(difference, "instrument", "file") + "\n");
  if (differences.empty()) PrintOut("same: the instrument holds the settings of the file\n");
}

ExitStatus DiffOn(const Arguments& args, const std::string& port, const std::vector<SettingLine>& settings) {
  const bool maker = args.Has("--maker");
  Session session(args.Value("--ini"));
  inst::Instrument& instrument = session.Instrument();
  instrument.SetMakerPages(maker);
  if (ExitStatus status = session.Connect(port); status != kExitOk) return status;
  const bool read = ReadInstrument(session, maker);
  if (session.StoppedEarly()) return StoppedShort("interrupted before the settings were read whole: nothing compared");
  if (!read) return kExitInstrument;
  TakeFileValues(instrument, settings);
  const inst::Plan plan = instrument.PlanWrite(PagesWithASet());
  nlohmann::ordered_json leftOut = nlohmann::ordered_json::array();
  TellLeftOut(plan, settings, instrument, leftOut);
  const std::vector<Difference> differences = Differences(settings, plan, instrument);
  PrintDifferences(differences, args.Has("--json"), leftOut);
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
