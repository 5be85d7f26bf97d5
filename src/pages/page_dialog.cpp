#include "pages/page_dialog.h"

#include "pages/field_checks.h"

const FieldCheck* CPageDialog::FailedCheck(int id, bool textNeeded) const {
  const FieldCheck* check = FindFieldCheck(GetTemplateId(), id);
  if (!check) return nullptr;
  CWnd field;
  field.Attach(GetDlgItemHandle(id));
  const CString text = field.GetWindowText();
  return (textNeeded && text.IsEmpty()) || !PassesCheck(*check, text) ? check : nullptr;
}

void CPageDialog::CheckField(int id) {
  const FieldCheck* check = FailedCheck(id);
  if (!check || m_bWarning) return;
  CWnd field;
  field.Attach(GetDlgItemHandle(id));
  m_bWarning = true;
  MessageBox(check->message, check->caption, fw::kMbOk | fw::kMbIconExclamation);
  field.SetFocus();
  m_bWarning = false;
}
