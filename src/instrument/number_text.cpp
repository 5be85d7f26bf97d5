#include "instrument/number_text.h"

#include <cctype>
#include <climits>
#include <cstdlib>
#include <string>

namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

const char* SkipBlanks(const char* p) {
  while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\v' || *p == '\f') ++p;
  return p;
}

// Copies the digits at `p` into `out`; returns how many there were.
int TakeDigits(const char*& p, std::string& out) {
  int count = 0;
  for (; IsDigit(*p); ++p, ++count) out += *p;
  return count;
}

}  // namespace

bool IsPlainNumber(const char* text, bool fraction) {
  if (!text) return false;
  std::string ignored;
  const char* p = text;
  if (TakeDigits(p, ignored) == 0) return false;
  if (fraction && *p == '.') {
    ++p;
    if (TakeDigits(p, ignored) == 0) return false;
  }
  return *p == '\0';
}

double LeadingDecimal(const char* text) {
  if (!text) return 0.0;
  const char* p = SkipBlanks(text);
  std::string number;
  if (*p == '+' || *p == '-') number += *p++;
  int digits = TakeDigits(p, number);
  if (*p == '.') {
    number += *p++;
    digits += TakeDigits(p, number);
  }
  if (digits == 0) return 0.0;
  if (*p == 'e' || *p == 'E' || *p == 'd' || *p == 'D') {
    const char* q = p + 1;
    std::string exponent = "e";
    if (*q == '+' || *q == '-') exponent += *q++;
    if (TakeDigits(q, exponent) > 0) number += exponent;
  }
  return std::strtod(number.c_str(), nullptr);
}

long LeadingInteger(const char* text) {
  if (!text) return 0;
  const char* p = SkipBlanks(text);
  bool negative = *p == '-';
  if (*p == '+' || *p == '-') ++p;
  long value = 0;
  for (; IsDigit(*p); ++p) {
    int digit = *p - '0';
    if (value > (LONG_MAX - digit) / 10) return negative ? LONG_MIN : LONG_MAX;
    value = value * 10 + digit;
  }
  return negative ? -value : value;
}
