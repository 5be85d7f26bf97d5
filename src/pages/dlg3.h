// User page 1 (template 140): the settings a user may change.
#pragma once
#include "pages/page_dialog.h"
#include "res/resource.h"

class CDlg3 : public CPageDialog {
public:
  CDlg3() : CPageDialog(IDD_USER1) {}
};
