#include "pages/page_dialog.h"

#include "pages/field_checks.h"

void CPageDialog::CheckField(int id) {
  const FieldCheck* check = FindFieldCheck(GetTemplateId(), id);
  if (!check || m_bWarning) return;
  CWnd field;
  field.Attach(GetDlgItemHandle(id));
  if (PassesCheck(*check, field.GetWindowText())) return;
  m_bWarning = true;
  MessageBox(check->message, check->caption, fw::kMbOk | fw::kMbIconExclamation);
  field.SetFocus();
  m_bWarning = false;
}
