// read: the instrument's settings, clock and measurement as a settings file.
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/json_lines.h"
#include "cli/output.h"
#include "cli/session.h"
#include "cli/setting_keys.h"
#include "cli/settings_file.h"
#include "cli/text_forms.h"
#include "platform/console.h"
#include "res/resource.h"

ExitStatus RunRead(const Arguments& args) {
  const bool maker = args.Has("--maker");
  Session session(args.Value("--ini"));
  inst::Instrument& instrument = session.Instrument();
  instrument.SetMakerPages(maker);
  if (ExitStatus status = session.Connect(args.Value("--port")); status != kExitOk) return status;
  // As 読出 on ユーザ１, ユーザ２ for the measurement, (and メーカ１). メーカ１
  // comes last: user page 2's identification preselects the model code by
  // the model name, and only the model code query gives the instrument's own.
  const bool complete = instrument.ReadPage(session, IDD_USER1) != 0;
  if (complete) instrument.ReadPage(session, IDD_USER2);
  if (complete && maker) instrument.ReadPage(session, IDD_MAKER1);
  // The settings came whole or not at all; a later step that failed is told
  // and its values left empty, and the exit status says so.
  const int failures = session.ReportMessages() + (complete ? RefuseFailingValues(instrument) : 0);
  if (!complete) return kExitInstrument;

  KeyValues values;
  std::vector<std::string> literal;
  for (const SettingKey& key : SettingKeys()) {
    if (!Printed(key, instrument)) continue;
    values.emplace_back(key.name, ReadKey(instrument, key));
    if (key.numeric) literal.push_back(key.name);
  }
  if (args.Has("--json")) {
    PrintOut(FormatJson(values, literal));
  } else {
    const std::string port = plat::FromArgument(args.Value("--port"));
    PrintOut(FormatSettingsFile(values, {"read from " + port + " at " + Now(),
                                         "clock, model, version and the measurement are information: apply ignores them"}));
  }
  return failures > 0 ? kExitInstrument : kExitOk;
}
