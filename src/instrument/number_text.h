// The numbers the page checks read from typed text: the leading numeric part
// of the text, as the C library's atof and atoi take it, the same on every
// system (no hexadecimal, infinity or locale forms).
#pragma once

// Blanks, a sign, digits, a decimal point and digits, then an exponent
// (e, E, d or D, a sign, digits). Text without a leading number gives 0.
double LeadingDecimal(const char* text);

// True when `text` is decimal digits only or, when `fraction` allows it,
// digits, one decimal point and digits ("28.5"): no blank, sign, exponent,
// unit or other character, and not empty.
bool IsPlainNumber(const char* text, bool fraction);

// Blanks, a sign and decimal digits. Text without leading digits gives 0;
// values beyond the range of long are held at its ends.
long LeadingInteger(const char* text);
