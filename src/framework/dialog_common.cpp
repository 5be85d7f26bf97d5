// The parts of CDialog that are the same on both back ends.
#include "framework/dialog.h"

CDialog::CDialog(int templateId, CWnd* parent) : m_templateId(templateId), m_pParent(parent) {}

CDialog::~CDialog() {
  DestroyWindow();
}

bool CDialog::OnInitDialog() {
  CDataExchange dx(*this);
  DoDataExchange(&dx);
  return true;
}

void CDialog::DoDataExchange(CDataExchange*) {}

bool CDialog::PreTranslateMessage(fw::Msg*) { return false; }

void CDialog::OnOK() { EndDialog(fw::kIdOk); }
void CDialog::OnCancel() { EndDialog(fw::kIdCancel); }
void CDialog::OnClose() { OnCancel(); }

bool CDialog::OnCtlColor(CWnd&, fw::Colour&) { return false; }

const MessageMap& CDialog::GetMessageMap() const {
  static const MessageMap empty;
  return empty;
}

bool CDialog::Dispatch(Notify notify, int id) {
  for (const MessageMapEntry& entry : GetMessageMap()) {
    if (entry.notify == notify && entry.id == id) {
      (this->*entry.handler)();
      return true;
    }
  }
  return false;
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
  control.Attach(pDX->m_dialog.GetDlgItemHandle(id));
}
