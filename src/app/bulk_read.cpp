// User page 2's Set button ("一括取得"): the instrument's memory records into a CSV file.
#include "app/tavo_dlg.h"

void CTAVODlg::BulkReadMemory() {}
