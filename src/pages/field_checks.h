// The range checks of the typed values, run when a field loses the keyboard
// focus: the rules of the catalogue's number settings.
#pragma once
#include "instrument/number_rule.h"

// The check of field `id` on page template `templateId`, or null.
const inst::NumberRule* FindFieldCheck(int templateId, int id);
