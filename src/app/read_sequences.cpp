// The read sequences of the four pages.
#include "app/tavo_dlg.h"

int CTAVODlg::ReadUser1Page() { return 0; }
int CTAVODlg::ReadUser2Page() { return 0; }
int CTAVODlg::ReadMaker1Page() { return 0; }
int CTAVODlg::ReadMaker2Page() { return 0; }
