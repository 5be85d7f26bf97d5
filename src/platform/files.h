// File system access of the tool: the current directory, wildcard search,
// directory creation and file deletion. Paths and patterns are in the
// program's narrow code page; on POSIX a backslash is accepted as a
// separator as well. Any thread may call these functions, several at once
// (tavo-cli serves each port on a thread of its own).
#pragma once
#include <string>
#include <vector>

namespace plat {

// The current working directory without a trailing separator (except at a root).
// False when it cannot be had.
bool GetCurrentDir(std::string& dir);

// The platform's path separator ('\\' on Windows, '/' on POSIX).
char PathSeparator();

// The folder part of `path` up to and with its last separator ("" when it has
// none); on Windows a trail byte of a double-byte character is no separator.
std::string FolderPart(const std::string& path);

// One entry found by a wildcard search.
struct FoundFile {
  std::string name;   // the bare name, without the directory
  bool isDirectory;
};

// Entries of the directory part of `pattern` whose names match its last part,
// with '*' and '?' as FindFirstFileA takes them (names compare case-insensitively).
// "." and ".." are never listed. Empty when nothing matches or the directory is missing.
std::vector<FoundFile> FindFiles(const std::string& pattern);

// True when FindFirstFileA would find at least one entry for `pattern`.
bool FileExists(const std::string& pattern);

// True when `path` names an existing directory.
bool IsDirectory(const std::string& path);

// What a path names, symbolic links followed.
enum class FileKind {
  Missing,   // nothing (or a link that leads nowhere)
  Regular,   // a file on a disk
  Other      // a directory, a FIFO, a device
};
FileKind KindOf(const std::string& path);

// What tells the file `path` names from every other: two paths name one
// file exactly when their keys are equal. For an existing file, the file on
// disk (its device and number, so that hard links are one file); else its
// name once symbolic links are followed and the folders made absolute (on
// Windows, letter case aside).
std::string FileKey(const std::string& path);

// On POSIX, whether a backslash in a path is a separator, as on Windows (the
// default, for the tool's own paths), or a character of a name (tavo-cli,
// whose paths are the user's). Windows always takes it as a separator.
void TakeBackslashAsSeparator(bool takes);

// The name a chain of symbolic links starting at `path` ends at; `path`
// itself when it is no link (and on Windows before Vista, which cannot tell).
std::string LinkTarget(const std::string& path);

// The system's reason, in words, why the last call of this thread failed
// (errno; GetLastError on Windows), in the program's code page.
std::string LastErrorText();

// Whether a file can be written at `path` now: an existing file that is no
// directory and may be written, or a new name in a folder that exists and
// lets files be made. False, with the system's reason in `reason`, otherwise.
bool CheckWritable(const std::string& path, std::string& reason);

// Creates one directory level (as CreateDirectoryA). False when it fails or already exists.
bool MakeDirectory(const std::string& path);

// Deletes one file (as DeleteFileA). False for a directory, a read-only file or a failure.
bool RemoveFile(const std::string& path);

// Gives the file `from` the name `to`, replacing a file of that name in one
// step (MoveFileExA with MOVEFILE_REPLACE_EXISTING), so `to` is either the old
// file or the new one, never a mixture. Both names in one directory. False,
// with both files as they were, when `from` is missing, `to` is a directory or
// a read-only file, or the system refuses; LastErrorText then tells why.
bool RenameReplacing(const std::string& from, const std::string& to);

}  // namespace plat
