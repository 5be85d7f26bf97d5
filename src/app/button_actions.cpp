// The actions of the Read, Set and settings-reset buttons. Each is
// filled in as the link to the instrument and its commands are built.
#include "app/tavo_dlg.h"

void CTAVODlg::OnButtonRead() {}

void CTAVODlg::OnButtonSet() {}

void CTAVODlg::ResetSettings() {}
