// Settings compared as values, by their kind, so that the same value in
// another form ("09" and "9", "30" and "30.0") is the same setting: a number
// by its value at its field's precision, a list by its item, the clock by
// its time. And the one form a number is written in.
#pragma once
#include <string>

#include "instrument/catalogue.h"
#include "instrument/instrument_settings.h"

namespace inst {

// The one form of a number setting's text: a plain number (as the page's
// check reads one) without leading zeros, with one decimal for a field that
// has one ("028.5" and "28.50" are "28.5", "30" is "30.0", "09" is "9"). Any
// other text (empty, or no plain number) as it is.
std::string NumberForm(const Setting& setting, const std::string& text);

// True when `a` and `b` hold the same value of `setting`.
bool SameValue(const Setting& setting, const SettingValue& a, const SettingValue& b);

// Whether the value of `setting` in `values` differs from what the
// instrument holds (`snapshot`), as the write sequences decide what to send:
// a text as the page shows it (another form of the same number is sent, as
// typed), a list by its 8-bit item, the clock by its time to the second.
// Before the clock was ever read or set, only a clock the user set counts.
bool Differs(const Setting& setting, const InstrumentSettings& values, const InstrumentSettings& snapshot);

}  // namespace inst
