// Acts on another program's top-level window, as a user's keyboard or mouse would.
//   window_tool.exe close TITLE     the close box (WM_CLOSE)
//   window_tool.exe nexttab TITLE   the right-arrow key on the window's tab control
//   window_tool.exe tabs TITLE      prints the tab control's tab count and selected tab
// Exit code 0 when the window (and its tab control) was found.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  HWND window = FindWindowA(nullptr, argv[2]);
  if (!window) return 1;
  if (std::strcmp(argv[1], "close") == 0) {
    PostMessageA(window, WM_CLOSE, 0, 0);
    return 0;
  }
  HWND tab = FindWindowExA(window, nullptr, "SysTabControl32", nullptr);
  if (std::strcmp(argv[1], "tabs") == 0) {
    if (!tab) return 1;
    std::printf("%d %d\n", static_cast<int>(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0)),
                static_cast<int>(SendMessageA(tab, TCM_GETCURSEL, 0, 0)));
    return 0;
  }
  if (std::strcmp(argv[1], "nexttab") == 0) {
    if (!tab) return 1;
    PostMessageA(tab, WM_KEYDOWN, VK_RIGHT, 1);
    PostMessageA(tab, WM_KEYUP, VK_RIGHT, 0xC0000001);
    return 0;
  }
  return 2;
}
