// What the four page dialogs share: creation as a modeless child of the tab
// control, the Enter/Escape filter, and the range checks of their fields.
#pragma once
#include "framework/dialog.h"
#include "pages/key_filter.h"

class CPageDialog : public CDialog {
public:
  explicit CPageDialog(int templateId) : CDialog(templateId) {}

  // Binds the controls, then gives the page's settings (see the catalogue)
  // their edit limits, their lists' items and the items selected first.
  bool OnInitDialog() override;

  // An edit of one of the page's number settings (see the catalogue) is
  // checked by its rule when it loses the focus; the rest as the map says.
  bool Dispatch(Notify notify, int id) override;

  bool PreTranslateMessage(fw::Msg* pMsg) override {
    return IsEnterOrEscapeKeyDown(*pMsg) || CDialog::PreTranslateMessage(pMsg);
  }
  // A page is never closed by the dialog manager.
  void OnOK() override {}
  void OnCancel() override {}

protected:
  // Whether field `id` is checked when it loses the focus; every one by default.
  virtual bool ChecksOnFocusLoss(int id) const {
    (void)id;
    return true;
  }
  // Checks the text of field `id` as it is left: out of range, a warning owned
  // by the page, then the focus back into the field, its text unchanged.
  // Fields left while an earlier warning is being handled are not checked
  // again, so two rejected fields cannot pass the focus back and forth.
  void CheckField(int id);

private:
  bool m_bWarning = false;
};
