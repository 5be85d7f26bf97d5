// File system access of the POSIX build, with FindFirstFileA's matching rules.
#include "platform/files.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <climits>
#include <cstring>
#include <string>

#include "platform/posix/mbcs.h"

namespace plat {
namespace {

using Chars = std::vector<std::string>;

// '*' and '?' as the Win32 file name matcher takes them: '?' is exactly one
// character, and trailing '.' and '*' of the mask may match nothing.
bool Match(const Chars& mask, std::size_t m, const Chars& name, std::size_t n) {
  for (; m < mask.size(); ++m, ++n) {
    if (mask[m] == "*") {
      for (std::size_t k = n; k <= name.size(); ++k)
        if (Match(mask, m + 1, name, k)) return true;
      return false;
    }
    if (n == name.size()) break;
    if (mask[m] != "?" && !mbcs::SameCharNoCase(mask[m], name[n])) return false;
  }
  if (n != name.size()) return false;
  for (; m < mask.size(); ++m)
    if (mask[m] != "." && mask[m] != "*") return false;
  return true;
}

// Splits a pattern (slashes only) into its directory and its last part.
void SplitPattern(const std::string& pattern, std::string& dir, std::string& mask) {
  std::size_t slash = pattern.rfind('/');
  if (slash == std::string::npos) {
    dir = ".";
    mask = pattern;
  } else {
    dir = slash == 0 ? "/" : pattern.substr(0, slash);
    mask = pattern.substr(slash + 1);
  }
}

bool IsDirEntry(const std::string& dir, const dirent* entry) {
  if (entry->d_type != DT_UNKNOWN && entry->d_type != DT_LNK) return entry->d_type == DT_DIR;
  struct stat st;
  return stat((dir + "/" + entry->d_name).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::atomic<bool> g_backslashSeparates{true};

// `path` (slashes only) with its folder made absolute and free of links and dots.
std::string AbsoluteName(const std::string& path) {
  const size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
  char resolved[PATH_MAX];
  if (!realpath(folder.c_str(), resolved)) return path;
  return std::string(resolved) + "/" + (slash == std::string::npos ? path : path.substr(slash + 1));
}

}  // namespace

namespace mbcs {
bool BackslashSeparates() { return g_backslashSeparates; }
}  // namespace mbcs

void TakeBackslashAsSeparator(bool takes) { g_backslashSeparates = takes; }

std::string FileKey(const std::string& path) {
  const std::string name = mbcs::ToSlashes(path);
  struct stat st;
  if (stat(name.c_str(), &st) == 0)
    return "file " + std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino);
  return "name " + AbsoluteName(LinkTarget(name));
}

bool GetCurrentDir(std::string& dir) {
  char buf[PATH_MAX];
  if (!getcwd(buf, sizeof buf)) return false;
  dir = buf;
  return true;
}

char PathSeparator() { return '/'; }

std::string FolderPart(const std::string& path) {
  const std::string name = mbcs::ToSlashes(path);
  const size_t slash = name.rfind('/');
  return slash == std::string::npos ? "" : name.substr(0, slash + 1);
}

std::vector<FoundFile> FindFiles(const std::string& pattern) {
  std::string dir, mask;
  SplitPattern(mbcs::ToSlashes(pattern), dir, mask);
  Chars maskChars = mbcs::Split(mask);
  if (mask == "*.*") maskChars = {"*"};
  std::vector<FoundFile> found;
  DIR* d = opendir(dir.c_str());
  if (!d || maskChars.empty()) {
    if (d) closedir(d);
    return found;
  }
  while (const dirent* entry = readdir(d)) {
    std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    if (Match(maskChars, 0, mbcs::Split(name), 0)) found.push_back({name, IsDirEntry(dir, entry)});
  }
  closedir(d);
  return found;
}

bool FileExists(const std::string& pattern) { return !FindFiles(pattern).empty(); }

bool IsDirectory(const std::string& path) {
  struct stat st;
  return stat(mbcs::ToSlashes(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

FileKind KindOf(const std::string& path) {
  struct stat st;
  if (stat(mbcs::ToSlashes(path).c_str(), &st) != 0) return FileKind::Missing;
  return S_ISREG(st.st_mode) ? FileKind::Regular : FileKind::Other;
}

std::string LastErrorText() { return std::strerror(errno); }

bool CheckWritable(const std::string& path, std::string& reason) {
  const std::string name = mbcs::ToSlashes(path);
  struct stat st;
  int error = 0;
  if (stat(name.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) error = EISDIR;
    else if (access(name.c_str(), W_OK) != 0) error = errno;
  } else if (errno != ENOENT) {
    error = errno;
  } else {
    const size_t slash = name.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : name.substr(0, slash);
    if (stat(folder.c_str(), &st) != 0) error = errno;
    else if (!S_ISDIR(st.st_mode)) error = ENOTDIR;
    else if (access(folder.c_str(), W_OK | X_OK) != 0) error = errno;
  }
  if (error != 0) reason = std::strerror(error);
  return error == 0;
}

std::string LinkTarget(const std::string& path) {
  constexpr int kMaxLinks = 40;   // as the system's own limit: beyond it, a loop
  std::string name = mbcs::ToSlashes(path);
  for (int hop = 0; hop < kMaxLinks; ++hop) {
    struct stat st;
    if (lstat(name.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return name;
    char target[PATH_MAX];
    const ssize_t length = readlink(name.c_str(), target, sizeof target - 1);
    if (length < 0) return name;
    const std::string next(target, static_cast<size_t>(length));
    const size_t slash = name.rfind('/');
    name = next[0] == '/' || slash == std::string::npos ? next : name.substr(0, slash + 1) + next;
  }
  return name;
}

bool MakeDirectory(const std::string& path) {
  return mkdir(mbcs::ToSlashes(path).c_str(), 0777) == 0;
}

bool RemoveFile(const std::string& path) {
  std::string unixPath = mbcs::ToSlashes(path);
  struct stat st;
  if (lstat(unixPath.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
  if (!(st.st_mode & S_IWUSR)) return false;   // the read-only attribute
  return unlink(unixPath.c_str()) == 0;
}

bool RenameReplacing(const std::string& from, const std::string& to) {
  std::string unixTo = mbcs::ToSlashes(to);
  struct stat st;
  if (lstat(unixTo.c_str(), &st) == 0 && (S_ISDIR(st.st_mode) || !(st.st_mode & S_IWUSR))) {
    errno = S_ISDIR(st.st_mode) ? EISDIR : EACCES;   // the reason LastErrorText tells
    return false;
  }
  return rename(mbcs::ToSlashes(from).c_str(), unixTo.c_str()) == 0;
}

}  // namespace plat
