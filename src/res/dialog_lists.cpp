// The items that the dialog templates preload into their combo boxes.
#include "res/templates.h"
#include "res/resource.h"

namespace {

const char* const kComPorts[] = {
    "COM1",  "COM2",  "COM3",  "COM4",  "COM5",  "COM6",  "COM7",  "COM8",
    "COM9",  "COM10", "COM11", "COM12", "COM13", "COM14", "COM15", "COM16",
    "COM17", "COM18", "COM19", "COM20", "COM21", "COM22", "COM23", "COM24",
    "COM25", "COM26", "COM27", "COM28", "COM29", "COM30", "COM31", "COM32", nullptr};

// In these four lists the order is part of the protocol: an item's index is
// the digit the instrument sends and receives for it (許可 0, 禁止 1; OFF 0,
// ON 1; 410A 0 … 420BN 5; channel A0 0 … A2 2). Their combo boxes must not sort.
const char* const kAutoPowerOff[] = {"許可", "禁止", nullptr};
const char* const kAlarmMode[] = {"OFF", "ON", nullptr};
const char* const kModelCode[] = {"410A", "410B", "420A", "420B", "420AN", "420BN", nullptr};
const char* const kAdChannel[] = {"A0　気温", "A1 黒球（温度）", "A2 湿度", nullptr};
// The IoT start intervals travel as minutes, taken from the item's text.
const char* const kIoTInterval[] = {"1分", "2分", "3分", "4分", "5分", "10分", "15分", "30分", "60分", nullptr};

struct InitialList {
  int templateId;
  int controlId;
  const char* const* items;
};

const InitialList kLists[] = {
    {IDD_TAVO_DIALOG, IDC_COMBO_PORT, kComPorts},
    {IDD_USER1, IDC_COMBO_AUTO_POWER_OFF, kAutoPowerOff},
    {IDD_USER1, IDC_COMBO_ALARM_MODE, kAlarmMode},
    {IDD_USER1, IDC_COMBO_IOT_INTERVAL, kIoTInterval},
    {IDD_MAKER1, IDC_COMBO_MODEL, kModelCode},
    {IDD_MAKER2, IDC_COMBO_AD_CHANNEL, kAdChannel},
};

}  // namespace

const char* const* fw::FindInitialList(int templateId, int controlId) {
  for (const InitialList& list : kLists) {
    if (list.templateId == templateId && list.controlId == controlId) return list.items;
  }
  return nullptr;
}
