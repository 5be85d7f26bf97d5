// CString: the framework's narrow text (code page 932 bytes).
#pragma once
#include <string>

#include "platform/code_page.h"

class CString {
public:
  CString() = default;
  CString(const char* text) : m_text(text ? text : "") {}
  CString(const char* text, int length) : m_text(text, static_cast<size_t>(length)) {}
  CString(const std::string& text) : m_text(text) {}

  operator const char*() const { return m_text.c_str(); }
  const std::string& str() const { return m_text; }

  int GetLength() const { return static_cast<int>(m_text.size()); }
  bool IsEmpty() const { return m_text.empty(); }
  void Empty() { m_text.clear(); }
  char GetAt(int index) const { return m_text[static_cast<size_t>(index)]; }

  // printf-style formatting; replaces the text.
  void Format(const char* format, ...);
  // Upper case for single-byte letters; double-byte (lead and trail) bytes are kept.
  CString& MakeUpper();
  CString Left(int count) const;

  CString& operator=(const char* text) { m_text = text ? text : ""; return *this; }
  CString& operator+=(const CString& other) { m_text += other.m_text; return *this; }
  CString& operator+=(char c) { m_text += c; return *this; }
  friend CString operator+(const CString& a, const CString& b) { return CString(a.m_text + b.m_text); }
  friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
  friend bool operator!=(const CString& a, const CString& b) { return a.m_text != b.m_text; }
  friend bool operator==(const CString& a, const char* b) { return a.m_text == (b ? b : ""); }
  friend bool operator!=(const CString& a, const char* b) { return !(a == b); }

private:
  std::string m_text;
};
