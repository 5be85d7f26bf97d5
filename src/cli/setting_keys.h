// The keys of a settings file and the page controls behind them. Reading an
// instrument fills the controls and the keys are read from them; applying a
// file puts its values into the same controls, from which the dialog's write
// sequences send what differs from what the instrument holds.
#pragma once
#include <string>
#include <vector>

#include "framework/types.h"

class CTAVODlg;

enum class KeyKind {
  Text,        // an edit's text, checked as the page checks it
  OnOff,       // a two-item list: `words` name item 0 and item 1
  Minutes,     // the IoT start interval list, by the minutes of its items
  ListItem,    // a list, by the text of its items (the model code)
  Info         // read only: written by `read`, ignored by `apply`
};

struct SettingKey {
  const char* name;
  KeyKind kind;
  int pageTemplate;   // the page of the control
  int controlId;
  const char* words[2];   // OnOff: the words of items 0 and 1
  bool maker;         // only with --maker
  bool iot;           // only for instruments with an IoT unit
  bool numeric;       // a number in JSON output
};

const std::vector<SettingKey>& SettingKeys();
const SettingKey* FindSettingKey(const std::string& name);

// The value of `key` as the dialog's controls show it ("" when there is none).
std::string ReadKey(CTAVODlg& dlg, const SettingKey& key);

// Checks `value` for `key` with the rules the page applies to typed values
// and the items the lists offer. Empty when it passes, else what is wrong
// (the page's own message where it has one, in the program's code page).
std::string CheckValue(CTAVODlg& dlg, const SettingKey& key, const std::string& value);

// The instrument's clock as user page 1's pickers show it (the date of one,
// the time of day of the other); false when they hold none.
bool InstrumentClock(CTAVODlg& dlg, fw::DateTime& value);

// Puts a checked `value` into the control of `key`.
void WriteKey(CTAVODlg& dlg, const SettingKey& key, const std::string& value);
