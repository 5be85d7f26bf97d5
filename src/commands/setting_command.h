// What the settings commands have in common: a query whose reply is taken
// into values and shown in the pages, and the setting frame of a group built
// from the pages' values and sent without waiting.
#pragma once
#include <string>

#include "instrument/catalogue.h"
#include "instrument/instrument_settings.h"

class CCommandContext;
class CPageDialog;

// Runs the query of `letter` and shows the settings its reply holds, each in
// its control (see the catalogue).
int QuerySettings(CCommandContext& context, char letter);
// Shows the settings that the reply of `letter` gave, each in its control.
void ShowReplySettings(CCommandContext& context, char letter, const inst::InstrumentSettings& values);

// The page of the template `page`.
CPageDialog& PageOf(CCommandContext& context, int page);

// The settings as the pages show them now.
inst::InstrumentSettings PageValues(CCommandContext& context);

// Sends the frame of `group` built from the pages' values (an acknowledgement
// is awaited once it went out). 1 when every byte was written; 0 without a
// link, when a write failed, or when the values cannot be sent (nothing goes
// out then).
int SendGroup(CCommandContext& context, inst::Group group);
