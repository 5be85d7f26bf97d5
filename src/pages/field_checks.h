// The range checks of the typed values, run when a field loses the keyboard focus.
#pragma once

struct FieldCheck {
  int id;                // the edit
  bool decimal;          // read with a fraction, else as a whole number
  double low, high;      // accepted range, bounds included
  bool zeroAllowed;      // 0 is accepted besides the range
  bool emptyRejected;    // an empty text is rejected (else it passes unread)
  const char* message;
  const char* caption;
};

// The check of field `id` on page template `templateId`, or null.
const FieldCheck* FindFieldCheck(int templateId, int id);

// True when `text` passes `check`: a plain number (digits, and for a decimal
// field at most one decimal point between digits) within the range, or an
// empty text where the check lets it pass.
bool PassesCheck(const FieldCheck& check, const char* text);
