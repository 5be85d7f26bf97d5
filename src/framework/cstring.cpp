#include "framework/cstring.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

void CString::Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  int needed = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::vector<char> buffer(static_cast<size_t>(needed < 0 ? 0 : needed) + 1);
  std::vsnprintf(buffer.data(), buffer.size(), format, args);
  va_end(args);
  m_text.assign(buffer.data(), buffer.size() - 1);
}

CString& CString::MakeUpper() {
  for (size_t i = 0; i < m_text.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(m_text[i]);
    if (IsLeadByte932(c)) {
      ++i;  // keep the trail byte as it is
    } else if (c >= 'a' && c <= 'z') {
      m_text[i] = static_cast<char>(c - 'a' + 'A');
    }
  }
  return *this;
}

CString CString::Left(int count) const {
  if (count < 0) count = 0;
  return CString(m_text.substr(0, static_cast<size_t>(count)));
}

