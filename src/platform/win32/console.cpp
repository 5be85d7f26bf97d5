#include "platform/console.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <vector>

namespace plat {
namespace {

HANDLE HandleOf(Stream stream) { return GetStdHandle(stream == Stream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE); }

std::string Recode(const std::string& text, UINT from, UINT to) {
  if (text.empty()) return text;
  int wide = MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (wide <= 0) return text;
  std::vector<wchar_t> w(static_cast<size_t>(wide));
  MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), w.data(), wide);
  int narrow = WideCharToMultiByte(to, 0, w.data(), wide, nullptr, 0, nullptr, nullptr);
  if (narrow <= 0) return text;
  std::string out(static_cast<size_t>(narrow), '\0');
  WideCharToMultiByte(to, 0, w.data(), wide, &out[0], narrow, nullptr, nullptr);
  return out;
}

}  // namespace

bool IsTerminal(Stream stream) {
  DWORD mode = 0;
  return GetConsoleMode(HandleOf(stream), &mode) != 0;
}

char ShellQuote() { return '"'; }

std::string ToConsoleText(const std::string& text, Stream stream) {
  const UINT kProgramCodePage = 932;
  if (!IsTerminal(stream)) return text;
  UINT console = GetConsoleOutputCP();
  return console == 0 || console == kProgramCodePage ? text : Recode(text, kProgramCodePage, console);
}

void IgnoreClosedPipes() {}

int HangUpSignal() { return 0; }

bool WriteRawOutput(const std::string& bytes) {
  std::fflush(stdout);
  const int previous = _setmode(_fileno(stdout), _O_BINARY);
  const bool written =
      std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() && std::fflush(stdout) == 0;
  if (previous != -1) _setmode(_fileno(stdout), previous);
  return written;
}

std::string ToUtf8(const std::string& text) { return Recode(text, 932, CP_UTF8); }

std::string FromUtf8(const std::string& text) { return Recode(text, CP_UTF8, 932); }

// The arguments come in the ANSI code page, the program's own on a Japanese system.
std::string FromArgument(const std::string& text) { return text; }

std::string FullPath(const std::string& path) {
  char buffer[MAX_PATH];
  DWORD n = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
  return n == 0 || n >= sizeof buffer ? path : std::string(buffer, n);
}

}  // namespace plat
