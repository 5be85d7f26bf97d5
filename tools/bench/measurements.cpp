#include "measurements.h"

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/clock.h"
#include "protocol_time.h"
#include "res/resource.h"
#include "sim/instrument.h"
#include "sim_session.h"

namespace {

// The tool's defaults (no TAVO.ini), and an instrument that takes 10 ms to answer.
const LineTimings kDefaults = {50, 500, 9600, 10};
const char kAnswerMs[] = "10";
const int kMemoryRecords = 511;
const double kIdleSeconds = 10;
const int kDisconnects = 20;

std::string Format(const char* format, double a, double b = 0, double c = 0, double d = 0, double e = 0,
                   double f = 0, double g = 0) {
  char text[400];
  std::snprintf(text, sizeof text, format, a, b, c, d, e, f, g);
  return text;
}

bool Begin(SimSession& session, const std::vector<std::string>& simArgs, std::string& error) {
  if (!session.Start(simArgs, "", error)) return false;
  session.PressConnect();
  if (!session.Connected()) error = "the tool did not connect to the simulator";
  return session.Connected();
}

bool NoBoxes(const SimSession& session, std::string& error) {
  if (session.boxes.boxes.empty()) return true;
  error = "the tool reported a failure: " + session.boxes.boxes.front().caption;
  return false;
}

// The instrument's answers to every frame of the session, replayed on the simulator's own model.
std::vector<std::string> AnswersTo(const std::vector<std::string>& frames) {
  InstrumentState state = MakeInstrument("TAVO-420B", "2.00", 24);
  std::vector<std::string> answers;
  for (const std::string& frame : frames) answers.push_back(AnswerFrame(state, frame));
  return answers;
}

// Wall time over protocol time of the frames from `first` on, with `pauses` SendDelay pauses.
void Overhead(const SimSession& session, size_t first, int pauses, double wall, Measurement& result) {
  std::vector<std::string> all = session.FrameBytes();
  std::vector<std::string> answers = AnswersTo(all);
  std::vector<std::string> frames(all.begin() + static_cast<long>(first), all.end());
  answers.erase(answers.begin(), answers.begin() + static_cast<long>(first));
  const ProtocolTime protocol = ProtocolTimeOf(frames, answers, pauses, kDefaults);
  result.value = wall / protocol.Total();
  result.target = 1.02;
  result.detail = Format("%.0f frames; wall %.3f s / protocol %.3f s (byte pauses %.3f, SendDelay %.3f, "
                         "answers beyond the last byte pause %.3f)",
                         static_cast<double>(frames.size()), wall, protocol.Total(), protocol.bytePauses,
                         protocol.sendDelays, protocol.answers);
}

// Every setting of user page 1 made different from what the instrument holds.
void ChangeEverySetting(CDlg3& page) {
  page.m_comboAutoPowerOff.SetCurSel(1 - page.m_comboAutoPowerOff.GetCurSel());
  fw::DateTime time{};
  page.m_timeClock.GetTime(time);
  time.minute = (time.minute + 30) % 60;
  page.m_timeClock.SetTime(time);
  page.m_editMemInterval.SetWindowText("15");
  page.m_editBuzzer.SetWindowText("33.0");
  page.m_comboAlarmMode.SetCurSel(1 - page.m_comboAlarmMode.GetCurSel());
  page.m_editLevel3.SetWindowText("31.0");
  page.m_comboIoTInterval.SetCurSel((page.m_comboIoTInterval.GetCurSel() + 1) % 9);
  page.m_editIoTStop.SetWindowText("22");
}

long CpuMs() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000L +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000L;
}

}  // namespace

bool MeasureTab0Read(Measurement& result, std::string& error) {
  SimSession session;
  if (!Begin(session, {"--baud", "9600", "--late", kAnswerMs}, error)) return false;
  const size_t first = session.Frames().size();
  const double wall = session.Press(0, IDC_BUTTON_READ);
  if (!NoBoxes(session, error)) return false;
  const int queries = static_cast<int>(session.Frames().size() - first);
  result.name = "(a) tab-0 read: wall time / protocol time";
  Overhead(session, first, queries - 1, wall, result);   // a pause between two queries
  return true;
}

bool MeasureTab0Write(Measurement& result, std::string& error) {
  SimSession session;
  if (!Begin(session, {"--baud", "9600", "--late", kAnswerMs}, error)) return false;
  session.Press(0, IDC_BUTTON_READ);
  ChangeEverySetting(session.dlg->m_dlgUser1);
  const size_t first = session.Frames().size();
  const double wall = session.Press(0, IDC_BUTTON_SET);
  if (!NoBoxes(session, error)) return false;
  const int groups = static_cast<int>(session.Frames().size() - first);
  if (groups != 8) {
    error = "the write sent " + std::to_string(groups) + " groups, not all 8";
    return false;
  }
  result.name = "(a) full tab-0 write: wall time / protocol time";
  Overhead(session, first, groups - 1, wall, result);   // a pause between two groups
  return true;
}

bool MeasureIdleCpu(Measurement& result, std::string& error) {
  SimSession session;
  if (!Begin(session, {}, error)) return false;
  const long before = CpuMs();
  plat::SleepMs(static_cast<unsigned>(kIdleSeconds * 1000));
  const long cpuMs = CpuMs() - before;
  result.name = "(b) CPU time while connected and idle";
  result.unit = "% of one core";
  result.value = cpuMs / (kIdleSeconds * 10.0);
  result.target = 0.5;
  result.detail = Format("%.0f ms of CPU time in %.0f s", static_cast<double>(cpuMs), kIdleSeconds);
  return true;
}

bool MeasureDisconnectLatency(Measurement& result, std::string& error) {
  SimSession session;
  if (!session.Start({}, "", error)) return false;
  std::vector<double> latencies;
  for (int i = 0; i < kDisconnects; ++i) {
    session.PressConnect();
    if (!session.Connected()) {
      error = "the tool did not connect to the simulator";
      return false;
    }
    plat::SleepMs(static_cast<unsigned>(i * 211 % 200));   // every phase of the receiver's 200 ms read
    latencies.push_back(session.PressConnect() * 1000);
  }
  std::sort(latencies.begin(), latencies.end());
  result.name = "(c) disconnect latency, worst";
  result.unit = "ms";
  result.value = latencies.back();
  result.target = 250;
  result.detail = Format("%.0f disconnects: median %.1f ms, best %.1f ms", latencies.size(),
                         latencies[latencies.size() / 2], latencies.front());
  return true;
}

bool MeasureDownload(Measurement& result, std::string& error) {
  SimSession session;
  if (!Begin(session, {"--baud", "9600", "--records", std::to_string(kMemoryRecords)}, error)) return false;
  const std::string path = session.PathOf("memory.csv");
  fw::SetSaveAsHandler([path](const fw::SaveAsRequest&, std::string& chosen) {
    chosen = path;
    return true;
  });
  const double wall = session.Press(1, IDC_BUTTON_SET);
  fw::SetSaveAsHandler(nullptr);
  if (!NoBoxes(session, error)) return false;
  if (static_cast<int>(session.app.m_memoryRecords.size()) != kMemoryRecords) {
    error = "the download did not keep 511 records";
    return false;
  }
  const long bytes = 40L * kMemoryRecords;
  const double wire = WireSeconds(bytes, kDefaults.baud);
  result.name = "(d) 511-record download at 9600 bit/s: wall time / wire time";
  result.value = wall / wire;
  result.target = 1.02;
  result.detail = Format("wall %.3f s / wire time of %.0f bytes %.3f s", wall, static_cast<double>(bytes), wire);
  return true;
}
