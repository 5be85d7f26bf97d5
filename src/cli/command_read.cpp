// read: the instrument's settings, clock and measurement as a settings file,
// on standard output or, with -o, into a file (one a port by {port}).
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/interrupt.h"
#include "cli/json_lines.h"
#include "cli/output.h"
#include "cli/output_file.h"
#include "cli/session.h"
#include "cli/setting_keys.h"
#include "cli/settings_file.h"
#include "cli/several_ports.h"
#include "cli/text_forms.h"
#include "platform/console.h"
#include "platform/whole_file.h"
#include "res/resource.h"

namespace {

ExitStatus ReadOn(const Arguments& args, const std::string& port) {
  const bool maker = args.Has("--maker");
  const std::string path = args.Has("-o") ? WithPort(args.Value("-o"), port) : "-";
  if (!CheckOutputFile(path)) return kExitFile;
  Session session(args.Value("--ini"));
  inst::Instrument& instrument = session.Instrument();
  instrument.SetMakerPages(maker);
  if (ExitStatus status = session.Connect(port); status != kExitOk) return status;
  // As 読出 on ユーザ１, ユーザ２ for the measurement, (and メーカ１). メーカ１
  // comes last: user page 2's identification preselects the model code by
  // the model name, and only the model code query gives the instrument's own.
  const bool complete = instrument.ReadPage(session, IDD_USER1) != 0;
  if (complete) instrument.ReadPage(session, IDD_USER2);
  if (complete && maker) instrument.ReadPage(session, IDD_MAKER1);
  if (session.StoppedEarly()) {   // what was read is not printed as if it were all
    session.ReportMessages();
    return StoppedShort(std::string("interrupted before the settings were read whole: ") +
                        (IsStandardOutput(path) ? "nothing printed" : "no file written"));
  }
  // The settings came whole or not at all; a later step that failed is told
  // and its values left empty, and the exit status says so.
  int failures = session.ReportMessages() + (complete ? RefuseFailingValues(instrument) : 0);
  if (!complete) return kExitInstrument;

  KeyValues values;
  std::vector<std::string> literal;
  for (const SettingKey& key : SettingKeys()) {
    if (!Printed(key, instrument)) continue;
    std::string value = ReadKey(instrument, key);
    // A setting whose query failed is left out (the values may hold a preselection, never read).
    if (key.setting && !session.Took(key.setting->read.letter)) value.clear();
    // A measurement that is no number was damaged on the line: named, not shown.
    if (key.reading && !value.empty() && !IsMeasuredNumber(value)) {
      PrintError(key.name + ": the instrument's answer is no number: " + value);
      value.clear();
      ++failures;
    }
    values.emplace_back(key.name, value);
    if (key.numeric) literal.push_back(key.name);
  }
  const std::string settingsFile =
      FormatSettingsFile(values, {"read from " + plat::FromArgument(port) + " at " + Now(),
                                  "clock, model, version and the measurement are information: apply ignores them"});
  if (IsStandardOutput(path)) {
    PrintOut(args.Has("--json") ? FormatJson(values, literal) : settingsFile);
  } else {
    // The settings file apply takes, whole when it takes its name, as a download's.
    bool cutShort = false;
    if (!plat::WriteWholeFile(path, plat::ToUtf8(settingsFile), &cutShort)) {
      ReportWriteFailure(path, cutShort);
      return kExitFile;
    }
    if (args.Has("--json")) PrintOut(JsonLine({{"file", plat::ToUtf8(plat::FromArgument(path))}}));
    NoteOutcome("settings in " + plat::FromArgument(path));
  }
  return failures > 0 ? kExitInstrument : kExitOk;
}

}  // namespace

ExitStatus RunRead(const Arguments& args) {
  Arguments run = args;
  if (args.Has("-o")) {
    // Every port's file takes the date the run started; no two ports write one file.
    std::vector<std::string> ports;
    if (!PortsOf(args, ports)) return kExitUsage;
    run.values["-o"] = WithDate(args.Value("-o"), PcClock());
    if (!DistinctFiles(run.Value("-o"), ports)) return kExitUsage;
  }
  return ForEachPort(run, ReadOn);
}
