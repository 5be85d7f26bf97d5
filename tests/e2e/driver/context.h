// What every step of a scenario works with, and the steps themselves.
#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "frame_log.h"

struct Context {
  HWND main = nullptr;                   // the tool's main window, once found
  std::map<std::wstring, int> ids;       // control names of the resource header
  FrameLogReader frames{""};             // the simulator's log
  std::string hostDir;                   // where requests to the test runner go
  int limitMs = 30000;                   // the longest wait of one step
};

using Words = std::vector<std::wstring>;
// A step's action: false with what went wrong in `problem`.
using StepAction = bool (*)(Context& context, const Words& args, std::string& problem);

// The control `idWord` (a name of the resource header or a number) on `pageWord`
// ("main", "user1", "user2", "maker1", "maker2"); null with a problem when missing.
HWND FindControl(Context& context, const std::wstring& pageWord, const std::wstring& idWord, std::string& problem);

// Window steps: window, tab, click, choose, type, leave, text, like, enabled, visible, gone.
bool StepWindow(Context&, const Words&, std::string&);
bool StepTab(Context&, const Words&, std::string&);
bool StepClick(Context&, const Words&, std::string&);
bool StepChoose(Context&, const Words&, std::string&);
bool StepType(Context&, const Words&, std::string&);
bool StepLeave(Context&, const Words&, std::string&);
bool StepText(Context&, const Words&, std::string&);
bool StepLike(Context&, const Words&, std::string&);
bool StepEnabled(Context&, const Words&, std::string&);
bool StepVisible(Context&, const Words&, std::string&);
bool StepGone(Context&, const Words&, std::string&);
// Dialog steps: box, nobox, saveas.
bool StepBox(Context&, const Words&, std::string&);
bool StepNoBox(Context&, const Words&, std::string&);
bool StepSaveAs(Context&, const Words&, std::string&);
// Steps with the test runner: sent, shot, stop-instrument.
bool StepSent(Context&, const Words&, std::string&);
bool StepShot(Context&, const Words&, std::string&);
bool StepStopInstrument(Context&, const Words&, std::string&);

// The texts of the dialogs open over the main window, for a failure report.
std::string DescribeOpenDialogs(Context& context);
