// The settings snapshot: what each setting control showed when the instrument
// was last read, or when the setting was last acknowledged.
#include "app/tavo_dlg.h"
#include "commands/setting_command.h"
#include "res/resource.h"

void CTAVODlg::ClearSnapshot() { m_snapshot = inst::InstrumentSettings(); }

void CTAVODlg::TakeUser1Snapshot() { inst::CopyPage(IDD_USER1, PageValues(*this), m_snapshot); }

void CTAVODlg::TakeHumidityLimitSnapshot() {
  inst::CopyGroup(inst::Group::HumidityLimit, PageValues(*this), m_snapshot);
}

void CTAVODlg::TakeModelCodeSnapshot() { inst::CopyGroup(inst::Group::ModelCode, PageValues(*this), m_snapshot); }
