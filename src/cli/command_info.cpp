// info: who the instrument is.
#include <string>

#include "cli/commands.h"
#include "cli/json_lines.h"
#include "cli/output.h"
#include "cli/session.h"
#include "cli/settings_file.h"
#include "cli/several_ports.h"
#include "cli/text_forms.h"
#include "platform/console.h"

namespace {

ExitStatus InfoOn(const Arguments& args, const std::string& port) {
  Session session(args.Value("--ini"));
  if (ExitStatus status = session.Connect(port); status != kExitOk) return status;
  const inst::Instrument& instrument = session.Instrument();
  if (Unpadded(instrument.GetIdentity().model).empty()) {   // an answer, but not who it is
    PrintError("the instrument" + OnPort(port) + " gave no model name");
    return kExitInstrument;
  }
  const KeyValues values = {{"model", Unpadded(instrument.GetIdentity().model)},
                            {"version", Unpadded(instrument.GetIdentity().version)},
                            {"iot", instrument.HasIoTUnit() ? "true" : "false"}};
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
