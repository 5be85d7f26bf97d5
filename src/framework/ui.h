// User-facing helpers of the framework: message boxes without an owner, the wait
// cursor, the save-as dialog, and the seams through which tests answer them.
#pragma once
#include <functional>
#include <string>
#include "framework/cstring.h"
#include "framework/types.h"

namespace fw {

// A message box as the user would see it.
struct MessageBoxRecord {
  std::string text;
  std::string caption;
  unsigned type;       // kMb* flags
  int ownerTemplate;   // template id of the owning dialog, 0 when ownerless
};

// A message box owned by no window.
int MessageBoxNoOwner(const char* text, const char* caption, unsigned type);

// Replaces the showing of message boxes (tests): the handler gets each box and
// returns the button pressed. An empty handler restores the default: the real
// box on Win32; headless, the box is recorded and answered kIdOk.
void SetMessageBoxHandler(std::function<int(const MessageBoxRecord&)> handler);

// The save-as dialog's settings and answer.
struct SaveAsRequest {
  std::string defaultExtension;   // without the dot
  std::string initialName;
  std::string filter;             // "Name (*.x)|*.x||" form
  std::string initialDirectory;
  bool hideReadOnly;
  bool overwritePrompt;
};
// True and the chosen full path when the user chose a file; false when cancelled.
bool AskSaveAs(const SaveAsRequest& request, std::string& path, WindowHandle owner);
// Replaces the save-as dialog (tests).
void SetSaveAsHandler(std::function<bool(const SaveAsRequest&, std::string&)> handler);

// Shows the hourglass cursor for the life of the object.
class CWaitCursor {
public:
  CWaitCursor();
  ~CWaitCursor();
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;
  void Restore();

private:
  bool m_active = true;
};
// How many wait cursors are shown now (tests).
int WaitCursorDepth();

// Handles the window messages waiting now (with PreTranslateMessage), then returns.
void PumpWaitingMessages();

}  // namespace fw

using fw::CWaitCursor;
