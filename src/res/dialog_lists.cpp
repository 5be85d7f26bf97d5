// The items that the dialog templates preload into their combo boxes; the
// pages fill the lists of the instrument's settings from the catalogue.
#include "res/templates.h"
#include "res/resource.h"

namespace {

const char* const kComPorts[] = {
    "COM1",  "COM2",  "COM3",  "COM4",  "COM5",  "COM6",  "COM7",  "COM8",
    "COM9",  "COM10", "COM11", "COM12", "COM13", "COM14", "COM15", "COM16",
    "COM17", "COM18", "COM19", "COM20", "COM21", "COM22", "COM23", "COM24",
    "COM25", "COM26", "COM27", "COM28", "COM29", "COM30", "COM31", "COM32", nullptr};

// The order is part of the protocol: an item's index is the digit the
// instrument sends and receives for it (channel A0 0 … A2 2). The combo box
// must not sort.
const char* const kAdChannel[] = {"A0　気温", "A1 黒球（温度）", "A2 湿度", nullptr};

struct InitialList {
  int templateId;
  int controlId;
  const char* const* items;
};

const InitialList kLists[] = {
    {IDD_TAVO_DIALOG, IDC_COMBO_PORT, kComPorts},
    {IDD_MAKER2, IDC_COMBO_AD_CHANNEL, kAdChannel},
};

}  // namespace

const char* const* fw::FindInitialList(int templateId, int controlId) {
  for (const InitialList& list : kLists) {
    if (list.templateId == templateId && list.controlId == controlId) return list.items;
  }
  return nullptr;
}
