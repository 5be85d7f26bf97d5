// apply: the settings of a file that differ from the instrument's, written by
// the dialog's own write sequences.
#include <memory>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/dry_run_port.h"
#include "cli/input_file.h"
#include "cli/output.h"
#include "cli/session.h"
#include "cli/setting_keys.h"
#include "cli/settings_file.h"
#include "commands/iot_schedule.h"
#include "commands/maker_settings.h"
#include "commands/memory_buzzer.h"
#include "commands/patrol_light.h"
#include "commands/power_clock.h"
#include "platform/console.h"

namespace {

// The setting groups of the write sequences, in their order, by set command.
struct Group {
  int (*setCommand)(CCommandContext&);
  const char* keys;
};
const Group kGroups[] = {
    {SetAutoPowerOff, "auto_power_off"},  {SetBuzzerAlarm, "buzzer"},
    {SetClock, "clock"},                  {SetPatrolLightMode, "alarm_mode"},
    {SetMemoryInterval, "memory_interval"}, {SetPatrolLightThresholds, "level1-level4"},
    {SetIoTInterval, "iot_interval"},     {SetIoTCommHours, "iot_start, iot_stop"},
    {SetHumidityLimit, "humidity_limit"}, {SetModelCode, "model_code"},
};

const char* KeysOf(int (*setCommand)(CCommandContext&)) {
  for (const Group& group : kGroups)
    if (group.setCommand == setCommand) return group.keys;
  return "?";
}

// The settings of the file, checked; false after telling what is wrong.
bool LoadSettings(const std::string& path, CTAVODlg& dlg, std::vector<SettingLine>& settings) {
  std::string text, error;
  if (!ReadInputFile(path, text, error)) {
    PrintError(error);
    return false;
  }
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
      PrintNote(line.key + " left out: the instrument has no IoT unit");
      continue;
    }
    WriteKey(dlg, key, line.value);
  }
  // As choosing a model on メーカ１ does: the humidity limit is written only
  // for the models that show it.
  dlg.m_dlgMaker1.ApplyModelToHumidityLimit();
  for (const SettingLine& line : settings)
    if (line.key == "humidity_limit" && !dlg.m_dlgMaker1.m_editHumidityLimit.IsWindowEnabled())
      PrintNote("humidity_limit left out: the model code " + ReadKey(dlg, *FindSettingKey("model_code")) +
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

}  // namespace

ExitStatus RunApply(const Arguments& args) {
  if (args.operands.size() != 1) {
    PrintError("apply takes one settings file");
    return kExitUsage;
  }
  Session session(args.Value("--ini"));
  CTAVODlg& dlg = session.Dialog();
  std::vector<SettingLine> settings;
  if (!LoadSettings(args.operands[0], dlg, settings)) return kExitUsage;

  if (ExitStatus status = session.Connect(args.Value("--port")); status != kExitOk) return status;
  const bool maker = HasMakerKey(settings);
  // What the instrument holds now, as 読出 on ユーザ１ (and メーカ１) gives it.
  bool read = dlg.ReadUser1Page() != 0;
  if (read && maker) {
    dlg.PauseBetweenCommands();
    read = dlg.ReadMaker1Page() != 0 && read;
  }
  if (session.ReportMessages() > 0 || !read) return kExitInstrument;
  PutIntoPages(dlg, settings);
  dlg.PauseBetweenCommands();

  auto frames = std::make_shared<std::vector<std::string>>();
  const bool dryRun = args.Has("--dry-run");
  if (dryRun) SwitchToDryRun(dlg, frames);
  const bool json = args.Has("--json");
  nlohmann::ordered_json groups = nlohmann::ordered_json::array();
  int sent = 0;
  dlg.m_onGroupWritten = [&](int (*setCommand)(CCommandContext&), bool acknowledged) {
    const char* outcome = dryRun ? "would be written" : acknowledged ? "written" : "not acknowledged";
    if (json) groups.push_back({{"keys", KeysOf(setCommand)}, {"outcome", outcome}});
    else PrintOut(std::string(KeysOf(setCommand)) + ": " + outcome + "\n");
    ++sent;
  };
  // As 設定 on ユーザ１ (and メーカ１): only the groups that differ are sent.
  bool written = dlg.WriteUser1Settings() != 0;
  if (maker) {
    dlg.PauseBetweenCommands();
    written = dlg.WriteMaker1Settings() != 0 && written;
  }
  dlg.m_onGroupWritten = nullptr;
  if (json) {
    nlohmann::ordered_json printable = nlohmann::ordered_json::array();
    for (const std::string& frame : *frames) printable.push_back(Printable(frame));
    nlohmann::ordered_json summary = {{"groups", groups}};
    if (dryRun) summary["frames"] = printable;
    PrintOut(JsonLine(summary));
  } else {
    if (sent == 0 && written) PrintOut("nothing to write: the instrument holds these settings\n");
    for (const std::string& frame : *frames) PrintOut(Printable(frame) + "\n");
  }
  return session.ReportMessages() > 0 || !written ? kExitInstrument : kExitOk;
}
