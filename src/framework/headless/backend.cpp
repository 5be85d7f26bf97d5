// Headless answers to message boxes, the save-as dialog and the cursor:
// boxes are recorded and answered OK, the save-as dialog is cancelled.
#include "framework/backend.h"
#include "framework/headless/driver.h"
#include "framework/headless/window.h"

namespace fw::backend {

namespace {
// Those of this thread's dialogs; made with the first, deleted when cleared
// (a thread_local object's destructor does not run safely at a thread's end on MinGW).
thread_local std::vector<MessageBoxRecord>* g_boxes = nullptr;
}

int ShowMessageBox(const MessageBoxRecord& box, WindowHandle) {
  if (!backend::g_boxes) backend::g_boxes = new std::vector<MessageBoxRecord>;
  g_boxes->push_back(box);
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
const std::vector<MessageBoxRecord>& MessageBoxes() {
  static const std::vector<MessageBoxRecord> kNone;
  return backend::g_boxes ? *backend::g_boxes : kNone;
}

void ClearMessageBoxes() {
  delete backend::g_boxes;
  backend::g_boxes = nullptr;
}
}  // namespace fw::headless
