// clock: the instrument's clock and how far it is from the PC's; --set sets
// it through TAVO.exe's write sequence (the core's), like 設定 after a change of the pickers.
#include <cstdio>
#include <memory>
#include <string>

#include "cli/commands.h"
#include "cli/interrupt.h"
#include "cli/json_lines.h"
#include "cli/output.h"
#include "cli/session.h"
#include "cli/setting_keys.h"
#include "cli/several_ports.h"
#include "cli/text_forms.h"
#include "instrument/setting_values.h"
#include "platform/clock.h"
#include "res/resource.h"

namespace {

// "now", or "YYYY-MM-DD hh:mm:ss" within the years the instrument keeps.
bool ParseClock(const std::string& text, plat::LocalTime& value) {
  if (text == "now") {
    value = PcClock();
    return true;
  }
  value = plat::LocalTime{};
  char end = 0;
  if (std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &value.year, &value.month, &value.day, &value.hour,
                  &value.minute, &value.second, &end) != 6) {
    return false;
  }
  std::string digits;   // the instrument keeps the years its two digits can hold
  return plat::IsValidDateTime(value) && ClockDigits(value, digits);
}

// The frame is timed to arrive this long after a whole second: a little late
// rather than early, so that an instrument that counts whole seconds is not
// a second ahead.
const long long kArrivalAfterSecondMs = 100;

// For a clock frame that arrives `lead` ms after its write starts: how long
// after `now` to start it (less than a second) so that it arrives just after
// a whole second, and this computer's time at its arrival, in whole seconds.
struct Arrival {
  long long wait;
  plat::LocalTime time;
};
Arrival ArrivalAfterSecond(const plat::LocalTime& now, long long lead) {
  const long long wait = (2000 + kArrivalAfterSecondMs - (now.millisecond + lead) % 1000) % 1000;
  return {wait, plat::LocalTimeAt(plat::SecondsSince2000(now) + (now.millisecond + lead + wait) / 1000)};
}

// This computer's time, in whole seconds, when a clock frame whose write
// starts now arrives `lead` ms later: waits until starting it makes it arrive
// just after a whole second, so the instrument starts that second with the computer.
plat::LocalTime ClockAtArrival(long long lead) {
  const Arrival arrival = ArrivalAfterSecond(plat::GetLocalTime(), lead);
  plat::SleepMs(static_cast<unsigned>(arrival.wait));
  return arrival.time;
}

// The most a clock that was set may be off when it is read back, in seconds.
const long long kSetClockToleranceS = 2;

// A time that was set, and when (on the monotonic clock, as the write ended).
struct ClockSet {
  plat::LocalTime value;
  unsigned long long atMs;
};

// Reads the instrument's clock and prints it with its drift. After a set,
// the clock must have kept the time set, counting on from when it was set:
// one more than kSetClockToleranceS off fails.
ExitStatus PrintInstrumentClock(Session& session, bool json, const ClockSet* set) {
  const inst::InstrumentSettings& values = session.Instrument().Values();
  if (!session.Instrument().ReadSettings(session, inst::FindSetting("clock")->read.letter)) {
    if (session.StoppedEarly())
      return StoppedShort(set ? "interrupted after the clock was set, before it was read back"
                              : "interrupted before the clock was read");
    PrintError(std::string(inst::PageReadStep(IDD_USER2, 'T').failure.caption) + ": " + inst::PageReadStep(IDD_USER2, 'T').failure.text);
    return kExitInstrument;
  }
  const plat::LocalTime pc = PcClock();
  const plat::LocalTime instrument = values.clock;   // the query took a valid clock
  const long long drift = plat::SecondsSince2000(instrument) - plat::SecondsSince2000(pc);
  const std::string clock = DateTimeText(instrument);
  if (json) {
    PrintOut(JsonLine({{"clock", clock}, {"drift", drift}}));
  } else {
    PrintOut(clock + " (" + DriftText(drift) + " from this computer)\n");
  }
  if (set) {
    const long long since = static_cast<long long>((plat::MonotonicMs() - set->atMs + 500) / 1000);
    const long long off = plat::SecondsSince2000(instrument) - plat::SecondsSince2000(set->value) - since;
    if (off > kSetClockToleranceS || off < -kSetClockToleranceS) {
      PrintError("the instrument acknowledged the clock but keeps another time: " + clock + ", " +
                 std::to_string(off) + " s from the time set");
      return kExitInstrument;
    }
  }
  NoteOutcome(clock + ", " + DriftText(drift));
  return kExitOk;
}

ExitStatus ClockOn(const Arguments& args, const std::string& port) {
  plat::LocalTime wanted{};
  const bool set = args.Has("--set");
  ParseClock(args.Value("--set"), wanted);   // checked before
  Session session(args.Value("--ini"));
  if (ExitStatus status = session.Connect(port); status != kExitOk) return status;
  if (set) {
    // After the read every other setting equals what the instrument holds, so
    // the write sends the clock alone.
    inst::Instrument& instrument = session.Instrument();
    const bool read = instrument.ReadPage(session, IDD_USER1) != 0;
    if (session.StoppedEarly()) {
      session.ReportMessages();
      return StoppedShort("interrupted before the clock was set");
    }
    if (session.ReportMessages() > 0 || !read) return kExitInstrument;
    const inst::Group clockGroup = inst::GroupOfSetting(*inst::FindSetting("clock"));
    const bool now = args.Value("--set") == "now";
    if (now) {
      // Each send of the frame, a resend too, carries the time of its own
      // arrival; the time it would arrive with on the first makes the plan.
      wanted = ArrivalAfterSecond(plat::GetLocalTime(),
                                  instrument.MsUntilSent(instrument.PlanWrite({IDD_USER1}), clockGroup)).time;
      instrument.SetArrivalClock(ClockAtArrival);
    }
    instrument.Values().SetClockByUser(wanted);
    // Stopped before the clock's frame, or while it awaited an acknowledgement
    // that did not come (no resend then): told as apply tells a group.
    bool sent = false, unanswered = false;
    session.onGroupWritten = [&](inst::Group, inst::WriteOutcome outcome) {
      sent = true;
      unanswered = outcome == inst::WriteOutcome::Unanswered;
    };
    const bool written = instrument.Write(instrument.PlanWrite({IDD_USER1}), session) != 0;
    instrument.SetArrivalClock(nullptr);
    session.onGroupWritten = nullptr;
    const int messages = session.ReportMessages();
    if (session.StoppedEarly() && (!sent || unanswered))
      return StoppedShort(sent ? "interrupted while the clock awaited its acknowledgement: sent, not acknowledged"
                               : "interrupted before the clock was set");
    if (messages > 0 || !written) return kExitInstrument;
    const ClockSet clockSet = {instrument.Values().clock, plat::MonotonicMs()};
    return PrintInstrumentClock(session, args.Has("--json"), &clockSet);
  }
  return PrintInstrumentClock(session, args.Has("--json"), nullptr);
}

}  // namespace

ExitStatus RunClock(const Arguments& args) {
  plat::LocalTime wanted{};
  if (args.Has("--set") && !ParseClock(args.Value("--set"), wanted)) {
    PrintError("--set takes now or \"YYYY-MM-DD hh:mm:ss\" (" + std::to_string(kFirstClockYear) + "-" +
               std::to_string(kLastClockYear) + ")");
    return kExitUsage;
  }
  // Setting a clock stops at a safe point on one port too, as over several:
  // a frame on the line is finished, never left half sent.
  std::unique_ptr<CatchInterrupts> interrupts;
  if (args.Has("--set")) interrupts = std::make_unique<CatchInterrupts>();
  return ForEachPort(args, ClockOn);
}
