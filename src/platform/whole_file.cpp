#include "platform/whole_file.h"

#include "platform/files.h"
#include "platform/out_file.h"

namespace plat {
namespace {

constexpr int kMaxScratchNames = 100;

// The scratch names, in the order they are tried: "<path>~N.tmp", then, for a
// name too long to take that ending, "~tavoN.tmp" in the folder of `path`.
std::string ScratchName(const std::string& path, bool shortForm, int n) {
  if (!shortForm) return path + "~" + std::to_string(n) + ".tmp";
  return FolderPart(path) + "~tavo" + std::to_string(n) + ".tmp";
}

// Creates a file of a name nobody uses, beside `path`.
bool CreateScratch(const std::string& path, OutFile& file, std::string& scratch) {
  for (bool shortForm : {false, true}) {
    for (int n = 0; n < kMaxScratchNames; ++n) {
      scratch = ScratchName(path, shortForm, n);
      if (file.CreateNew(scratch)) return true;
      if (FileExists(scratch)) continue;            // taken: the next one
      if (file.CreateNew(scratch)) return true;     // it was taken a moment ago
      break;                                        // the folder refuses the name: too long, or no new files
    }
  }
  return false;
}

// Writes `path` itself; `cutShort` tells whether a failure came after the
// file was emptied.
bool WriteDirectly(const std::string& path, const std::string& bytes, bool& cutShort) {
  OutFile file;
  if (!file.Create(path)) return false;
  const bool written = file.Write(bytes);
  const bool closed = file.Close();
  cutShort = !(written && closed);
  return !cutShort;
}

}  // namespace

bool WriteWholeFile(const std::string& path, const std::string& bytes, bool* cutShort) {
  bool cut = false;
  if (cutShort) *cutShort = false;
  const std::string target = LinkTarget(path);   // a link stays, its file gets the bytes
  if (KindOf(target) == FileKind::Other) return WriteDirectly(target, bytes, cut);   // a FIFO, a device
  OutFile file;
  std::string scratch;
  if (!CreateScratch(target, file, scratch)) {
    const bool written = WriteDirectly(target, bytes, cut);
    if (cutShort) *cutShort = cut;
    return written;
  }
  const bool written = file.Write(bytes);
  const bool closed = file.Close();
  if (written && closed && RenameReplacing(scratch, target)) return true;
  RemoveFile(scratch);
  return false;
}

}  // namespace plat
