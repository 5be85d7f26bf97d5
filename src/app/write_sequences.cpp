// The write sequences of user page 1 and maker page 1.
#include "app/tavo_dlg.h"

int CTAVODlg::WriteUser1Settings() { return 0; }
int CTAVODlg::WriteMaker1Settings() { return 0; }
