#include "pages/page_dialog.h"

#include "instrument/catalogue.h"
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

bool CPageDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  for (const inst::Setting& setting : inst::Settings()) {
    if (setting.page != GetTemplateId()) continue;
    if (setting.kind == inst::Kind::List && setting.initialItem >= 0) {
      CComboBox list;
      list.Attach(GetDlgItemHandle(setting.control));
      list.SetCurSel(setting.initialItem);
    } else if (setting.kind == inst::Kind::Number) {
      CEdit edit;
      edit.Attach(GetDlgItemHandle(setting.control));
      edit.SetLimitText(setting.rule.characters);
    }
  }
  return true;
}
