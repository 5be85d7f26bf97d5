// Every query command against a port that answers with arbitrary bytes:
// several frames, cut frames and control bytes in one answer. The reply
// fields are cut, trimmed and shown with no read or write past a buffer,
// whatever the instrument sends; a query counted as answered shows the
// bytes of one frame of its letter only, and never a control byte; and a
// query answered with a well-formed frame of its letter succeeds (one with a
// control byte where a field is read fails).
//   input byte 0: which command; the rest: the bytes answering its first
//   frame. EOT and NAK follow them, and answer every later frame, so that each
//   query ends at once (run it with -max_len above the reply buffer).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/tavo_app.h"
#include "app/tavo_dlg.h"
#include "instrument/memory_format.h"
#include "instrument/setting_values.h"
#include "framework/headless/driver.h"
#include "link/control_bytes.h"
#include "res/resource.h"
#include "support/fake_port.h"
#include "support/message_boxes.h"
#include "support/temp_dir.h"

namespace {

// A read of the instrument, what it takes shown on the dialog's pages.
using Read = int (*)(CTAVODlg&, inst::Reporter&);

template <char letter>
int Settings(CTAVODlg& dlg, inst::Reporter& reporter) {
  return dlg.m_instrument.ReadSettings(reporter, letter);
}
template <int page, char letter>
int Readings(CTAVODlg& dlg, inst::Reporter& reporter) {
  return dlg.m_instrument.ReadReadings(reporter, page, letter);
}
int Identity(CTAVODlg& dlg, inst::Reporter& reporter) { return dlg.m_instrument.Identify(reporter); }
int AutoPowerOffText(CTAVODlg& dlg, inst::Reporter& reporter) {
  return dlg.m_instrument.ReadAutoPowerOffText(reporter);
}
int ClockText(CTAVODlg& dlg, inst::Reporter& reporter) { return dlg.m_instrument.ReadClockText(reporter); }
int AdCounts(CTAVODlg& dlg, inst::Reporter& reporter) { return dlg.m_instrument.ReadAdCounts(reporter, 0); }
int ReadMemory(CTAVODlg& dlg, inst::Reporter&) {
  MemoryRecords records;
  bool whole = false;
  return dlg.m_instrument.Download(records, whole);
}

struct Query {
  Read read;
  char letter;
};

// In a fixed order: the first input byte picks one (the kept regression cases rely on it).
const Query kQueries[] = {
    {&Identity, 'v'},           {&Settings<'Q'>, 'Q'},  {&AutoPowerOffText, 'Q'}, {&Settings<'T'>, 'T'},
    {&ClockText, 'T'},          {&Settings<'I'>, 'I'},  {&Settings<'B'>, 'B'},    {&Settings<'K'>, 'K'},
    {&Settings<'S'>, 'S'},      {&Settings<'s'>, 's'},  {&Settings<'L'>, 'L'},    {&Settings<'M'>, 'M'},
    {&Readings<IDD_USER2, 'D'>, 'D'}, {&Readings<IDD_MAKER1, 'D'>, 'D'}, {&Readings<IDD_MAKER1, 'P'>, 'P'},
    {&Readings<IDD_MAKER1, 'G'>, 'G'}, {&AdCounts, 'V'}, {&ReadMemory, 'O'},
};
constexpr std::size_t kQueryCount = sizeof kQueries / sizeof kQueries[0];
const std::string kEnd = {static_cast<char>(kEot), static_cast<char>(kNak)};

// One start-up for the run; a new dialog, with its instrument and link, for each query.
struct Bench {
  TempCurrentDir dir;
  CTAVOApp app;
  MessageBoxRecorder boxes;
  std::unique_ptr<CTAVODlg> dlg;
  FakePort* port = nullptr;
  std::string first;   // the answer to the first frame of a query
  bool answered = false;
};

Bench* g_bench = nullptr;

std::string Answer(const std::string&) {
  if (g_bench->answered) return kEnd;
  g_bench->answered = true;
  return g_bench->first;
}

// The pages as they start and a new link, so that what a query shows depends on its answer only.
void FreshDialog() {
  g_bench->dlg.reset();
  g_bench->dlg = std::make_unique<CTAVODlg>();
  CTAVODlg& dlg = *g_bench->dlg;
  if (!dlg.Create(IDD_TAVO_DIALOG)) __builtin_trap();
  dlg.m_dlgMaker2.m_comboChannel.SetCurSel(0);
  const fw::DateTime start = {2024, 1, 1, 1, 0, 0, 0, 0};   // the pickers start at the time of day
  dlg.m_dlgUser1.m_dateClock.SetTime(start);
  dlg.m_dlgUser1.m_timeClock.SetTime(start);
  auto port = std::make_unique<FakePort>(&Answer);
  g_bench->port = port.get();
  if (dlg.m_instrument.UsePort(std::move(port), "COM1") != 1) __builtin_trap();
}

// Runs the query; afterwards every byte of the answers has been dispatched,
// so that nothing of this run is left for the next one.
int Run(const Query& query, const std::string& answer) {
  FreshDialog();
  g_bench->first = answer;
  g_bench->answered = false;
  PageView view(g_bench->dlg->Pages());
  const int result = query.read(*g_bench->dlg, view);
  if (!g_bench->port->WaitUntilRead(60000)) __builtin_trap();
  g_bench->dlg->m_instrument.Disconnect();
  return result;
}

// Everything the pages and the instrument's texts show, each text ended by DEL.
std::string Shown() {
  const inst::Instrument& instrument = g_bench->dlg->m_instrument;
  std::string shown = instrument.AutoPowerOffText() + '\x7f' + instrument.ClockText() + '\x7f';
  for (const inst::Reading& reading : inst::Readings()) shown += instrument.ReadingText(reading) + '\x7f';
  CDialog* pages[] = {&g_bench->dlg->m_dlgUser1, &g_bench->dlg->m_dlgUser2, &g_bench->dlg->m_dlgMaker1,
                      &g_bench->dlg->m_dlgMaker2};
  for (CDialog* page : pages) {
    for (int id = 1000; id <= 1200; ++id) {
      CWnd control;
      control.Attach(fw::headless::Control(*page, id));
      shown += control.GetWindowText().str();
      shown += '\x7f';
    }
  }
  return shown;
}

// Every frame of `letter` the receiver could cut from `bytes`: from an STX up
// to the next EOT (a new request may have dropped what came before that STX).
std::vector<std::string> FramesOf(const std::string& bytes, char letter) {
  std::vector<std::string> frames;
  for (std::size_t at = bytes.find(static_cast<char>(kStx)); at != std::string::npos;
       at = bytes.find(static_cast<char>(kStx), at + 1)) {
    std::size_t end = bytes.find(static_cast<char>(kEot), at);
    if (end == std::string::npos) break;
    std::string frame = bytes.substr(at, end - at);
    if (frame.size() > 1 && frame[1] == letter && frame.size() <= static_cast<std::size_t>(kReplyBufferSize))
      frames.push_back(frame);
  }
  return frames;
}

// Whether `text` holds a control byte from `from` on.
bool HasControlByte(const std::string& text, std::size_t from = 0) {
  for (std::size_t i = from; i < text.size(); ++i)
    if (static_cast<unsigned char>(text[i]) < 0x20) return true;
  return false;
}

// Whether the payload of a well-formed frame is one the command may refuse to
// show: a clock that is no date and time, a memory with bytes but not one
// whole record, an identity without its model name and version whole in
// printable ASCII, or a control byte that may stand where a field is read.
bool MayRefuse(const Query& query, const std::string& frame) {
  if (query.read == &Identity) {
    const size_t end = 17;   // the model name at 2-10, the version at 11-16
    if (frame.size() < end) return true;
    for (size_t i = 2; i < end; ++i)
      if (static_cast<unsigned char>(frame[i]) > 0x7E) return true;
  }
  if (query.read == &ReadMemory) {
    MemoryRecords records;
    const bool whole = SplitMemoryRecords(reinterpret_cast<const std::uint8_t*>(frame.data()),
                                          static_cast<int>(frame.size()), records);
    return !whole && records.empty();
  }
  fw::DateTime clock;
  if (HasControlByte(frame, 2)) return true;
  return query.read == &Settings<'T'> && !ParseClockDigits(frame.substr(2, 12), clock);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  g_bench = new Bench;
  g_bench->dir.Write("TAVO.ini", "[COMM]\r\nTimeOut=1000\r\nSleepTime=0\r\nSendDelay=0\r\n");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const Query& query = kQueries[data[0] % kQueryCount];
  const std::string answer = std::string(reinterpret_cast<const char*>(data + 1), size - 1) + kEnd;
  const bool answered = Run(query, answer) == 1;
  const std::string shown = Shown();
  if (answered && HasControlByte(shown)) __builtin_trap();
  // Each frame of its letter alone is answered; an answered query shows what one of them shows.
  bool oneFrame = false;
  for (const std::string& frame : FramesOf(answer, query.letter)) {
    const int alone = Run(query, frame + static_cast<char>(kEot));
    if (alone != 1 && !MayRefuse(query, frame)) __builtin_trap();   // a well-formed frame succeeds
    if (alone == 1 && Shown() == shown) oneFrame = true;
  }
  if (!answered) return 0;
  if (!oneFrame) __builtin_trap();
  return 0;
}
