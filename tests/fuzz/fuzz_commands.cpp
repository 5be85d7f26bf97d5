// Every query command against a port that answers with arbitrary payloads:
// the reply fields are cut, trimmed and shown in the page controls with no
// read or write past a buffer, whatever the instrument sends.
//   input byte 0: which command; the rest: the reply's payload (EOT removed,
//   so that each answer is exactly one frame)
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "app/tavo_app.h"
#include "app/tavo_dlg.h"
#include "commands/identification.h"
#include "commands/iot_schedule.h"
#include "commands/maker_settings.h"
#include "commands/measurement.h"
#include "commands/memory_buzzer.h"
#include "commands/memory_data.h"
#include "commands/patrol_light.h"
#include "commands/power_clock.h"
#include "link/control_bytes.h"
#include "res/resource.h"
#include "support/fake_port.h"
#include "support/message_boxes.h"
#include "support/temp_dir.h"

namespace {

struct Query {
  int (*run)(CCommandContext&);
  char letter;
};

const Query kQueries[] = {
    {&IdentifyInstrument, 'v'}, {&GetAutoPowerOff, 'Q'},   {&ShowAutoPowerOff, 'Q'},
    {&GetClock, 'T'},           {&ShowClock, 'T'},         {&GetMemoryInterval, 'I'},
    {&GetBuzzerAlarm, 'B'},     {&GetPatrolLightMode, 'K'}, {&GetPatrolLightThresholds, 'S'},
    {&GetIoTSchedule, 's'},     {&GetHumidityLimit, 'L'},  {&GetModelCode, 'M'},
    {&GetMeasurementData, 'D'}, {&GetRealtimeData, 'D'},   {&GetPreampData, 'P'},
    {&GetHumidityCalibration, 'G'}, {&GetAdCounts, 'V'},   {&ReadMemoryData, 'O'},
};
constexpr std::size_t kQueryCount = sizeof kQueries / sizeof kQueries[0];

// The dialog and its link live for the whole run: one start-up, many replies.
struct Bench {
  TempCurrentDir dir;
  CTAVOApp app;
  MessageBoxRecorder boxes;
  CTAVODlg dlg;
  std::string payload;
  char letter = 'v';
};

Bench* g_bench = nullptr;

std::string Answer(const std::string&) {
  std::string reply(1, static_cast<char>(kStx));
  reply += g_bench->letter;
  reply += g_bench->payload;
  reply += static_cast<char>(kEot);
  return reply;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  g_bench = new Bench;
  g_bench->dir.Write("TAVO.ini", "[COMM]\r\nTimeOut=200\r\nSleepTime=0\r\nSendDelay=0\r\n");
  if (!g_bench->dlg.Create(IDD_TAVO_DIALOG)) __builtin_trap();
  g_bench->dlg.m_dlgMaker2.m_comboChannel.SetCurSel(0);
  g_bench->dlg.m_pSerial = new CSerial(std::make_unique<FakePort>(&Answer));
  if (g_bench->dlg.m_pSerial->Open("COM1") != 1) __builtin_trap();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const Query& query = kQueries[data[0] % kQueryCount];
  std::string payload(reinterpret_cast<const char*>(data + 1), size - 1);
  payload.erase(std::remove(payload.begin(), payload.end(), static_cast<char>(kEot)), payload.end());
  g_bench->letter = query.letter;
  g_bench->payload = payload;
  query.run(g_bench->dlg);
  return 0;
}
