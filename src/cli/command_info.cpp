// info: who the instrument is.
#include <string>

#include "cli/commands.h"
#include "cli/json_lines.h"
#include "cli/session.h"
#include "cli/settings_file.h"
#include "cli/several_ports.h"

namespace {

ExitStatus InfoOn(const Arguments& args, const std::string& port) {
  Session session(args.Value("--ini"));
  if (ExitStatus status = session.Connect(port, true); status != kExitOk) return status;
  CTAVODlg& dlg = session.Dialog();
  const KeyValues values = {{"model", Shown(dlg.m_dlgUser2.m_staticModelName)},
                            {"version", Shown(dlg.m_dlgUser2.m_staticVersion)},
                            {"iot", dlg.m_bIoTUnit ? "true" : "false"}};
  if (args.Has("--json")) {
    PrintOut(FormatJson(values, {"iot"}));
  } else {
    PrintOut(FormatSettingsFile(values, {}));
  }
  NoteOutcome(values[0].second + " " + values[1].second);
  return kExitOk;
}

}  // namespace

ExitStatus RunInfo(const Arguments& args) { return ForEachPort(args, InfoOn); }
