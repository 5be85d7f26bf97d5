#include "tool_windows.h"

namespace {

const int kPageNameId = 1000;

struct Search {
  HWND main;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectOwned(HWND window, LPARAM param) {
  Search* search = reinterpret_cast<Search*>(param);
  if (GetWindow(window, GW_OWNER) == search->main && IsWindowVisible(window) && ClassOf(window) == L"#32770")
    search->found.push_back(window);
  return TRUE;
}

BOOL CALLBACK FindEdit(HWND window, LPARAM param) {
  if (ClassOf(window) == L"Edit" && IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(param) = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

bool PollUntil(const std::function<bool()>& ready, int limitMs) {
  DWORD start = GetTickCount();
  for (;;) {
    if (ready()) return true;
    if (static_cast<int>(GetTickCount() - start) >= limitMs) return false;
    Sleep(100);
  }
}

bool ReadText(HWND window, std::wstring& text) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 1000, &length)) return false;
  std::vector<wchar_t> buffer(length + 2, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                           SMTO_NORMAL, 1000, &copied))
    return false;
  text.assign(buffer.data(), copied);
  return true;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = L"";
  GetClassNameW(window, name, 64);
  return name;
}

bool IsShown(HWND window) { return window && (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0; }

HWND FindPage(HWND main, const std::wstring& label) {
  HWND tab = FindWindowExW(main, nullptr, L"SysTabControl32", nullptr);
  for (HWND page = FindWindowExW(tab, nullptr, L"#32770", nullptr); page;
       page = FindWindowExW(tab, page, L"#32770", nullptr)) {
    std::wstring name;
    if (ReadText(GetDlgItem(page, kPageNameId), name) && name == label) return page;
  }
  return nullptr;
}

std::vector<HWND> OwnedDialogs(HWND main) {
  Search search{main, {}};
  EnumWindows(CollectOwned, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring MessageBoxText(HWND box) {
  std::wstring text;
  for (HWND c = FindWindowExW(box, nullptr, L"Static", nullptr); c; c = FindWindowExW(box, c, L"Static", nullptr)) {
    if (!IsShown(c) || (GetWindowLongW(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) continue;
    std::wstring part;
    if (ReadText(c, part)) text += part;
  }
  return text;
}

HWND FirstEdit(HWND dialog) {
  HWND edit = nullptr;
  EnumChildWindows(dialog, FindEdit, reinterpret_cast<LPARAM>(&edit));
  return edit;
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

bool Answers(HWND window, int limitMs) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, limitMs, &result) != 0;
}
