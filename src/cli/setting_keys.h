// The keys of a settings file: each setting of the catalogue under its own
// key, then what `read` writes besides as information (the clock, the model,
// the version and the measurement). Reading an instrument fills the values
// and the keys are read from them; applying a file puts its values into the
// same values, from which the core's write sequences send what differs from
// what the instrument holds.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "instrument/catalogue.h"
#include "instrument/instrument.h"

struct SettingKey {
  std::string name;
  const inst::Setting* setting;   // the setting; null for information
  const inst::Reading* reading;   // the measurement: its reading
  bool numeric;   // a number in JSON output
  // Read only: written by `read`, ignored by `apply`.
  bool Info() const { return !setting || setting->kind == inst::Kind::Clock; }
};

const std::vector<SettingKey>& SettingKeys();
const SettingKey* FindSettingKey(const std::string& name);

// The value of `key` as the instrument's values hold it ("" when there is none).
std::string ReadKey(const inst::Instrument& instrument, const SettingKey& key);
// The value of the setting `key` as `values` hold it ("" for information).
std::string ReadKey(const inst::InstrumentSettings& values, const SettingKey& key);
// The value `value` of the setting `key` ("" for information and the clock).
std::string ReadKey(const inst::SettingValue& value, const SettingKey& key);

// Checks `value` for `key` with the rule the page applies to typed values
// and the items the lists offer. Empty when it passes, else what is wrong
// (the page's own message where it has one, in the program's code page).
std::string CheckValue(const SettingKey& key, const std::string& value);

// True when a read prints `key`: information always, a setting when the
// instrument offers it (see inst::Instrument::Offers).
bool Printed(const SettingKey& key, const inst::Instrument& instrument);

// After a read: each setting printed (and `among`, when given) whose value
// fails the page's check (a number damaged on the line or out of range, a
// list that came without an item) fails its query: it is told, naming its
// key, and its value emptied, so that none is shown. How many there were.
int RefuseFailingValues(inst::Instrument& instrument,
                        const std::function<bool(const inst::Setting&)>& among = nullptr);

// Puts a checked `value` of `key` into `values`, unless they hold that value
// already (in another form, perhaps): the write sequences send a group whose
// texts changed, and the same value is no change.
void WriteKey(inst::InstrumentSettings& values, const SettingKey& key, const std::string& value);
