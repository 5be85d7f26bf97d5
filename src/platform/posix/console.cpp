#include "platform/console.h"

#include <iconv.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace plat {

bool IsTerminal(Stream stream) { return isatty(stream == Stream::Output ? 1 : 2) == 1; }

std::string ToConsoleText(const std::string& text, Stream) { return ToUtf8(text); }

std::string ToUtf8(const std::string& text) {
  iconv_t cd = iconv_open("UTF-8", "CP932");
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
    if (done == static_cast<size_t>(-1) && errno != E2BIG) {   // a byte that is no character
      out += '?';
      ++in;
      --inLeft;
    }
  }
  iconv_close(cd);
  return out;
}

std::string FullPath(const std::string& path) {
  if (path.empty() || path[0] == '/') return path;
  char dir[PATH_MAX];
  if (!getcwd(dir, sizeof dir)) return path;
  return std::string(dir) + "/" + path;
}

}  // namespace plat
