// clock: the instrument's clock and how far it is from the PC's; --set sets
// it through the dialog's write sequence, like 設定 after a change of the pickers.
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/session.h"
#include "cli/several_ports.h"
#include "cli/setting_keys.h"
#include "commands/power_clock.h"
#include "platform/clock.h"

namespace {

// "now", or "YYYY-MM-DD hh:mm:ss" within the years the instrument keeps (2000-2099).
bool ParseClock(const std::string& text, fw::DateTime& value) {
  if (text == "now") {
    value = PcClock();
    return true;
  }
  value = fw::DateTime{};
  char end = 0;
  if (std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &value.year, &value.month, &value.day, &value.hour,
                  &value.minute, &value.second, &end) != 6) {
    return false;
  }
  return fw::IsValidDateTime(value) && value.year >= 2000 && value.year <= 2099;
}

void SetPickers(CTAVODlg& dlg, const fw::DateTime& value) {
  dlg.m_dlgUser1.m_dateClock.SetTime(value);
  dlg.m_dlgUser1.m_timeClock.SetTime(value);
}

ExitStatus ShowClock(Session& session, bool json) {
  CTAVODlg& dlg = session.Dialog();
  if (!GetClock(dlg)) {
    PrintError("時計取得要求: 時計の取得に失敗しました。");
    return kExitInstrument;
  }
  const fw::DateTime pc = PcClock();
  fw::DateTime instrument;
  InstrumentClock(dlg, instrument);   // the query put a valid clock in the pickers
  const long long drift = plat::SecondsSince2000(instrument) - plat::SecondsSince2000(pc);
  const std::string clock = DateTimeText(instrument);
  char line[96];
  if (json) {
    std::snprintf(line, sizeof line, "{\"clock\": \"%s\", \"drift\": %lld}\n", clock.c_str(), drift);
  } else {
    std::snprintf(line, sizeof line, "%s (%+lld s from this computer)\n", clock.c_str(), drift);
  }
  PrintOut(line);
  NoteOutcome(clock + (drift < 0 ? ", " : ", +") + std::to_string(drift) + " s");
  return kExitOk;
}

ExitStatus ClockOn(const Arguments& args, const std::string& port) {
  fw::DateTime wanted{};
  const bool set = args.Has("--set");
  ParseClock(args.Value("--set"), wanted);   // checked before
  Session session(args.Value("--ini"));
  if (ExitStatus status = session.Connect(port); status != kExitOk) return status;
  if (set) {
    CTAVODlg& dlg = session.Dialog();
    // After the read every other setting equals what the instrument holds, so
    // the write sequence sends the clock alone.
    const bool read = dlg.ReadUser1Page() != 0;
    if (session.ReportMessages() > 0 || !read) return kExitInstrument;
    dlg.PauseBetweenCommands();
    if (args.Value("--set") == "now") wanted = PcClock();
    SetPickers(dlg, wanted);
    const bool written = dlg.WriteUser1Settings() != 0;
    if (session.ReportMessages() > 0 || !written) return kExitInstrument;
    session.Dialog().PauseBetweenCommands();
  }
  return ShowClock(session, args.Has("--json"));
}

}  // namespace

ExitStatus RunClock(const Arguments& args) {
  fw::DateTime wanted{};
  if (args.Has("--set") && !ParseClock(args.Value("--set"), wanted)) {
    PrintError("--set takes now or \"YYYY-MM-DD hh:mm:ss\" (2000-2099)");
    return kExitUsage;
  }
  return ForEachPort(args, ClockOn);
}
