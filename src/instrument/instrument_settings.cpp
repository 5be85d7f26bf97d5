#include "instrument/instrument_settings.h"

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

}  // namespace inst
