// apply: the settings of a file that differ from the instrument's, written by
// the dialog's own write sequences.
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/dry_run_port.h"
#include "cli/session.h"
#include "cli/setting_keys.h"
#include "cli/settings_file.h"
#include "cli/several_ports.h"
#include "instrument/catalogue.h"
#include "platform/console.h"

namespace {

// The settings of the file, checked; false after telling what is wrong.
bool LoadSettings(const std::string& path, CTAVODlg& dlg, std::vector<SettingLine>& settings) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    PrintError("cannot read " + plat::FromArgument(path));
    return false;
  }
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::string error;
  if (!ParseSettingsFile(text, settings, error)) {
    PrintError(plat::FromArgument(path) + ": " + plat::FromUtf8(error));
    return false;
  }
  bool good = true;
  for (const SettingLine& line : settings) {
    const SettingKey* key = FindSettingKey(line.key);
    std::string problem = key ? CheckValue(dlg, *key, line.value) : "unknown key " + plat::FromUtf8(line.key);
    if (!problem.empty()) {
      const std::string given = plat::FromUtf8(line.key + " = " + line.value);
      PrintError(plat::FromArgument(path) + ":" + std::to_string(line.line) + ": " + given + ": " + problem);
      good = false;
    }
  }
  return good;
}

// Puts the file's settings into the pages; the IoT ones only for an
// instrument with an IoT unit.
void PutIntoPages(CTAVODlg& dlg, const std::vector<SettingLine>& settings) {
  for (const SettingLine& line : settings) {
    const SettingKey& key = *FindSettingKey(line.key);
    if (key.kind == KeyKind::Info) continue;
    if (key.iot && !dlg.m_bIoTUnit) {
      PrintError(line.key + " left out: the instrument has no IoT unit");
      continue;
    }
    WriteKey(dlg, key, line.value);
  }
  // As choosing a model on メーカ１ does: the humidity limit is written only
  // for the models that show it.
  dlg.m_dlgMaker1.ApplyModelToHumidityLimit();
  for (const SettingLine& line : settings)
    if (line.key == "humidity_limit" && !dlg.m_dlgMaker1.m_editHumidityLimit.IsWindowEnabled())
      PrintError("humidity_limit left out: the model code " + ReadKey(dlg, *FindSettingKey("model_code")) +
                 " has no humidity display limit");
}

bool HasMakerKey(const std::vector<SettingLine>& settings) {
  for (const SettingLine& line : settings)
    if (FindSettingKey(line.key)->maker) return true;
  return false;
}

// From here on the writes go to a port that keeps the frames and answers ACK.
void SwitchToDryRun(CTAVODlg& dlg, const std::shared_ptr<std::vector<std::string>>& frames) {
  dlg.CloseLink();
  dlg.m_pSerial = new CSerial(std::unique_ptr<LinePort>(new DryRunPort(frames)));
  dlg.m_pSerial->Open("dry run");
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

// What the instrument holds now, as 読出 on ユーザ１ (and メーカ１) gives it.
bool ReadPages(Session& session, bool maker) {
  CTAVODlg& dlg = session.Dialog();
  bool read = dlg.ReadUser1Page() != 0;
  if (read && maker) {
    dlg.PauseBetweenCommands();
    read = dlg.ReadMaker1Page() != 0 && read;
  }
  return session.ReportMessages() == 0 && read;
}

// The values of the file's settings as the pages show them, the keys left
// out for this instrument as "".
KeyValues PageValues(CTAVODlg& dlg, const std::vector<SettingLine>& settings) {
  KeyValues values;
  for (const SettingLine& line : settings) {
    const SettingKey& key = *FindSettingKey(line.key);
    if (key.kind != KeyKind::Info) values.emplace_back(line.key, ReadKey(dlg, key));
  }
  return values;
}

// The keys whose values differ, a line each: "key: NAME1 A, NAME2 B".
std::vector<std::string> Differences(const KeyValues& first, const char* firstName, const KeyValues& second,
                                     const char* secondName) {
  std::vector<std::string> lines;
  for (size_t i = 0; i < first.size(); ++i)
    if (first[i].second != second[i].second)
      lines.push_back(first[i].first + ": " + firstName + " " + first[i].second + ", " + secondName + " " +
                      second[i].second);
  return lines;
}

// After a write: the pages read again from the instrument and compared with
// what was written. False after naming each key the instrument does not hold.
bool Verify(Session& session, const std::vector<SettingLine>& settings, bool maker) {
  CTAVODlg& dlg = session.Dialog();
  const KeyValues written = PageValues(dlg, settings);
  dlg.PauseBetweenCommands();
  if (!ReadPages(session, maker)) return false;
  const std::vector<std::string> differences = Differences(written, "written", PageValues(dlg, settings), "read back");
  for (const std::string& line : differences) PrintError("verify: " + line);
  if (differences.empty()) PrintOut("verified: the instrument holds the settings of the file\n");
  return differences.empty();
}

ExitStatus ApplyOn(const Arguments& args, const std::string& port) {
  Session session(args.Value("--ini"));
  CTAVODlg& dlg = session.Dialog();
  std::vector<SettingLine> settings;
  if (!LoadSettings(args.operands[0], dlg, settings)) return kExitUsage;

  if (ExitStatus status = session.Connect(port); status != kExitOk) return status;
  const bool maker = HasMakerKey(settings);
  if (!ReadPages(session, maker)) return kExitInstrument;
  PutIntoPages(dlg, settings);
  dlg.PauseBetweenCommands();

  auto frames = std::make_shared<std::vector<std::string>>();
  const bool dryRun = args.Has("--dry-run");
  const char* outcomeWord = dryRun ? "would be written" : "written";
  if (dryRun) SwitchToDryRun(dlg, frames);
  int sent = 0;
  dlg.m_onGroupWritten = [&](inst::Group group, bool acknowledged) {
    const char* outcome = dryRun ? "would be written" : acknowledged ? "written" : "not acknowledged";
    PrintOut(std::string(inst::GroupOf(group).keys) + ": " + outcome + "\n");
    ++sent;
  };
  // As 設定 on ユーザ１ (and メーカ１): only the groups that differ are sent.
  bool written = dlg.WriteUser1Settings() != 0;
  if (maker) {
    dlg.PauseBetweenCommands();
    written = dlg.WriteMaker1Settings() != 0 && written;
  }
  dlg.m_onGroupWritten = nullptr;
  if (sent == 0 && written) PrintOut("nothing to write: the instrument holds these settings\n");
  for (const std::string& frame : *frames) PrintOut(Printable(frame) + "\n");
  if (session.ReportMessages() > 0 || !written) return kExitInstrument;
  if (args.Has("--verify") && sent > 0 && !Verify(session, settings, maker)) return kExitInstrument;
  NoteOutcome(sent == 0 ? "nothing to write" : std::to_string(sent) + (sent == 1 ? " group " : " groups ") + outcomeWord);
  return kExitOk;
}

ExitStatus DiffOn(const Arguments& args, const std::string& port) {
  Session session(args.Value("--ini"));
  CTAVODlg& dlg = session.Dialog();
  std::vector<SettingLine> settings;
  if (!LoadSettings(args.operands[0], dlg, settings)) return kExitUsage;
  if (ExitStatus status = session.Connect(port); status != kExitOk) return status;
  if (!ReadPages(session, HasMakerKey(settings))) return kExitInstrument;
  const KeyValues held = PageValues(dlg, settings);
  PutIntoPages(dlg, settings);
  const std::vector<std::string> differences = Differences(held, "instrument", PageValues(dlg, settings), "file");
  for (const std::string& line : differences) PrintOut(line + "\n");
  if (differences.empty()) PrintOut("same: the instrument holds the settings of the file\n");
  NoteOutcome(differences.empty() ? "same" : std::to_string(differences.size()) + " settings differ");
  return differences.empty() ? kExitOk : kExitInstrument;
}

}  // namespace

ExitStatus RunApply(const Arguments& args) {
  if (args.operands.size() != 1) {
    PrintError("apply takes one settings file");
    return kExitUsage;
  }
  if (args.Has("--verify") && args.Has("--dry-run")) {
    PrintError("--verify reads back what was written: a dry run writes nothing");
    return kExitUsage;
  }
  return ForEachPort(args, ApplyOn);
}

ExitStatus RunDiff(const Arguments& args) {
  if (args.operands.size() != 1) {
    PrintError("diff takes one settings file");
    return kExitUsage;
  }
  return ForEachPort(args, DiffOn);
}
