// Message boxes, the save-as dialog and the wait cursor, with the seams tests use.
#include "framework/backend.h"
#include "framework/ui.h"
#include "framework/wnd.h"

namespace fw {
namespace {
std::function<int(const MessageBoxRecord&)> g_messageBoxHandler;
std::function<bool(const SaveAsRequest&, std::string&)> g_saveAsHandler;
int g_waitDepth = 0;

int Show(const char* text, const char* caption, unsigned type, WindowHandle owner) {
  MessageBoxRecord box{text ? text : "", caption ? caption : "", type,
                       owner ? backend::OwnerTemplateOf(owner) : 0};
  if (g_messageBoxHandler) return g_messageBoxHandler(box);
  return backend::ShowMessageBox(box, owner);
}
}  // namespace

int MessageBoxNoOwner(const char* text, const char* caption, unsigned type) {
  return Show(text, caption, type, nullptr);
}

void SetMessageBoxHandler(std::function<int(const MessageBoxRecord&)> handler) {
  g_messageBoxHandler = std::move(handler);
}

bool AskSaveAs(const SaveAsRequest& request, std::string& path, WindowHandle owner) {
  if (g_saveAsHandler) return g_saveAsHandler(request, path);
  return backend::ShowSaveAs(request, path, owner);
}

void SetSaveAsHandler(std::function<bool(const SaveAsRequest&, std::string&)> handler) {
  g_saveAsHandler = std::move(handler);
}

CWaitCursor::CWaitCursor() {
  if (g_waitDepth++ == 0) backend::SetWaitCursor(true);
}

CWaitCursor::~CWaitCursor() { Restore(); }

void CWaitCursor::Restore() {
  // Each object ends its own wait once; the cursor returns when the last ends.
  if (m_active && --g_waitDepth == 0) backend::SetWaitCursor(false);
  m_active = false;
}

int WaitCursorDepth() { return g_waitDepth; }

}  // namespace fw

int CWnd::MessageBox(const char* text, const char* caption, unsigned type) {
  return fw::Show(text, caption, type, m_hWnd);
}
