// What each back end provides to the framework's shared code. Not for application code.
#pragma once
#include <string>
#include "framework/ui.h"

namespace fw::backend {

int ShowMessageBox(const MessageBoxRecord& box, WindowHandle owner);
bool ShowSaveAs(const SaveAsRequest& request, std::string& path, WindowHandle owner);
void SetWaitCursor(bool shown);
// The template id of the dialog that `window` is or belongs to; 0 when none.
int OwnerTemplateOf(WindowHandle window);

}  // namespace fw::backend
