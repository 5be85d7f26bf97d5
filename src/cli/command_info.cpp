// ports and info: the ports there are, and who the instrument is.
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/session.h"
#include "cli/settings_file.h"
#include "platform/comports.h"
#include "platform/console.h"

namespace {

// The text of a static without the blanks the instrument pads it with.
std::string Shown(const CStatic& control) {
  std::string text = control.GetWindowText().str();
  const size_t last = text.find_last_not_of(' ');
  return last == std::string::npos ? "" : text.substr(0, last + 1);
}

}  // namespace

ExitStatus RunPorts(const Arguments&) {
  std::vector<std::string> ports;
  plat::ListComPorts(ports);
  for (const std::string& port : ports) PrintOut(plat::FromArgument(port) + "\n");
  return kExitOk;
}

ExitStatus RunInfo(const Arguments& args) {
  Session session(args.Value("--ini"));
  if (ExitStatus status = session.Connect(args.Value("--port"), true); status != kExitOk) return status;
  CTAVODlg& dlg = session.Dialog();
  const KeyValues values = {{"model", Shown(dlg.m_dlgUser2.m_staticModelName)},
                            {"version", Shown(dlg.m_dlgUser2.m_staticVersion)},
                            {"iot", dlg.m_bIoTUnit ? "true" : "false"}};
  if (args.Has("--json")) {
    PrintOut(FormatJson(values, {"iot"}));
  } else {
    PrintOut(FormatSettingsFile(values, {}));
  }
  return kExitOk;
}
