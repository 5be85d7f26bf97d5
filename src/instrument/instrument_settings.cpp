#include "instrument/instrument_settings.h"

#include "instrument/setting_values.h"

namespace inst {

InstrumentSettings::InstrumentSettings() {
  for (const Setting& setting : Settings()) {
    SettingValue value;
    value.item = setting.initialItem;
    m_values.push_back(value);
  }
}

SettingValue& InstrumentSettings::operator[](const Setting& setting) {
  return m_values[static_cast<size_t>(SettingIndex(setting))];
}

const SettingValue& InstrumentSettings::operator[](const Setting& setting) const {
  return m_values[static_cast<size_t>(SettingIndex(setting))];
}

void InstrumentSettings::SetClock(const plat::LocalTime* value) {
  std::string digits;
  hasClock = value != nullptr;
  clock = value ? *value : plat::LocalTime{};
  clock.millisecond = 0;
  (*this)["clock"].text = value && ClockDigits(*value, digits) ? digits : "";
}

void InstrumentSettings::SetClockByUser(const plat::LocalTime& value) {
  SetClock(&value);
  clockSetByUser = true;
}

namespace {
void CopySetting(const Setting& setting, const InstrumentSettings& from, InstrumentSettings& to) {
  to[setting] = from[setting];
  if (setting.kind != Kind::Clock) return;
  to.hasClock = from.hasClock;
  to.clock = from.clock;
}
}  // namespace

void CopyGroup(Group group, const InstrumentSettings& from, InstrumentSettings& to) {
  for (const Setting* setting : GroupSettings(group)) CopySetting(*setting, from, to);
}

void CopyPage(int page, const InstrumentSettings& from, InstrumentSettings& to) {
  for (const Setting& setting : Settings())
    if (setting.page == page) CopySetting(setting, from, to);
}

}  // namespace inst
