// User page 2 (template 141): auto power-off, clock, model, version and the latest measurement.
#pragma once
#include "pages/page_dialog.h"
#include "res/resource.h"

class CDlg4 : public CPageDialog {
public:
  CDlg4() : CPageDialog(IDD_USER2) {}
};
