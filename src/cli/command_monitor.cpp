// monitor: the measurement once a period, a line (or a JSON object) per
// sample, with the heat-stress level of the indoor index; optionally
// appended to a CSV file. A port that vanishes is opened again every period.
#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/interrupt.h"
#include "cli/json_lines.h"
#include "cli/monitor_csv.h"
#include "cli/output.h"
#include "cli/output_file.h"
#include "cli/session.h"
#include "cli/several_ports.h"
#include "cli/setting_keys.h"
#include "cli/text_forms.h"
#include "instrument/readings.h"
#include "platform/clock.h"
#include "platform/console.h"
#include "res/resource.h"

namespace {

// The bands of the heat-stress index in the usual Japanese guideline, highest first.
struct Band {
  double from;
  const char* name;
};
const Band kBands[] = {{31.0, "危険"}, {28.0, "厳重警戒"}, {25.0, "警戒"}, {21.0, "注意"}};
const char kBelowBands[] = "ほぼ安全";

// The measurement as user page 2 shows it: its columns are the readings of
// its query that tavo-cli names, in their order, between the time and the level.
const int kMeasurementPage = IDD_USER2;
const char kMeasurementLetter = 'D';
const char kTimeColumn[] = "time";
const char kLevelColumn[] = "level";

const std::vector<const inst::Reading*>& Columns() {
  static const std::vector<const inst::Reading*> columns = [] {
    std::vector<const inst::Reading*> named;
    for (const inst::Reading* reading : inst::PageReadings(kMeasurementPage, kMeasurementLetter))
      if (reading->key) named.push_back(reading);
    return named;
  }();
  return columns;
}

// One sample: the values as the instrument gave them, and whether each is a number.
struct Sample {
  std::string time;
  std::vector<std::string> values = std::vector<std::string>(Columns().size());
  std::vector<bool> valid = std::vector<bool>(Columns().size());
  bool AllValid() const {
    for (bool each : valid)
      if (!each) return false;
    return true;
  }
  // The level of the indoor index; empty when it is no number.
  std::string Level() const {
    if (!valid[0]) return "";
    const double value = std::atof(values[0].c_str());
    for (const Band& band : kBands)
      if (value >= band.from) return band.name;
    return kBelowBands;
  }
};

Sample TakeSample(const inst::Instrument& instrument) {
  Sample sample;
  sample.time = Now();
  for (size_t i = 0; i < Columns().size(); ++i) {
    sample.values[i] = ReadKey(instrument, *FindSettingKey(Columns()[i]->key));
    sample.valid[i] = IsMeasuredNumber(sample.values[i]);
  }
  return sample;
}

// Between two columns of TextLine.
const std::string kGap = "  ";

std::string Padded(const std::string& name, size_t width) {
  return name + std::string(width - std::min(width, name.size()), ' ');
}

// The names of the columns of TextLine, over them, printed first on a terminal:
// each as wide as its values (a time, a reading's field) and the gap after them.
std::string TextHeader() {
  std::string header = Padded(kTimeColumn, Now().size() + kGap.size());
  for (const inst::Reading* column : Columns())
    header += Padded(column->label, static_cast<size_t>(column->read.width) + kGap.size());
  return header + kLevelColumn + "\n";
}

std::string TextLine(const Sample& sample) {
  std::string line = sample.time;
  for (size_t i = 0; i < Columns().size(); ++i) line += kGap + (sample.valid[i] ? sample.values[i] : std::string("-"));
  const std::string level = sample.Level();
  return line + kGap + (level.empty() ? std::string("-") : level) + "\n";
}

std::string JsonSample(const Sample& sample) {
  nlohmann::ordered_json object = {{kTimeColumn, sample.time}};
  for (size_t i = 0; i < Columns().size(); ++i)
    object[Columns()[i]->key] = sample.valid[i]
                                    ? nlohmann::ordered_json(std::strtod(sample.values[i].c_str(), nullptr))
                                    : nlohmann::ordered_json(nullptr);
  const std::string level = sample.Level();
  object[kLevelColumn] = level.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(plat::ToUtf8(level));
  return JsonLine(object);
}

// The names of the columns of the CSV file.
std::vector<std::string> CsvHeader() {
  std::vector<std::string> header = {kTimeColumn};
  for (const inst::Reading* column : Columns()) header.push_back(column->key);
  header.push_back(kLevelColumn);
  return header;
}

// A value that is no number is an empty cell: never a text a spreadsheet
// would take for a formula ("=1+2") or anything else.
std::vector<std::string> CsvFields(const Sample& sample) {
  std::vector<std::string> fields = {sample.time};
  for (size_t i = 0; i < Columns().size(); ++i) fields.push_back(sample.valid[i] ? sample.values[i] : std::string());
  fields.push_back(sample.Level());
  return fields;
}

// Waits until the monotonic clock reaches `due` (ms), waking early on Ctrl-C.
void WaitUntil(unsigned long long due) {
  const unsigned kStepMs = 100;
  for (unsigned long long now = plat::MonotonicMs(); now < due && !CaughtSignal(); now = plat::MonotonicMs())
    plat::SleepMs(static_cast<unsigned>(due - now < kStepMs ? due - now : kStepMs));
}

// The start of the next period after now: samples keep to the periods from
// `start`, however long one took; a period that passed unused is skipped.
unsigned long long NextPeriod(unsigned long long start, unsigned long long periodMs) {
  const unsigned long long now = plat::MonotonicMs();
  return start + ((now - start) / periodMs + 1) * periodMs;
}

}  // namespace

ExitStatus RunMonitor(const Arguments& args) {
  const long long interval = std::atoll(args.Value("--interval", "10").c_str());   // checked by the command line
  const long long count = std::atoll(args.Value("--count", "0").c_str());
  const std::string port = args.Value("--port"), csvPath = WithDate(WithPort(args.Value("-o"), port), PcClock());
  const bool json = args.Has("--json");
  if (!OneUseOfStandardOutput(csvPath, json)) return kExitUsage;
  MonitorCsv csv;
  if (!csv.Open(csvPath, args.Value("--encoding") == "cp932", CsvHeader())) return kExitFile;
  Session session(args.Value("--ini"));
  if (ExitStatus status = session.Connect(port); status != kExitOk) return status;
  const CatchInterrupts interrupts;
  if (!json && !IsStandardOutput(csvPath) && plat::IsTerminal(plat::Stream::Output)) PrintOut(TextHeader());
  // With --count N, N samples in a row without an answer (or with a value
  // that is no number) end it too.
  long long answers = 0, failures = 0, failuresInARow = 0, samples = 0;
  bool gone = false;
  const unsigned long long periodMs = static_cast<unsigned long long>(interval) * 1000, start = plat::MonotonicMs();
  while (!CaughtSignal() && (count == 0 || (answers < count && failuresInARow < count))) {
    if (samples++ > 0) {
      WaitUntil(NextPeriod(start, periodMs));
      session.Instrument().StartSequence();   // after the wait no pause is owed
    }
    if (CaughtSignal()) break;
    if (gone) {
      if (!session.Reopen(port)) {   // a period without the port is a failed sample
        ++failures;
        ++failuresInARow;
        continue;
      }
      gone = false;
      PrintNote(plat::FromArgument(port) + " answers again");
    }
    if (!session.Instrument().ReadReadings(session, kMeasurementPage, kMeasurementLetter)) {
      ++failures;
      ++failuresInARow;
      if (session.Instrument().LineGone()) {
        gone = true;
        PrintError(plat::FromArgument(port) + " is gone: opening it again every " + std::to_string(interval) + " s");
      } else {
        PrintError(std::string(inst::PageReadStep(IDD_USER2, 'D').failure.caption) + ": " + inst::PageReadStep(IDD_USER2, 'D').failure.text);
      }
      continue;
    }
    const Sample sample = TakeSample(session.Instrument());
    if (sample.AllValid()) {
      ++answers;
      failuresInARow = 0;
    } else {
      ++failures;
      ++failuresInARow;
    }
    if (!IsStandardOutput(csvPath)) PrintOut(json ? JsonSample(sample) : TextLine(sample));
    // Without -o its lines are all it gives: once they reach no one, it ends (told at the end).
    if (csvPath.empty() && StandardOutputFailed()) return kExitFile;
    if (!csv.Append(CsvFields(sample))) return kExitFile;
  }
  if (count > 0 && answers < count && !CaughtSignal()) return kExitInstrument;
  return answers > 0 || failures == 0 ? kExitOk : kExitInstrument;
}
