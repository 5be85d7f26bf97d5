// The settings commands as the main dialog's pages run them, one at a time:
// the query of one letter with its reply shown on the pages, and the frame of
// one group built from the pages' values and sent without awaiting its
// acknowledgement (the write sequences await it).
#pragma once
#include <functional>
#include <string>

#include "app/tavo_dlg.h"
#include "instrument/setting_codec.h"
#include "link/serial.h"
#include "link/transactions.h"

using PageCommand = std::function<int(CTAVODlg&)>;

inline PageCommand Get(char letter) {
  return [letter](CTAVODlg& d) {
    PageView view(d.Pages());
    return d.m_instrument.ReadSettings(view, letter);
  };
}

// `head` names the frame ("B", "sa").
inline PageCommand Set(const char* head) {
  return [head](CTAVODlg& d) {
    const inst::Group group = inst::FindGroup(head);
    TakePageValues(d.Pages(), d.m_instrument.Values());
    std::string frame;
    CSerial* link = d.m_instrument.Link();
    return link && inst::GroupFrame(group, d.m_instrument.Values(), frame) ? SendSettingFrame(*link, frame) : 0;
  };
}
