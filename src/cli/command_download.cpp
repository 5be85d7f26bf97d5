// download: the instrument's memory records into a CSV file, byte for byte
// as TAVO.exe writes it (each record's text and CR), or with CR LF.
#include <algorithm>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/interrupt.h"
#include "cli/json_lines.h"
#include "cli/output.h"
#include "cli/output_file.h"
#include "cli/progress.h"
#include "cli/session.h"
#include "cli/several_ports.h"
#include "cli/text_forms.h"
#include "instrument/memory_download.h"
#include "instrument/memory_format.h"
#include "link/control_bytes.h"
#include "platform/console.h"
#include "platform/files.h"
#include "platform/whole_file.h"

namespace {

std::string WithLineFeeds(const std::string& text) {
  std::string out;
  for (char c : text) {
    out += c;
    if (c == '\r') out += '\n';
  }
  return out;
}

ExitStatus DownloadOn(const Arguments& args, const std::string& port) {
  const std::string path = WithPort(args.Value("-o"), port);
  if (!OneUseOfStandardOutput(path, args.Has("--json"))) return kExitUsage;
  if (!CheckOutputFile(path)) return kExitFile;
  Session session(args.Value("--ini"));
  if (ExitStatus status = session.Connect(port); status != kExitOk) return status;
  MemoryRecords records;
  int read = 0;
  bool whole = false;
  {
    DownloadProgress progress(session.Instrument());
    read = session.Instrument().Download(records, whole, &session);
    if (read == 1) progress.Finish(session.Instrument().LastReplyBytes());
  }
  // Stopped before the records were whole: they stay unread, and no file is written.
  if (read != 1 && session.StoppedEarly()) return StoppedShort("interrupted before the records were whole: no file written");
  if (read != 1) {
    PrintError(std::string(inst::kDownloadCaption) + ": " + inst::kDownloadFailed);
    if (session.Instrument().ReplyOutgrown())
      PrintError("the answer outgrew the " + std::to_string(kReplyBufferSize) +
                 " bytes one download takes: the instrument holds more than " + std::to_string(kMaxMemoryRecords) +
                 " records");
    return kExitInstrument;
  }
  std::string text = MemoryCsvText(records);
  if (args.Has("--crlf")) text = WithLineFeeds(text);
  // The file takes its name only when whole: a failure leaves an existing file as it was.
  bool cutShort = false;
  if (!(IsStandardOutput(path) ? plat::WriteRawOutput(text) : plat::WriteWholeFile(path, text, &cutShort))) {
    ReportWriteFailure(path, cutShort);
    return kExitFile;
  }
  if (args.Has("--json")) {
    PrintOut(JsonLine({{"file", plat::ToUtf8(plat::FromArgument(path))},
                       {"records", records.size()},
                       {"complete", whole}}));
  }
  if (!whole) {   // the records that were read are in the file
    PrintError(std::string(inst::kDownloadCaption) + ": " + inst::kDownloadPartial);
    return kExitInstrument;
  }
  NoteOutcome(std::to_string(records.size()) + (records.size() == 1 ? " record in " : " records in ") +
              plat::FromArgument(path));
  return kExitOk;
}

}  // namespace

ExitStatus RunDownload(const Arguments& args) {
  if (args.Value("-o").empty()) {
    PrintError("download needs -o FILE");
    return kExitUsage;
  }
  std::vector<std::string> ports;
  if (!PortsOf(args, ports)) return kExitUsage;
  // Every port's file takes the date the run started, also when a run goes past midnight.
  Arguments run = args;
  run.values["-o"] = WithDate(args.Value("-o"), PcClock());
  if (!DistinctFiles(run.Value("-o"), ports)) return kExitUsage;
  return ForEachPort(run, DownloadOn);
}
