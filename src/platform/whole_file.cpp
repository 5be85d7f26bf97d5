#include "platform/whole_file.h"

#include "platform/files.h"
#include "platform/out_file.h"

namespace plat {
namespace {

constexpr int kMaxScratchNames = 100;

// Creates a file of a name nobody uses, beside `path`: "<path>~N.tmp".
bool CreateScratch(const std::string& path, OutFile& file, std::string& scratch) {
  for (int n = 0; n < kMaxScratchNames; ++n) {
    scratch = path + "~" + std::to_string(n) + ".tmp";
    if (file.CreateNew(scratch)) return true;
    if (!FileExists(scratch)) return false;   // not taken, so the directory refuses
  }
  return false;
}

// Writes `path` itself: what is left of it after a failure is not known.
bool WriteDirectly(const std::string& path, const std::string& bytes) {
  OutFile file;
  if (!file.Create(path)) return false;
  bool written = file.Write(bytes);
  return file.Close() && written;
}

}  // namespace

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  const std::string target = LinkTarget(path);   // a link stays, its file gets the bytes
  if (KindOf(target) == FileKind::Other) return WriteDirectly(target, bytes);   // a FIFO, a device
  OutFile file;
  std::string scratch;
  if (!CreateScratch(target, file, scratch)) return WriteDirectly(target, bytes);
  bool written = file.Write(bytes);
  bool closed = file.Close();
  if (written && closed && RenameReplacing(scratch, target)) return true;
  RemoveFile(scratch);
  return false;
}

}  // namespace plat
