// Closes a top-level window by its title, as its close box does (WM_CLOSE).
//   close_window.exe TITLE      exit code 0 when the window was found
#include <windows.h>

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  HWND window = FindWindowA(nullptr, argv[1]);
  if (!window) return 1;
  PostMessageA(window, WM_CLOSE, 0, 0);
  return 0;
}
