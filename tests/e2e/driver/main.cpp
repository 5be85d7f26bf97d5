// Drives TAVO.exe from another process as a user would, through window
// messages and keyboard input, following a scenario file (see the scenarios
// folder for the steps).
//   e2e_driver.exe SCENARIO RESOURCE_HEADER
// Environment: E2E_SIM_LOG the simulator's frame log, E2E_HOST_DIR the folder
// for requests to the test runner, E2E_WAIT_MS the longest wait of one step.
// Exit code 0 when every step passed.
#include <cstdio>
#include <cstdlib>

#include "context.h"
#include "script.h"

namespace {

struct StepKind {
  const wchar_t* name;
  int args;   // -1: any number
  StepAction run;
  const char* usage;
};

const StepKind kSteps[] = {
    {L"window", 1, StepWindow, "window TITLE"},
    {L"tab", 1, StepTab, "tab INDEX"},
    {L"click", 2, StepClick, "click PAGE ID"},
    {L"choose", 3, StepChoose, "choose PAGE ID ITEM"},
    {L"type", 3, StepType, "type PAGE ID TEXT"},
    {L"leave", 2, StepLeave, "leave PAGE ID"},
    {L"text", 3, StepText, "text PAGE ID TEXT"},
    {L"like", 3, StepLike, "like PAGE ID REGEX"},
    {L"enabled", 3, StepEnabled, "enabled PAGE ID yes|no"},
    {L"visible", 3, StepVisible, "visible PAGE ID yes|no"},
    {L"box", 3, StepBox, "box TEXT CAPTION OK|CANCEL|YES|NO"},
    {L"nobox", 0, StepNoBox, "nobox"},
    {L"saveas", 1, StepSaveAs, "saveas PATH"},
    {L"sent", -1, StepSent, "sent [FRAME ...]"},
    {L"shot", 1, StepShot, "shot NAME"},
    {L"stop-instrument", 0, StepStopInstrument, "stop-instrument"},
    {L"gone", 0, StepGone, "gone"},
};

const StepKind* FindStep(const std::wstring& name) {
  for (const StepKind& kind : kSteps)
    if (name == kind.name) return &kind;
  return nullptr;
}

std::string Env(const char* name, const char* fallback) {
  const char* value = std::getenv(name);
  return value ? value : fallback;
}

// Checks every step's name and number of words before anything runs.
bool CheckSteps(const std::vector<Step>& steps) {
  bool good = true;
  for (const Step& step : steps) {
    const StepKind* kind = FindStep(step.words[0]);
    if (!kind || (kind->args >= 0 && static_cast<int>(step.words.size()) - 1 != kind->args)) {
      std::printf("line %d: %s\n", step.line, kind ? (std::string("usage: ") + kind->usage).c_str() : "unknown step");
      good = false;
    }
  }
  return good;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::printf("usage: e2e_driver.exe SCENARIO RESOURCE_HEADER\n");
    return 2;
  }
  std::vector<Step> steps;
  Context context;
  std::string error;
  if (!ReadScript(argv[1], steps, error) || !ReadControlIds(argv[2], context.ids, error)) {
    std::printf("%s\n", error.c_str());
    return 2;
  }
  if (!CheckSteps(steps)) return 2;
  context.frames = FrameLogReader(Env("E2E_SIM_LOG", ""));
  context.hostDir = Env("E2E_HOST_DIR", ".");
  context.limitMs = std::atoi(Env("E2E_WAIT_MS", "30000").c_str());
  DWORD start = GetTickCount();
  for (const Step& step : steps) {
    std::string line;
    for (const std::wstring& word : step.words) line += (line.empty() ? "" : " ") + Narrow(word);
    std::printf("%6.1f s  line %d: %s\n", (GetTickCount() - start) / 1000.0, step.line, line.c_str());
    std::fflush(stdout);
    std::string problem;
    Words args(step.words.begin() + 1, step.words.end());
    if (!FindStep(step.words[0])->run(context, args, problem)) {
      std::printf("FAILED at line %d: %s\n%s", step.line, problem.c_str(), DescribeOpenDialogs(context).c_str());
      return 1;
    }
  }
  std::printf("all %zu steps passed in %.1f s\n", steps.size(), (GetTickCount() - start) / 1000.0);
  return 0;
}
