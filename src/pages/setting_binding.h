// The pages' side of the catalogue: a setting's value shown in its control,
// and taken from it, by the control the catalogue names.
#pragma once
#include "instrument/catalogue.h"
#include "instrument/instrument_settings.h"
#include "pages/page_dialog.h"

// Shows the value of `setting` in its control on `page` (the page the
// catalogue names): an edit's text, a list's item (none for -1), the clock in
// both pickers.
void ShowSetting(CPageDialog& page, const inst::Setting& setting, const inst::InstrumentSettings& values);

// Takes the value of `setting` from its control on `page`; the clock is the
// date of one picker and the time of day of the other, none when either
// holds none.
void TakeSetting(const CPageDialog& page, const inst::Setting& setting, inst::InstrumentSettings& values);
