// The check of a typed number by its setting's rule: the page's focus-loss
// check, and every front end's before it takes a value.
#pragma once
#include "instrument/catalogue.h"

namespace inst {

// True when `text` passes `rule`: a plain number (digits, and for a decimal
// rule at most one decimal point between digits) within the range, or an
// empty text where the rule lets it pass.
bool PassesRule(const NumberRule& rule, const char* text);

}  // namespace inst
