// The items that the dialog templates preload into their combo boxes.
#include "framework/templates.h"
#include "res/resource.h"

namespace {

const char* const kComPorts[] = {
    "COM1",  "COM2",  "COM3",  "COM4",  "COM5",  "COM6",  "COM7",  "COM8",
    "COM9",  "COM10", "COM11", "COM12", "COM13", "COM14", "COM15", "COM16",
    "COM17", "COM18", "COM19", "COM20", "COM21", "COM22", "COM23", "COM24",
    "COM25", "COM26", "COM27", "COM28", "COM29", "COM30", "COM31", "COM32", nullptr};

struct InitialList {
  int templateId;
  int controlId;
  const char* const* items;
};

const InitialList kLists[] = {
    {IDD_TAVO_DIALOG, IDC_COMBO_PORT, kComPorts},
};

}  // namespace

const char* const* fw::FindInitialList(int templateId, int controlId) {
  for (const InitialList& list : kLists) {
    if (list.templateId == templateId && list.controlId == controlId) return list.items;
  }
  return nullptr;
}
