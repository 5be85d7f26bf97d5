#include "platform/console.h"

#include <iconv.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <climits>
#include <cstdio>
#include <cstdlib>

namespace plat {

bool IsTerminal(Stream stream) { return isatty(stream == Stream::Output ? 1 : 2) == 1; }

char ShellQuote() { return '\''; }

std::string ToConsoleText(const std::string& text, Stream) { return ToUtf8(text); }

void IgnoreClosedPipes() { std::signal(SIGPIPE, SIG_IGN); }

int HangUpSignal() { return SIGHUP; }

bool WriteRawOutput(const std::string& bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() && std::fflush(stdout) == 0;
}

namespace {

// The bytes of the character that starts at `c` in `encoding`, as far as its lead byte tells.
size_t CharacterLength(const char* encoding, unsigned char c) {
  if (std::string(encoding) != "UTF-8" || c < 0xC0) return 1;
  return c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
}

// `text` from one encoding to another; a character that has no counterpart,
// or bytes that are no character, become '?'.
std::string Recode(const std::string& text, const char* from, const char* to) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return text;
  std::string out;
  char* in = const_cast<char*>(text.data());
  size_t inLeft = text.size();
  char buffer[256];
  while (inLeft > 0) {
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    size_t done = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<size_t>(outPtr - buffer));
    if (done == static_cast<size_t>(-1) && errno != E2BIG) {
      out += '?';
      const size_t skip = std::min(inLeft, CharacterLength(from, static_cast<unsigned char>(*in)));
      in += skip;
      inLeft -= skip;
    }
  }
  iconv_close(cd);
  return out;
}

}  // namespace

std::string ToUtf8(const std::string& text) { return Recode(text, "CP932", "UTF-8"); }

std::string FromUtf8(const std::string& text) { return Recode(text, "UTF-8", "CP932"); }

std::string FromArgument(const std::string& text) { return FromUtf8(text); }

std::string FullPath(const std::string& path) {
  if (path.empty() || path[0] == '/') return path;
  char dir[PATH_MAX];
  if (!getcwd(dir, sizeof dir)) return path;
  return std::string(dir) + "/" + path;
}

}  // namespace plat
