// The version query '#v': model name and firmware version, and what they tell
// of the instrument's features.
//   reply positions  2-10  model name, 9 characters ("TAVO-410A")
//                   11-16  firmware version, 6 characters, space-filled ("1.21  ")
#include "commands/identification.h"

#include <cstring>
#include <string>

#include "commands/command_context.h"
#include "commands/reply_reader.h"
#include "link/frames.h"
#include "link/transactions.h"

namespace {

const int kModelPosition = 2, kModelLength = 9;
const int kVersionPosition = 11, kVersionLength = 6;

// Versions compare as byte strings, trailing spaces included ("10.0  " < "2.00  ").
const char kSuffixAbove[] = "1.21  ";
const char kIoTFrom[] = "2.00  ";

struct KnownModel {
  const char* name;
  int modelCodeItem;
  bool humidityLimit;
};
const KnownModel kModels[] = {
    {"TAVO-410A", 0, false}, {"TAVO-410B", 1, true},   {"TAVO-420A", 2, false},
    {"TAVO-420B", 3, true},  {"TAVO-420AN", 4, false}, {"TAVO-420BN", 5, true},
};

// The newer TAVO-420 firmware names its models with an "N".
std::string ApplySuffixRule(const std::string& model, const std::string& version) {
  bool newer = std::strcmp(version.c_str(), kSuffixAbove) > 0;
  return newer && (model == "TAVO-420A" || model == "TAVO-420B") ? model + "N" : model;
}

bool HasIoTUnit(const std::string& model, const std::string& version) {
  return std::strcmp(version.c_str(), kIoTFrom) >= 0 && model != "TAVO-420AN" && model != "TAVO-410A";
}

void ApplyIoTRule(CCommandContext& dlg, bool iot) {
  dlg.m_dlgUser1.m_comboIoTInterval.EnableWindow(iot);
  dlg.m_dlgUser1.m_editIoTStart.EnableWindow(iot);
  dlg.m_dlgUser1.m_editIoTStop.EnableWindow(iot);
  dlg.m_bIoTUnit = iot ? 1 : 0;
}

void ApplyModelRule(CCommandContext& dlg, const std::string& model) {
  for (const KnownModel& known : kModels) {
    if (model == known.name) {
      dlg.m_dlgMaker1.m_comboModel.SetCurSel(known.modelCodeItem);
      dlg.m_dlgMaker1.m_editHumidityLimit.EnableWindow(known.humidityLimit);
      return;
    }
  }
}

}  // namespace

int IdentifyInstrument(CCommandContext& dlg) {
  if (!dlg.m_pSerial) return 0;
  if (RunQuery(*dlg.m_pSerial, VersionQueryFrame(), 'v') != QueryOutcome::Replied) return 0;
  ReplyReader reply(*dlg.m_pSerial, 'v');
  if (!reply.Answered()) return 0;
  std::string model = reply.Field(kModelPosition, kModelLength);
  std::string version = reply.Field(kVersionPosition, kVersionLength);
  if (reply.Damaged()) return 0;
  model = ApplySuffixRule(model, version);
  dlg.m_dlgUser2.m_staticModelName.SetWindowText(model.c_str());
  dlg.m_dlgUser2.m_staticVersion.SetWindowText(version.c_str());
  ApplyIoTRule(dlg, HasIoTUnit(model, version));
  ApplyModelRule(dlg, model);
  return 1;
}
