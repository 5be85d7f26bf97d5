// Steps on the main window and its pages.
#include <windows.h>
#include <commctrl.h>

#include <regex>

#include "context.h"
#include "script.h"
#include "tool_windows.h"
#include "user_input.h"

namespace {

const int kTabId = 1128;

struct PageName {
  const wchar_t* word;
  const wchar_t* label;   // the page's hidden name static
};
const PageName kPages[] = {
    {L"user1", L"ユーザ１"}, {L"user2", L"ユーザ２"}, {L"maker1", L"メーカ１"}, {L"maker2", L"メーカ２"}};

bool YesNo(const std::wstring& word, bool& value, std::string& problem) {
  if (word != L"yes" && word != L"no") {
    problem = "expected yes or no, not " + Narrow(word);
    return false;
  }
  value = word == L"yes";
  return true;
}

bool SelectedTab(HWND tab, int& index) {
  DWORD_PTR selected = 0;
  if (!SendMessageTimeoutW(tab, TCM_GETCURSEL, 0, 0, SMTO_NORMAL, 1000, &selected)) return false;
  index = static_cast<int>(static_cast<LRESULT>(selected));
  return true;
}

}  // namespace

HWND FindControl(Context& context, const std::wstring& pageWord, const std::wstring& idWord, std::string& problem) {
  if (!context.main) {
    problem = "no main window yet (a 'window' step comes first)";
    return nullptr;
  }
  HWND parent = pageWord == L"main" ? context.main : nullptr;
  for (const PageName& page : kPages)
    if (pageWord == page.word) parent = FindPage(context.main, page.label);
  if (!parent) {
    problem = "no page " + Narrow(pageWord);
    return nullptr;
  }
  auto named = context.ids.find(idWord);
  int id = named != context.ids.end() ? named->second : _wtoi(idWord.c_str());
  HWND control = id ? GetDlgItem(parent, id) : nullptr;
  if (!control) problem = "no control " + Narrow(idWord) + " on " + Narrow(pageWord);
  return control;
}

bool StepWindow(Context& context, const Words& args, std::string& problem) {
  bool found = PollUntil([&] { return (context.main = FindWindowW(nullptr, args[0].c_str())) != nullptr; },
                         context.limitMs);
  if (!found) problem = "no window titled " + Narrow(args[0]);
  return found && Answers(context.main, context.limitMs);
}

bool StepTab(Context& context, const Words& args, std::string& problem) {
  HWND tab = GetDlgItem(context.main, kTabId);
  int wanted = _wtoi(args[0].c_str()), current = -1;
  if (!tab || !PollUntil([&] { return SelectedTab(tab, current); }, context.limitMs)) {
    problem = "the tab control does not answer";
    return false;
  }
  while (current != wanted) {   // one arrow key at a time, as on the keyboard
    int before = current;
    PostKey(tab, wanted > current ? VK_RIGHT : VK_LEFT);
    if (!PollUntil([&] { return SelectedTab(tab, current) && current != before; }, context.limitMs)) {
      problem = "tab " + std::to_string(before) + " stays selected (is there a tab " + std::to_string(wanted) + "?)";
      return false;
    }
  }
  return Answers(context.main, context.limitMs);
}

bool StepClick(Context& context, const Words& args, std::string& problem) {
  HWND button = FindControl(context, args[0], args[1], problem);
  if (!button) return false;
  if (!PollUntil([&] { return IsWindowEnabled(button) && IsShown(button); }, context.limitMs)) {
    problem = Narrow(args[1]) + " is not enabled and shown";
    return false;
  }
  PostPress(button);
  return true;
}

bool StepChoose(Context& context, const Words& args, std::string& problem) {
  HWND combo = FindControl(context, args[0], args[1], problem);
  if (!combo) return false;
  if (!ChooseListItem(combo, args[2])) {
    problem = "no item " + Narrow(args[2]) + " in " + Narrow(args[1]);
    return false;
  }
  std::wstring text;
  if (!PollUntil([&] { return ReadText(combo, text) && text == args[2]; }, context.limitMs)) {
    problem = Narrow(args[1]) + " shows " + Narrow(text);
    return false;
  }
  return true;
}

bool StepType(Context& context, const Words& args, std::string& problem) {
  HWND edit = FindControl(context, args[0], args[1], problem);
  if (!edit) return false;
  PostClick(edit);
  if (!PollUntil([&] { return FocusOf(edit) == edit; }, context.limitMs)) {
    problem = "clicking " + Narrow(args[1]) + " does not focus it";
    return false;
  }
  PostMessageW(edit, EM_SETSEL, 0, -1);
  PostChars(edit, L"\b" + args[2]);   // the selection goes, then the new text
  std::wstring text;
  if (!PollUntil([&] { return ReadText(edit, text) && text == args[2]; }, context.limitMs)) {
    problem = Narrow(args[1]) + " holds " + Narrow(text) + " after typing";
    return false;
  }
  return true;
}

bool StepLeave(Context& context, const Words& args, std::string& problem) {
  HWND edit = FindControl(context, args[0], args[1], problem);
  if (!edit) return false;
  PostKey(edit, VK_TAB);
  if (!PollUntil([&] { return FocusOf(edit) != edit; }, context.limitMs)) {
    problem = "the focus stays in " + Narrow(args[1]) + " after the tab key";
    return false;
  }
  return true;
}

bool StepText(Context& context, const Words& args, std::string& problem) {
  HWND control = FindControl(context, args[0], args[1], problem);
  if (!control) return false;
  std::wstring text;
  if (!PollUntil([&] { return ReadText(control, text) && text == args[2]; }, context.limitMs)) {
    problem = Narrow(args[1]) + " reads \"" + Narrow(text) + "\"";
    return false;
  }
  return true;
}

bool StepLike(Context& context, const Words& args, std::string& problem) {
  HWND control = FindControl(context, args[0], args[1], problem);
  if (!control) return false;
  std::wregex pattern(args[2]);
  std::wstring text;
  if (!PollUntil([&] { return ReadText(control, text) && std::regex_match(text, pattern); }, context.limitMs)) {
    problem = Narrow(args[1]) + " reads \"" + Narrow(text) + "\"";
    return false;
  }
  return true;
}

bool StepEnabled(Context& context, const Words& args, std::string& problem) {
  HWND control = FindControl(context, args[0], args[1], problem);
  bool wanted = false;
  if (!control || !YesNo(args[2], wanted, problem)) return false;
  if (!PollUntil([&] { return (IsWindowEnabled(control) != FALSE) == wanted; }, context.limitMs)) {
    problem = Narrow(args[1]) + (wanted ? " stays disabled" : " stays enabled");
    return false;
  }
  return true;
}

bool StepVisible(Context& context, const Words& args, std::string& problem) {
  HWND control = FindControl(context, args[0], args[1], problem);
  bool wanted = false;
  if (!control || !YesNo(args[2], wanted, problem)) return false;
  if (!PollUntil([&] { return IsShown(control) == wanted; }, context.limitMs)) {
    problem = Narrow(args[1]) + (wanted ? " stays hidden" : " stays shown");
    return false;
  }
  return true;
}

bool StepGone(Context& context, const Words&, std::string& problem) {
  if (!PollUntil([&] { return !IsWindow(context.main); }, context.limitMs)) {
    problem = "the main window is still there";
    return false;
  }
  return true;
}
