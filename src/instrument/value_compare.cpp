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

bool SameValue(const Setting& setting, const SettingValue& a, const SettingValue& b) {
  switch (setting.kind) {
    case Kind::Number: return NumberForm(setting, a.text) == NumberForm(setting, b.text);
    case Kind::List: return a.item == b.item;
    case Kind::Clock: {
      plat::LocalTime first{}, second{};
      if (ParseClockDigits(a.text, first) && ParseClockDigits(b.text, second))
        return plat::SecondsSince2000(first) == plat::SecondsSince2000(second);
      return a.text == b.text;
    }
  }
  return false;
}

}  // namespace inst
