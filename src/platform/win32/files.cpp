// File system access through the Win32 "A" functions.
#include <windows.h>

#include "platform/files.h"

namespace plat {

bool GetCurrentDir(std::string& dir) {
  char buf[MAX_PATH + 1];
  DWORD len = GetCurrentDirectoryA(sizeof buf, buf);
  if (len == 0 || len >= sizeof buf) return false;
  dir.assign(buf, len);
  return true;
}

char PathSeparator() { return '\\'; }

std::vector<FoundFile> FindFiles(const std::string& pattern) {
  std::vector<FoundFile> found;
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA(pattern.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return found;
  do {
    std::string name = data.cFileName;
    if (name == "." || name == "..") continue;
    found.push_back({name, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (FindNextFileA(find, &data));
  FindClose(find);
  return found;
}

bool FileExists(const std::string& pattern) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA(pattern.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return false;
  FindClose(find);
  return true;
}

std::string LastErrorText() {
  const DWORD error = GetLastError();
  char text[512];
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                                sizeof text, nullptr);
  while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n' || text[length - 1] == ' ')) --length;
  if (length == 0) return "system error " + std::to_string(error);
  return std::string(text, length);
}

namespace {

constexpr int kMaxCheckNames = 100;

// A scratch file in `folder` (empty, or ending in a separator), gone again
// when closed, tells whether the folder lets files be made. Its name is this
// thread's own, so that files checked side by side and one left behind by a
// crash do not collide.
HANDLE CheckFileIn(const std::string& folder) {
  const std::string stem = folder + "~tavo-check-" + std::to_string(GetCurrentProcessId()) + "-" +
                           std::to_string(GetCurrentThreadId()) + "-";
  HANDLE handle = INVALID_HANDLE_VALUE;
  for (int n = 0; n < kMaxCheckNames && handle == INVALID_HANDLE_VALUE; ++n) {
    handle = CreateFileA((stem + std::to_string(n) + ".tmp").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                         FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (handle == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) break;
  }
  return handle;
}

}  // namespace

std::string FolderPart(const std::string& path) {
  size_t separator = std::string::npos;   // the last one, not a trail byte of a double-byte character
  for (size_t i = 0; i < path.size(); ++i) {
    if (IsDBCSLeadByte(static_cast<BYTE>(path[i]))) ++i;
    else if (path[i] == '\\' || path[i] == '/' || path[i] == ':') separator = i;
  }
  return separator == std::string::npos ? "" : path.substr(0, separator + 1);
}

bool CheckWritable(const std::string& path, std::string& reason) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  HANDLE handle = INVALID_HANDLE_VALUE;
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    SetLastError(ERROR_DIRECTORY);
  } else if (attributes != INVALID_FILE_ATTRIBUTES) {
    handle = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                         0, nullptr);
  } else if (GetLastError() == ERROR_FILE_NOT_FOUND) {
    handle = CheckFileIn(FolderPart(path));
  }
  if (handle == INVALID_HANDLE_VALUE) {
    reason = LastErrorText();
    return false;
  }
  CloseHandle(handle);
  return true;
}

FileKind KindOf(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    return attributes & FILE_ATTRIBUTE_DIRECTORY ? FileKind::Other : FileKind::Regular;
  }
  // Devices ("NUL", "COM1") have no attributes but open all the same.
  HANDLE handle = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return FileKind::Missing;
  const DWORD type = GetFileType(handle);
  CloseHandle(handle);
  return type == FILE_TYPE_DISK ? FileKind::Regular : FileKind::Other;
}

namespace {

// GetFinalPathNameByHandleA, where the system has it (from Windows Vista on).
using FinalPathFn = DWORD(WINAPI*)(HANDLE, LPSTR, DWORD, DWORD);
FinalPathFn FinalPathFunction() {
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  if (!kernel) return nullptr;
  return reinterpret_cast<FinalPathFn>(
      reinterpret_cast<void*>(GetProcAddress(kernel, "GetFinalPathNameByHandleA")));
}

// "\\?\C:\x" -> "C:\x", "\\?\UNC\host\share" -> "\\host\share".
std::string WithoutLongPrefix(const std::string& name) {
  if (name.compare(0, 8, "\\\\?\\UNC\\") == 0) return "\\" + name.substr(7);
  if (name.compare(0, 4, "\\\\?\\") == 0) return name.substr(4);
  return name;
}

}  // namespace

std::string LinkTarget(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return path;
  const FinalPathFn finalPath = FinalPathFunction();
  if (!finalPath) return path;
  HANDLE handle = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return path;   // a link that leads nowhere: its own name
  char name[MAX_PATH * 4];
  const DWORD length = finalPath(handle, name, sizeof name, 0 /* FILE_NAME_NORMALIZED | VOLUME_NAME_DOS */);
  CloseHandle(handle);
  if (length == 0 || length >= sizeof name) return path;
  return WithoutLongPrefix(std::string(name, length));
}

namespace {

// The volume and file index of an existing file or folder; false when it cannot be opened.
bool FileIdentity(const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
  HANDLE handle = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  const bool known = GetFileInformationByHandle(handle, &info) != 0;
  CloseHandle(handle);
  return known;
}

std::string AbsoluteName(const std::string& path) {
  char full[MAX_PATH * 4];
  const DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
  return length == 0 || length >= sizeof full ? path : std::string(full, length);
}

}  // namespace

std::string FileKey(const std::string& path) {
  BY_HANDLE_FILE_INFORMATION info;
  if (FileIdentity(path, info))
    return "file " + std::to_string(info.dwVolumeSerialNumber) + ":" + std::to_string(info.nFileIndexHigh) + ":" +
           std::to_string(info.nFileIndexLow);
  std::string name = AbsoluteName(LinkTarget(path));
  if (!name.empty()) CharUpperBuffA(&name[0], static_cast<DWORD>(name.size()));   // letter case aside
  return "name " + name;
}

void TakeBackslashAsSeparator(bool) {}

bool IsDirectory(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool MakeDirectory(const std::string& path) { return CreateDirectoryA(path.c_str(), nullptr) != 0; }

bool RemoveFile(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

bool RenameReplacing(const std::string& from, const std::string& to) {
  // Windows refuses a read-only target; asked first, so that every system does.
  DWORD target = GetFileAttributesA(to.c_str());
  if (target != INVALID_FILE_ATTRIBUTES && (target & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
    SetLastError(ERROR_ACCESS_DENIED);   // the reason LastErrorText tells
    return false;
  }
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace plat
