// The console of a command-line front end: whether a standard stream is a
// terminal, and the program's texts (code page 932) in the terminal's own
// encoding. Any thread may call these functions, several at once (tavo-cli
// serves each port on a thread of its own).
#pragma once
#include <string>

namespace plat {

enum class Stream { Output, Error };

// True when `stream` goes to a terminal (a console on Windows), not to a file or a pipe.
bool IsTerminal(Stream stream);

// The quote the system's command shell takes around an argument with
// spaces or braces in the examples the help gives: ' (sh), " on Windows (cmd).
char ShellQuote();

// `text`, in the program's code page, as `stream` shows it: UTF-8 on POSIX;
// on Windows the console's output code page when it is a console and not
// 932, else unchanged. A character without a counterpart becomes '?'.
std::string ToConsoleText(const std::string& text, Stream stream);

// Writes `bytes` to standard output as they are (no CR added before LF on
// Windows) and flushes it. False when not all went out (a full disk, a
// closed pipe); LastErrorText (platform/files.h) then tells why.
bool WriteRawOutput(const std::string& bytes);

// From now on a write to a pipe whose reader has gone fails (a closed pipe)
// instead of ending the process: SIGPIPE ignored on POSIX; on Windows such a
// write fails already.
void IgnoreClosedPipes();

// The signal a closed terminal sends (SIGHUP); 0 on a system without one.
int HangUpSignal();

// `text`, in the program's code page, as UTF-8 (for files the front end writes).
std::string ToUtf8(const std::string& text);

// What the user or the system gave, in the program's code page, for a text
// that quotes it: a command-line argument or a port name (UTF-8 on POSIX,
// the ANSI code page on Windows), or UTF-8 text such as a line of a settings
// file. A character
// without a counterpart becomes '?'.
std::string FromArgument(const std::string& text);
std::string FromUtf8(const std::string& text);

// `path` made absolute against the current directory; unchanged when it is
// absolute already or the current directory cannot be had.
std::string FullPath(const std::string& path);

}  // namespace plat
