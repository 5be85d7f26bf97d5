// A modal dialog ends when EndDialog runs inside a message that another thread
// or program sends (a click sent by an automation tool, a close sent by a task
// list), even when nothing is posted to its queue afterwards.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "framework/dialog.h"
#include "framework/win32/win.h"
#include "support/test_resource.h"
#include "support/ui_driver.h"

namespace {

// Ends at the second click of its button; the first only moves the focus to
// the button, so that no caret blinks and nothing else comes into the queue.
class SecondClickEnds : public CDialog {
public:
  SecondClickEnds() : CDialog(IDD_TEST_CONTROLS) {}
  const MessageMap& GetMessageMap() const override {
    static const MessageMap map = {On(Notify::Clicked, IDC_TEST_BUTTON, &SecondClickEnds::OnButton)};
    return map;
  }
  void OnButton() {
    if (++clicks == 2) EndDialog(fw::kIdOk);
  }
  int clicks = 0;
};

BOOL CALLBACK FirstVisible(HWND window, LPARAM found) {
  if (!IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

void SendClick(HWND button) {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_NORMAL, 10000, &ignored);
}

TEST(ModalLoop, EndsOnAClickSentFromAnotherThread) {
  ui::UseTestDialogs();
  SecondClickEnds dialog;
  const DWORD loopThread = GetCurrentThreadId();
  std::atomic<bool> returned{false};
  bool stuck = false;
  std::thread other([&] {
    HWND window = nullptr;
    for (int i = 0; i < 1000 && !window; ++i) {
      EnumThreadWindows(loopThread, FirstVisible, reinterpret_cast<LPARAM>(&window));
      if (!window) Sleep(10);
    }
    HWND button = GetDlgItem(window, IDC_TEST_BUTTON);
    SendClick(button);
    Sleep(500);   // the dialog has painted: its queue is empty, the loop waits in GetMessage
    SendClick(button);
    for (int i = 0; i < 300 && !returned; ++i) Sleep(10);
    if (!returned) {
      stuck = true;
      PostMessageA(window, WM_NULL, 0, 0);   // lets the loop see the end after all
    }
  });
  int result = dialog.DoModal();
  returned = true;
  other.join();
  EXPECT_FALSE(stuck) << "the modal loop waited for another message after EndDialog";
  EXPECT_EQ(result, fw::kIdOk);
  EXPECT_EQ(dialog.clicks, 2);
}

}  // namespace
