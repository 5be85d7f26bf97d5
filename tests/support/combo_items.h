// The items of a combo box as the user sees them, in order.
#pragma once
#include <string>
#include <vector>

#include "framework/wnd.h"

inline std::vector<std::string> ComboItems(const CComboBox& combo) {
  std::vector<std::string> items;
  for (int i = 0; i < combo.GetCount(); ++i) {
    CString item;
    combo.GetLBText(i, item);
    items.push_back(item.str());
  }
  return items;
}
