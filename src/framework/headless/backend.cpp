// Headless answers to message boxes, the save-as dialog and the cursor:
// boxes are recorded and answered OK, the save-as dialog is cancelled.
#include "framework/backend.h"
#include "framework/headless/driver.h"
#include "framework/headless/window.h"

namespace fw::backend {

namespace {
std::vector<MessageBoxRecord> g_boxes;
}

int ShowMessageBox(const MessageBoxRecord& box, WindowHandle) {
  g_boxes.push_back(box);
  return kIdOk;
}

bool ShowSaveAs(const SaveAsRequest&, std::string&, WindowHandle) { return false; }

void SetWaitCursor(bool) {}

int OwnerTemplateOf(WindowHandle window) {
  for (headless::Window* w = headless::FromHandle(window); w; w = w->parent) {
    if (w->dialog) return w->dialog->GetTemplateId();
  }
  return 0;
}

}  // namespace fw::backend

namespace fw::headless {
const std::vector<MessageBoxRecord>& MessageBoxes() { return backend::g_boxes; }
void ClearMessageBoxes() { backend::g_boxes.clear(); }
}  // namespace fw::headless
