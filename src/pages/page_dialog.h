// What the four page dialogs share: creation as a modeless child of the tab
// control and the Enter/Escape filter.
#pragma once
#include "framework/dialog.h"
#include "pages/key_filter.h"

class CPageDialog : public CDialog {
public:
  explicit CPageDialog(int templateId) : CDialog(templateId) {}

  bool PreTranslateMessage(fw::Msg* pMsg) override {
    return IsEnterOrEscapeKeyDown(*pMsg) || CDialog::PreTranslateMessage(pMsg);
  }
  // A page is never closed by the dialog manager.
  void OnOK() override {}
  void OnCancel() override {}
};
