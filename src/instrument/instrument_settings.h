// The instrument's settings as values, independent of any window: per setting
// of the catalogue its text (as a page shows it) or its list item ("none" is
// -1), and the clock. A front end fills them from replies or from what the
// user gave, and the setting frames are built from them.
#pragma once
#include <string>
#include <vector>

#include "instrument/catalogue.h"
#include "platform/clock.h"

namespace inst {

struct SettingValue {
  std::string text;   // Number: the text; Clock: YYMMDDhhmmss of the clock, empty without one
  int item = -1;      // List: the item, -1 for none
};

class InstrumentSettings {
public:
  // Every text empty, every list at the item its page starts with, no clock.
  InstrumentSettings();

  SettingValue& operator[](const Setting& setting);
  const SettingValue& operator[](const Setting& setting) const;
  // The value of the setting `key` of the catalogue (which has it).
  SettingValue& operator[](const char* key) { return (*this)[*FindSetting(key)]; }
  const SettingValue& operator[](const char* key) const { return (*this)[*FindSetting(key)]; }

  // The clock: set only through SetClock, which keeps its text with it.
  bool hasClock = false;
  plat::LocalTime clock{};   // the date and the time of day, when hasClock
  // Sets the clock to `value` (to the second), or to none for null.
  void SetClock(const plat::LocalTime* value);
  // The clock was set by the user rather than read: before the clock was ever
  // read or set (its snapshot text empty), only such a clock is sent.
  bool clockSetByUser = false;
  // Sets the clock as the user sets it (to the second). A year the
  // instrument cannot keep (kFirstClockYear-kLastClockYear) is kept here, and its frame
  // then cannot be built.
  void SetClockByUser(const plat::LocalTime& value);

private:
  std::vector<SettingValue> m_values;   // in catalogue order
};

// Copies the settings of `group` (or of page `page`) from `from` to `to`, the
// clock with its time.
void CopyGroup(Group group, const InstrumentSettings& from, InstrumentSettings& to);
void CopyPage(int page, const InstrumentSettings& from, InstrumentSettings& to);

}  // namespace inst
