#include "cli/setting_keys.h"

#include <cctype>
#include <cstdlib>

#include "app/tavo_dlg.h"
#include "cli/session.h"
#include "pages/field_checks.h"
#include "res/resource.h"

namespace {

// In the order `read` writes them; the settings first, then the information.
const std::vector<SettingKey> kKeys = {
    {"auto_power_off", KeyKind::OnOff, IDD_USER1, IDC_COMBO_AUTO_POWER_OFF, {"on", "off"}, false, false, false},
    {"memory_interval", KeyKind::Text, IDD_USER1, IDC_EDIT_MEM_INTERVAL, {}, false, false, true},
    {"buzzer", KeyKind::Text, IDD_USER1, IDC_EDIT_BUZZER, {}, false, false, true},
    {"alarm_mode", KeyKind::OnOff, IDD_USER1, IDC_COMBO_ALARM_MODE, {"off", "on"}, false, false, false},
    {"level1", KeyKind::Text, IDD_USER1, IDC_EDIT_LEVEL1, {}, false, false, true},
    {"level2", KeyKind::Text, IDD_USER1, IDC_EDIT_LEVEL2, {}, false, false, true},
    {"level3", KeyKind::Text, IDD_USER1, IDC_EDIT_LEVEL3, {}, false, false, true},
    {"level4", KeyKind::Text, IDD_USER1, IDC_EDIT_LEVEL4, {}, false, false, true},
    {"iot_interval", KeyKind::Minutes, IDD_USER1, IDC_COMBO_IOT_INTERVAL, {}, false, true, true},
    {"iot_start", KeyKind::Text, IDD_USER1, IDC_EDIT_IOT_START, {}, false, true, true},
    {"iot_stop", KeyKind::Text, IDD_USER1, IDC_EDIT_IOT_STOP, {}, false, true, true},
    {"humidity_limit", KeyKind::Text, IDD_MAKER1, IDC_EDIT_HUMIDITY_LIMIT, {}, true, false, true},
    {"model_code", KeyKind::ListItem, IDD_MAKER1, IDC_COMBO_MODEL, {}, true, false, false},
    // What `read` writes besides: the instrument's clock (user page 1's
    // pickers), its model and version, and the measurement (user page 2).
    {"clock", KeyKind::Info, IDD_USER1, 0, {}, false, false, false},
    {"model", KeyKind::Info, IDD_USER2, IDC_STATIC_MODEL_NAME, {}, false, false, false},
    {"version", KeyKind::Info, IDD_USER2, IDC_STATIC_VERSION, {}, false, false, false},
    {"tavo_indoor", KeyKind::Info, IDD_USER2, IDC_STATIC_TAVO_INDOOR, {}, false, false, true},
    {"tavo_outdoor", KeyKind::Info, IDD_USER2, IDC_STATIC_TAVO_OUTDOOR, {}, false, false, true},
    {"air_temp", KeyKind::Info, IDD_USER2, IDC_STATIC_AIR_TEMP, {}, false, false, true},
    {"humidity", KeyKind::Info, IDD_USER2, IDC_STATIC_HUMIDITY, {}, false, false, true},
    {"globe_temp", KeyKind::Info, IDD_USER2, IDC_STATIC_GLOBE_TEMP, {}, false, false, true},
};

CDialog& PageOf(CTAVODlg& dlg, int pageTemplate) {
  if (pageTemplate == IDD_MAKER1) return dlg.m_dlgMaker1;
  if (pageTemplate == IDD_USER2) return dlg.m_dlgUser2;
  return dlg.m_dlgUser1;
}

WindowHandle HandleOf(CTAVODlg& dlg, const SettingKey& key) {
  return PageOf(dlg, key.pageTemplate).GetDlgItemHandle(key.controlId);
}

std::string TextOf(CTAVODlg& dlg, const SettingKey& key) {
  CWnd control;
  control.Attach(HandleOf(dlg, key));
  return control.GetWindowText().str();
}

int SelectionOf(CTAVODlg& dlg, const SettingKey& key) {
  CComboBox list;
  list.Attach(HandleOf(dlg, key));
  return list.GetCurSel();
}

std::vector<std::string> ItemsOf(CTAVODlg& dlg, const SettingKey& key) {
  CComboBox list;
  list.Attach(HandleOf(dlg, key));
  std::vector<std::string> items;
  for (int i = 0; i < list.GetCount(); ++i) {
    CString text;
    list.GetLBText(i, text);
    items.push_back(text.str());
  }
  return items;
}

// The minutes of an IoT interval item such as "10分".
int MinutesOf(const std::string& item) { return std::atoi(item.c_str()); }

// The index of the item `value` names, or -1.
int ItemFor(CTAVODlg& dlg, const SettingKey& key, const std::string& value) {
  const std::vector<std::string> items = ItemsOf(dlg, key);
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    const std::string& item = items[i];
    if (key.kind == KeyKind::OnOff && i < 2 && value == key.words[i]) return i;
    if (key.kind == KeyKind::ListItem && value == item) return i;
    if (key.kind == KeyKind::Minutes && !value.empty() && value.find_first_not_of("0123456789") == std::string::npos &&
        std::atoi(value.c_str()) == MinutesOf(item)) {
      return i;
    }
  }
  return -1;
}

std::string ClockText(CTAVODlg& dlg) {
  fw::DateTime clock;
  return InstrumentClock(dlg, clock) ? DateTimeText(clock) : "";
}

std::string CheckText(CTAVODlg& dlg, const SettingKey& key, const std::string& value) {
  const FieldCheck* check = FindFieldCheck(key.pageTemplate, key.controlId);
  if (!check) return "";
  if (!PassesCheck(*check, value.c_str())) return check->message;
  CEdit edit;
  edit.Attach(PageOf(dlg, key.pageTemplate).GetDlgItemHandle(key.controlId));
  const int limit = edit.GetLimitText();
  edit.Detach();
  if (limit > 0 && static_cast<int>(value.size()) > limit)
    return "at most " + std::to_string(limit) + " characters";
  return "";
}

}  // namespace

const std::vector<SettingKey>& SettingKeys() { return kKeys; }

bool InstrumentClock(CTAVODlg& dlg, fw::DateTime& value) {
  fw::DateTime time;
  if (!dlg.m_dlgUser1.m_dateClock.GetTime(value) || !dlg.m_dlgUser1.m_timeClock.GetTime(time)) return false;
  value.hour = time.hour;
  value.minute = time.minute;
  value.second = time.second;
  value.millisecond = 0;
  return true;
}

const SettingKey* FindSettingKey(const std::string& name) {
  for (const SettingKey& key : kKeys)
    if (name == key.name) return &key;
  return nullptr;
}

std::string ReadKey(CTAVODlg& dlg, const SettingKey& key) {
  switch (key.kind) {
    case KeyKind::Text:
      return TextOf(dlg, key);
    case KeyKind::OnOff: {
      const int index = SelectionOf(dlg, key);
      return index == 0 || index == 1 ? key.words[index] : "";
    }
    case KeyKind::Minutes:
    case KeyKind::ListItem: {
      const int index = SelectionOf(dlg, key);
      const std::vector<std::string> items = ItemsOf(dlg, key);
      if (index < 0 || index >= static_cast<int>(items.size())) return "";
      return key.kind == KeyKind::Minutes ? std::to_string(MinutesOf(items[index])) : items[index];
    }
    case KeyKind::Info: {
      if (key.controlId == 0) return ClockText(dlg);
      std::string text = TextOf(dlg, key);
      text.erase(text.find_last_not_of(' ') + 1);   // the blanks the instrument pads with
      return text;
    }
  }
  return "";
}

std::string CheckValue(CTAVODlg& dlg, const SettingKey& key, const std::string& value) {
  switch (key.kind) {
    case KeyKind::Text:
      return CheckText(dlg, key, value);
    case KeyKind::OnOff:
      return ItemFor(dlg, key, value) < 0 ? std::string("expected ") + key.words[0] + " or " + key.words[1] : "";
    case KeyKind::Minutes:
      return ItemFor(dlg, key, value) < 0 ? "not one of 1, 2, 3, 4, 5, 10, 15, 30, 60" : "";
    case KeyKind::ListItem:
      return ItemFor(dlg, key, value) < 0 ? "not one of 410A, 410B, 420A, 420B, 420AN, 420BN" : "";
    case KeyKind::Info:
      return "";
  }
  return "";
}

void WriteKey(CTAVODlg& dlg, const SettingKey& key, const std::string& value) {
  if (key.kind == KeyKind::Info) return;
  if (key.kind == KeyKind::Text) {
    CWnd control;
    control.Attach(HandleOf(dlg, key));
    control.SetWindowText(value.c_str());
    return;
  }
  const int index = ItemFor(dlg, key, value);
  CComboBox list;
  list.Attach(HandleOf(dlg, key));
  list.SetCurSel(index);
}
