// Message boxes, the save-as dialog and the cursor on Win32.
#include <vector>

#include "framework/backend.h"
#include "framework/win32/win.h"

namespace fw::backend {

int ShowMessageBox(const MessageBoxRecord& box, WindowHandle owner) {
  return MessageBoxA(static_cast<HWND>(owner), box.text.c_str(), box.caption.c_str(), box.type);
}

bool ShowSaveAs(const SaveAsRequest& request, std::string& path, WindowHandle owner) {
  // "Name|pattern||" becomes "Name\0pattern\0\0".
  std::string filter = request.filter;
  for (char& c : filter) {
    if (c == '|') c = '\0';
  }
  filter.push_back('\0');
  std::vector<char> file(MAX_PATH, '\0');
  request.initialName.copy(file.data(), file.size() - 1);
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = static_cast<HWND>(owner);
  ofn.lpstrFilter = filter.c_str();
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrInitialDir = request.initialDirectory.empty() ? nullptr : request.initialDirectory.c_str();
  ofn.lpstrDefExt = request.defaultExtension.c_str();
  ofn.Flags = OFN_EXPLORER | (request.hideReadOnly ? OFN_HIDEREADONLY : 0) |
              (request.overwritePrompt ? OFN_OVERWRITEPROMPT : 0);
  if (!GetSaveFileNameA(&ofn)) return false;
  path = file.data();
  return true;
}

void SetWaitCursor(bool shown) { SetCursor(LoadCursorA(nullptr, shown ? IDC_WAIT : IDC_ARROW)); }

int OwnerTemplateOf(WindowHandle window) {
  for (HWND w = static_cast<HWND>(window); w; w = GetParent(w)) {
    if (CDialog* dialog = win32::DialogOf(w)) return dialog->GetTemplateId();
  }
  return 0;
}

}  // namespace fw::backend
