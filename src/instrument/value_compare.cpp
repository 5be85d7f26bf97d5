#include "instrument/value_compare.h"

#include <cmath>
#include <cstdio>

#include "instrument/number_text.h"
#include "instrument/setting_values.h"

namespace inst {

std::string NumberForm(const Setting& setting, const std::string& text) {
  if (!IsPlainNumber(text.c_str(), setting.rule.decimal)) return text;
  char form[48];
  if (setting.rule.decimal) {
    const double tenths = std::round(LeadingDecimal(text.c_str()) * 10.0);
    std::snprintf(form, sizeof form, "%.1f", tenths / 10.0);
  } else {
    std::snprintf(form, sizeof form, "%ld", LeadingInteger(text.c_str()));
  }
  return form;
}

namespace {

// The same date and time to the second, whatever the year.
bool SameTime(const plat::LocalTime& a, const plat::LocalTime& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour && a.minute == b.minute &&
         a.second == b.second;
}

// The same item, as a list's selection is compared: by its 8 bits.
bool SameItem(int a, int b) { return static_cast<unsigned char>(a) == static_cast<unsigned char>(b); }

}  // namespace

bool SameValue(const Setting& setting, const SettingValue& a, const SettingValue& b) {
  switch (setting.kind) {
    case Kind::Number: return NumberForm(setting, a.text) == NumberForm(setting, b.text);
    case Kind::List: return SameItem(a.item, b.item);
    case Kind::Clock: return a.text == b.text;   // its one form, YYMMDDhhmmss, is to the second
  }
  return false;
}

bool Differs(const Setting& setting, const InstrumentSettings& values, const InstrumentSettings& snapshot) {
  const SettingValue& now = values[setting];
  const SettingValue& held = snapshot[setting];
  switch (setting.kind) {
    case Kind::List: return !SameItem(now.item, held.item);
    case Kind::Number: return now.text != held.text;
    case Kind::Clock:
      if (!snapshot.hasClock) return values.clockSetByUser;
      return !values.hasClock || !SameTime(values.clock, snapshot.clock);
  }
  return false;
}

}  // namespace inst
