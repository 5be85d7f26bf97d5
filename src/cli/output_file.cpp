#include "cli/output_file.h"

#include "cli/output.h"
#include "platform/console.h"
#include "platform/files.h"

bool IsStandardOutput(const std::string& path) { return path == "-"; }

std::string OutputName(const std::string& path) {
  return IsStandardOutput(path) ? "standard output" : plat::FromArgument(path);
}

bool CheckOutputFile(const std::string& path) {
  std::string reason;
  if (IsStandardOutput(path) || plat::CheckWritable(plat::LinkTarget(path), reason)) return true;
  PrintError("cannot write " + OutputName(path) + ": " + reason);
  return false;
}

bool OneUseOfStandardOutput(const std::string& path, bool json) {
  if (!IsStandardOutput(path) || !json) return true;
  PrintError("-o - and --json would both take standard output");
  return false;
}

void ReportWriteFailure(const std::string& path, bool cutShort) {
  const std::string reason = plat::LastErrorText();   // before anything else can change it
  PrintError("cannot write " + OutputName(path) + ": " + reason);
  if (cutShort)
    PrintError(OutputName(path) + " was written in place (no new file could be made beside it) and is cut short: "
               "its old content is lost");
}
