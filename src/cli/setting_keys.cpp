#include "cli/setting_keys.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "cli/output.h"
#include "cli/text_forms.h"
#include "instrument/number_rule.h"
#include "instrument/value_compare.h"
#include "platform/console.h"

namespace {

std::vector<SettingKey> AllKeys() {
  std::vector<SettingKey> keys;
  for (const inst::Setting& setting : inst::Settings()) {
    const bool numeric = setting.kind == inst::Kind::Number || setting.keyForm == inst::KeyForm::Minutes;
    keys.push_back({setting.key, &setting, nullptr, numeric});
  }
  keys.push_back({"model", nullptr, nullptr, false});
  keys.push_back({"version", nullptr, nullptr, false});
  for (const inst::Reading& reading : inst::Readings())
    if (reading.key) keys.push_back({reading.key, nullptr, &reading, true});
  return keys;
}

// Whether two words are the same but for the case of ASCII letters ("OFF" and "off").
bool SameWord(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// `text` (UTF-8) with each full-width form of an ASCII character (U+FF01 to
// U+FF5E: "１０", "ＯＮ", "．") as that character; `found` tells whether there was one.
std::string HalfWidth(const std::string& text, bool& found) {
  std::string out;
  found = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char lead = text[i];
    if (lead == 0xEF && i + 2 < text.size()) {
      const unsigned code = ((text[i + 1] & 0x3F) << 6) | (text[i + 2] & 0x3F);   // the low 12 bits of U+Fxxx
      const unsigned char second = text[i + 1];
      if ((second == 0xBC || second == 0xBD) && code >= 0xF01 && code <= 0xF5E) {
        out += static_cast<char>(code - 0xF01 + 0x21);
        found = true;
        i += 2;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

bool AllDigits(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// The item of a list setting that `value` names, or -1.
int ItemFor(const inst::Setting& setting, const std::string& value) {
  for (int i = 0; i < inst::ItemCount(setting); ++i) {
    switch (setting.keyForm) {
      case inst::KeyForm::Words:
        if (i < 2 && SameWord(value, setting.words[i])) return i;
        break;
      case inst::KeyForm::Minutes:
        if (AllDigits(value) && std::atoi(value.c_str()) == inst::ItemMinutes(setting, i)) return i;
        break;
      case inst::KeyForm::Item:
        if (SameWord(value, setting.items[i])) return i;
        break;
      case inst::KeyForm::Text:
        break;
    }
  }
  return -1;
}

// What a list setting takes: "expected on or off", "not one of 1, 2, 3".
std::string ListChoices(const inst::Setting& setting) {
  if (setting.keyForm == inst::KeyForm::Words)
    return std::string("expected ") + setting.words[0] + " or " + setting.words[1];
  std::string items;
  for (int i = 0; i < inst::ItemCount(setting); ++i) {
    const std::string item = setting.keyForm == inst::KeyForm::Minutes
                                 ? std::to_string(inst::ItemMinutes(setting, i))
                                 : setting.items[i];
    items += (i > 0 ? ", " : "") + item;
  }
  return "not one of " + items;
}

std::string CheckNumber(const inst::NumberRule& rule, const std::string& value) {
  if (!inst::PassesRule(rule, value.c_str())) return rule.message;
  if (rule.characters > 0 && static_cast<int>(value.size()) > rule.characters)
    return "at most " + std::to_string(rule.characters) + " characters";
  return "";
}

std::string ValueText(const inst::SettingValue& value, const inst::Setting& setting) {
  if (setting.kind == inst::Kind::Number) return inst::NumberForm(setting, value.text);
  if (setting.kind == inst::Kind::Clock) return "";
  if (value.item < 0 || value.item >= inst::ItemCount(setting)) return "";
  switch (setting.keyForm) {
    case inst::KeyForm::Words: return value.item < 2 ? setting.words[value.item] : "";
    case inst::KeyForm::Minutes: return std::to_string(inst::ItemMinutes(setting, value.item));
    default: return setting.items[value.item];
  }
}

std::string SettingText(const inst::InstrumentSettings& values, const inst::Setting& setting) {
  if (setting.kind == inst::Kind::Clock) return values.hasClock ? DateTimeText(values.clock) : "";
  return ValueText(values[setting], setting);
}

}  // namespace

// Made on first use: the catalogue's tables are other files' statics.
const std::vector<SettingKey>& SettingKeys() {
  static const std::vector<SettingKey> keys = AllKeys();
  return keys;
}

const SettingKey* FindSettingKey(const std::string& name) {
  for (const SettingKey& key : SettingKeys())
    if (name == key.name) return &key;
  return nullptr;
}

std::string ReadKey(const inst::InstrumentSettings& values, const SettingKey& key) {
  return key.setting ? SettingText(values, *key.setting) : "";
}

std::string ReadKey(const inst::SettingValue& value, const SettingKey& key) {
  return key.setting ? ValueText(value, *key.setting) : "";
}

std::string ReadKey(const inst::Instrument& instrument, const SettingKey& key) {
  if (key.setting) return SettingText(instrument.Values(), *key.setting);
  if (key.reading) {
    return Unpadded(instrument.ReadingText(*key.reading));
  }
  return Unpadded(key.name == "model" ? instrument.GetIdentity().model : instrument.GetIdentity().version);
}

bool Printed(const SettingKey& key, const inst::Instrument& instrument) {
  return !key.setting || instrument.Offers(*key.setting);
}

int RefuseFailingValues(inst::Instrument& instrument, const std::function<bool(const inst::Setting&)>& among) {
  int refused = 0;
  for (const SettingKey& key : SettingKeys()) {
    if (key.Info() || !Printed(key, instrument) || (among && !among(*key.setting))) continue;
    inst::SettingValue& value = instrument.Values()[*key.setting];
    const std::string problem = CheckValue(key, ReadKey(instrument, key));
    if (problem.empty() || (key.setting->kind == inst::Kind::Number && value.text.empty())) continue;
    PrintError(key.name + ": the instrument's answer fails the check of its value: " + problem);
    value.text.clear();
    ++refused;
  }
  return refused;
}

std::string CheckValue(const SettingKey& key, const std::string& value) {
  if (key.Info()) return "";
  bool fullWidth = false;
  const std::string half = HalfWidth(value, fullWidth);
  if (fullWidth)
    return plat::FromUtf8(value) + " is written in full-width characters: write " + plat::FromUtf8(half) + " instead";
  if (key.setting->kind == inst::Kind::Number) return CheckNumber(key.setting->rule, value);
  return ItemFor(*key.setting, value) < 0 ? ListChoices(*key.setting) : "";
}

void WriteKey(inst::InstrumentSettings& values, const SettingKey& key, const std::string& value) {
  if (key.Info()) return;
  inst::SettingValue given = values[*key.setting];
  if (key.setting->kind == inst::Kind::Number) given.text = value;
  else given.item = ItemFor(*key.setting, value);
  if (!inst::SameValue(*key.setting, given, values[*key.setting])) values[*key.setting] = given;
}
