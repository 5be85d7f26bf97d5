// A file written whole or not at all: the bytes go into a new file beside it,
// which takes its name only once every byte was written and the file closed.
// The new file is named "<name>~N.tmp", or "~tavoN.tmp" in the same folder
// where that name would be too long. A symbolic link is followed: the file it
// leads to is the one replaced, and the link stays. Where no file can be made
// beside it (a folder that lets files be written but not created, every
// scratch name taken), and where the name is no regular file (a FIFO, a
// device, a directory), the name itself is written and its errors reported.
// Any thread may call it, several at once: each call takes a scratch name of its own.
#pragma once
#include <string>

namespace plat {

// Makes `bytes` the content of `path`, creating or replacing the file. False
// when the file cannot be created, written, closed or put in place; `path` is
// then as it was (missing, or with its old content) and nothing is left beside
// it, except when `path` itself was being written and its writing failed: it
// is then cut short, its old content lost, and `cutShort` (when given) is set.
bool WriteWholeFile(const std::string& path, const std::string& bytes, bool* cutShort = nullptr);

}  // namespace plat
