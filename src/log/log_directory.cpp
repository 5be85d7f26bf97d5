#include "log/log_directory.h"

#include "platform/files.h"

namespace {

bool IsSeparator(char c) { return c == '\\' || c == plat::PathSeparator(); }

// The byte offsets of the characters of `text` that are separators.
std::vector<std::size_t> SeparatorPositions(const std::string& text) {
  std::vector<std::size_t> positions;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsLeadByte932(static_cast<unsigned char>(text[i])))
      ++i;
    else if (IsSeparator(text[i]))
      positions.push_back(i);
  }
  return positions;
}

bool IsDriveDesignator(const std::string& text) { return text.size() == 2 && text[1] == ':'; }

// A drive designator names the current directory of that drive: look at its root instead.
bool LevelExists(const CString& level) {
  if (IsDriveDesignator(level.str())) return plat::IsDirectory(level.str() + '\\');
  return plat::IsDirectory(level.str());
}

}  // namespace

bool IsRootLogPath(const CString& path) {
  const std::string& text = path.str();
  if (text.size() == 1) return IsSeparator(text[0]);
  return text.size() == 3 && text[1] == ':' && text[2] == '\\';
}

std::vector<CString> PathLevels(const CString& path) {
  std::vector<CString> levels;
  for (std::size_t position : SeparatorPositions(path.str()))
    if (position > 0) levels.push_back(path.Left(static_cast<int>(position)));
  if (levels.empty() || levels.back() != path) levels.push_back(path);
  return levels;
}

bool EnsureLogDirectory(const CString& path) {
  if (path.IsEmpty()) return false;
  if (path.GetLength() == 1 && IsSeparator(path.GetAt(0))) return true;
  if (plat::IsDirectory(path.str())) return true;
  for (const CString& level : PathLevels(path)) {
    if (LevelExists(level)) continue;
    if (!plat::MakeDirectory(level.str())) return false;
  }
  return true;
}

CString SettleLogDirectory(const CString& logPath, const CString& currentDir) {
  if (IsRootLogPath(logPath)) return logPath;
  return EnsureLogDirectory(logPath) ? logPath : currentDir;
}

CString TrimTrailingSeparators(const CString& dir) {
  std::vector<std::size_t> positions = SeparatorPositions(dir.str());
  std::size_t end = dir.str().size();
  while (!positions.empty() && positions.back() + 1 == end) {
    --end;
    positions.pop_back();
  }
  return dir.Left(static_cast<int>(end));
}
