// monitor: the measurement every few seconds, a line per answer, with the
// heat-stress level of the indoor index; optionally appended to a CSV file.
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/commands.h"
#include "cli/session.h"
#include "cli/setting_keys.h"
#include "commands/measurement.h"
#include "platform/clock.h"
#include "platform/console.h"

namespace {

volatile std::sig_atomic_t g_stop = 0;
extern "C" void OnInterrupt(int) { g_stop = 1; }

// The usual Japanese bands of the heat-stress index, highest first.
struct Band {
  double from;
  const char* name;
};
const Band kBands[] = {{31.0, "危険"}, {28.0, "厳重警戒"}, {25.0, "警戒"}, {-1000.0, "注意"}};

const char* LevelOf(const std::string& indoor) {
  if (indoor.empty()) return "";
  const double value = std::atof(indoor.c_str());
  for (const Band& band : kBands)
    if (value >= band.from) return band.name;
  return "";
}

const char* const kColumns[] = {"tavo_indoor", "tavo_outdoor", "air_temp", "humidity", "globe_temp"};

// Appends lines to the CSV file, its header first when the file is new or empty.
class CsvLog {
public:
  bool Open(const std::string& path) {
    if (path.empty()) return true;
    m_file = std::fopen(path.c_str(), "ab");
    if (!m_file) return false;
    std::fseek(m_file, 0, SEEK_END);
    if (std::ftell(m_file) == 0) std::fputs("time,tavo_indoor,tavo_outdoor,air_temp,humidity,globe_temp,level\r\n", m_file);
    return true;
  }
  void Append(const std::string& line) {
    if (!m_file) return;
    std::fputs(line.c_str(), m_file);
    std::fflush(m_file);
  }
  ~CsvLog() {
    if (m_file) std::fclose(m_file);
  }

private:
  std::FILE* m_file = nullptr;
};

// A whole number from `low` up, all of `text`.
bool WholeNumber(const std::string& text, int low, int& value) {
  if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos) return false;
  value = std::atoi(text.c_str());
  return value >= low;
}

// Sleeps `seconds`, waking early on Ctrl-C.
void Wait(int seconds) {
  for (long long waited = 0; waited < seconds * 10LL && !g_stop; ++waited) plat::SleepMs(100);
}

}  // namespace

ExitStatus RunMonitor(const Arguments& args) {
  int interval = 0, count = 0;
  if (!WholeNumber(args.Value("--interval", "10"), 1, interval) || !WholeNumber(args.Value("--count", "0"), 0, count)) {
    PrintError("--interval takes whole seconds from 1, --count a number of answers");
    return kExitUsage;
  }
  CsvLog csv;
  if (!csv.Open(args.Value("-o"))) {
    PrintError("cannot open " + plat::FromArgument(args.Value("-o")));
    return kExitUsage;
  }
  Session session(args.Value("--ini"));
  if (ExitStatus status = session.Connect(args.Value("--port")); status != kExitOk) return status;
  std::signal(SIGINT, OnInterrupt);
  std::signal(SIGTERM, OnInterrupt);
  CTAVODlg& dlg = session.Dialog();
  // With --count N, N requests in a row without an answer end it too.
  int answers = 0, failures = 0, failuresInARow = 0;
  while (!g_stop && (count == 0 || (answers < count && failuresInARow < count))) {
    if (answers + failures > 0) Wait(interval);
    if (g_stop) break;
    if (!GetMeasurementData(dlg)) {
      ++failures;
      ++failuresInARow;
      PrintError("測定ﾃﾞｰﾀ取得要求: 測定ﾃﾞｰﾀの取得に失敗しました。");
      continue;
    }
    ++answers;
    failuresInARow = 0;
    const std::string time = Now();
    std::string line = time, csvLine = time;
    std::string indoor;
    for (const char* column : kColumns) {
      const std::string value = ReadKey(dlg, *FindSettingKey(column));
      if (indoor.empty() && std::string(column) == "tavo_indoor") indoor = value;
      line += "  " + (value.empty() ? std::string("-") : value);   // a column for every value
      csvLine += "," + value;
    }
    const std::string level = LevelOf(indoor);
    line += "  " + (level.empty() ? std::string("-") : level) + "\n";
    csvLine += "," + plat::ToUtf8(level) + "\r\n";
    PrintOut(line);
    csv.Append(csvLine);
  }
  if (count > 0 && answers < count && !g_stop) return kExitInstrument;
  return answers > 0 || failures == 0 ? kExitOk : kExitInstrument;
}
