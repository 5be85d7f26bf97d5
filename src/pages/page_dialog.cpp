#include "pages/page_dialog.h"

#include "instrument/catalogue.h"
#include "pages/field_checks.h"

void CPageDialog::CheckField(int id) {
  const inst::NumberRule* check = FindFieldCheck(GetTemplateId(), id);
  if (!check || m_bWarning) return;
  CWnd field;
  field.Attach(GetDlgItemHandle(id));
  if (inst::PassesRule(*check, field.GetWindowText())) return;
  m_bWarning = true;
  MessageBox(check->message, check->caption, fw::kMbOk | fw::kMbIconExclamation);
  field.SetFocus();
  m_bWarning = false;
}

bool CPageDialog::Dispatch(Notify notify, int id) {
  if (notify != Notify::KillFocus || !FindFieldCheck(GetTemplateId(), id)) return CDialog::Dispatch(notify, id);
  if (ChecksOnFocusLoss(id)) CheckField(id);
  return true;
}

bool CPageDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  for (const inst::Setting& setting : inst::Settings()) {
    if (setting.page != GetTemplateId()) continue;
    if (setting.kind == inst::Kind::List) {
      CComboBox list;
      list.Attach(GetDlgItemHandle(setting.control));
      for (int item = 0; item < inst::ItemCount(setting); ++item) list.AddString(setting.items[item]);
      if (setting.initialItem >= 0) list.SetCurSel(setting.initialItem);
    } else if (setting.kind == inst::Kind::Number) {
      CEdit edit;
      edit.Attach(GetDlgItemHandle(setting.control));
      edit.SetLimitText(setting.rule.characters);
    }
  }
  return true;
}
