// Steps on the dialogs the tool opens over its main window: message boxes and
// the save-as dialog.
#include "context.h"
#include "script.h"
#include "tool_windows.h"
#include "user_input.h"

namespace {

struct ButtonName {
  const wchar_t* word;
  int id;
};
const ButtonName kButtons[] = {{L"OK", IDOK}, {L"CANCEL", IDCANCEL}, {L"YES", IDYES}, {L"NO", IDNO}};

// The first dialog over the main window that `fits`, within the time limit.
HWND WaitForDialog(Context& context, bool (*fits)(HWND)) {
  HWND found = nullptr;
  PollUntil(
      [&] {
        for (HWND dialog : OwnedDialogs(context.main))
          if (fits(dialog)) found = dialog;
        return found != nullptr;
      },
      context.limitMs);
  return found;
}

bool IsMessageBox(HWND dialog) { return !FirstEdit(dialog) && !MessageBoxText(dialog).empty(); }
bool IsFileDialog(HWND dialog) { return FirstEdit(dialog) != nullptr; }

// Presses button `id` of `dialog` and waits until the dialog has gone.
bool PressAndWait(Context& context, HWND dialog, int id, std::string& problem) {
  HWND button = GetDlgItem(dialog, id);
  if (!button) {
    problem = "the dialog has no button " + std::to_string(id);
    return false;
  }
  PostPress(button);
  if (!PollUntil([&] { return !IsWindow(dialog); }, context.limitMs)) {
    problem = "the dialog stays open after its button";
    return false;
  }
  return true;
}

}  // namespace

std::string DescribeOpenDialogs(Context& context) {
  std::string out;
  if (!context.main) return out;
  for (HWND dialog : OwnedDialogs(context.main)) {
    std::wstring caption;
    ReadText(dialog, caption);
    out += "  open dialog \"" + Narrow(caption) + "\": \"" + Narrow(MessageBoxText(dialog)) + "\"\n";
  }
  return out;
}

bool StepBox(Context& context, const Words& args, std::string& problem) {
  int id = 0;
  for (const ButtonName& b : kButtons)
    if (args[2] == b.word) id = b.id;
  if (!id) {
    problem = "no button named " + Narrow(args[2]);
    return false;
  }
  HWND box = WaitForDialog(context, IsMessageBox);
  if (!box) {
    problem = "no message box appeared";
    return false;
  }
  std::wstring text = MessageBoxText(box), caption;
  ReadText(box, caption);
  if (text != args[0] || caption != args[1]) {
    problem = "the box says \"" + Narrow(text) + "\" / \"" + Narrow(caption) + "\"";
    return false;
  }
  return PressAndWait(context, box, id, problem);
}

bool StepNoBox(Context& context, const Words&, std::string& problem) {
  // The tool's thread answers again: its sequence has ended or it shows a box.
  if (!Answers(context.main, context.limitMs)) {
    problem = "the tool does not answer";
    return false;
  }
  if (!OwnedDialogs(context.main).empty()) {
    problem = "a dialog is open";
    return false;
  }
  return true;
}

bool StepSaveAs(Context& context, const Words& args, std::string& problem) {
  HWND dialog = WaitForDialog(context, IsFileDialog);
  if (!dialog) {
    problem = "no save-as dialog appeared";
    return false;
  }
  HWND name = FirstEdit(dialog);
  PostClick(name);
  PostMessageW(name, EM_SETSEL, 0, -1);
  PostChars(name, L"\b" + args[0]);
  std::wstring text;
  if (!PollUntil([&] { return ReadText(name, text) && text == args[0]; }, context.limitMs)) {
    problem = "the file name reads " + Narrow(text);
    return false;
  }
  return PressAndWait(context, dialog, IDOK, problem);
}
