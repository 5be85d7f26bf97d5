// The numbers the page checks read from typed text: the leading numeric part
// of the text, as the C library's atof and atoi take it, the same on every
// system (no hexadecimal, infinity or locale forms).
#pragma once

// Blanks, a sign, digits, a decimal point and digits, then an exponent
// (e, E, d or D, a sign, digits). Text without a leading number gives 0.
double LeadingDecimal(const char* text);

// Blanks, a sign and decimal digits. Text without leading digits gives 0;
// values beyond the range of long are held at its ends.
long LeadingInteger(const char* text);
