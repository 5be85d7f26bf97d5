// Steps that need the test runner: the frames the simulator received, a
// screenshot, stopping the simulator. A request is a file the runner acts
// on; it answers with a reply file ("ok" or what went wrong).
#include <cstdio>
#include <fstream>
#include <sstream>

#include "context.h"
#include "script.h"
#include "tool_windows.h"

namespace {

bool AskHost(Context& context, const std::string& request, std::string& problem) {
  const std::string path = context.hostDir + "\\request", reply = context.hostDir + "\\reply";
  {
    std::ofstream out(path + ".new", std::ios::binary);
    out << request << "\n";
    if (!out) {
      problem = "cannot write " + path;
      return false;
    }
  }
  std::remove(reply.c_str());
  if (std::rename((path + ".new").c_str(), path.c_str()) != 0) {
    problem = "cannot make the request " + path;
    return false;
  }
  std::string answer;
  bool answered = PollUntil(
      [&] {
        std::ifstream in(reply);
        return in && std::getline(in, answer) && !answer.empty();
      },
      context.limitMs);
  std::remove(reply.c_str());
  if (answered && answer == "ok") return true;
  problem = answered ? "the runner says: " + answer : "the runner did not answer " + request;
  return false;
}

std::string Join(const std::vector<std::string>& frames) {
  std::string out;
  for (const std::string& f : frames) out += "\n    " + f;
  return out.empty() ? " (none)" : out;
}

}  // namespace

bool StepSent(Context& context, const Words& args, std::string& problem) {
  std::vector<std::string> expected, got;
  for (const std::wstring& body : args) expected.push_back(FrameHex(body));
  // The frames come while the tool's sequence runs; it has ended when the tool answers again.
  PollUntil([&] { return context.frames.ReadNew(got) && got.size() >= expected.size(); }, context.limitMs);
  Answers(context.main, context.limitMs);
  context.frames.ReadNew(got);
  if (got == expected) return true;
  problem = "the instrument received:" + Join(got) + "\n  expected:" + Join(expected);
  return false;
}

bool StepShot(Context& context, const Words& args, std::string& problem) {
  RECT r{};
  if (!Answers(context.main, context.limitMs) || !GetWindowRect(context.main, &r)) {
    problem = "the main window does not answer";
    return false;
  }
  RedrawWindow(context.main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  Sleep(500);   // painting comes last in the tool's queue
  std::ostringstream request;
  request << "screenshot " << Narrow(args[0]) << " " << r.right - r.left << "x" << r.bottom - r.top << "+" << r.left
          << "+" << r.top;
  return AskHost(context, request.str(), problem);
}

bool StepStopInstrument(Context& context, const Words&, std::string& problem) {
  return AskHost(context, "stop-instrument", problem);
}
