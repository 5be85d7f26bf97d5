// Maker page 2 (template 145): twenty raw A/D values of a chosen channel.
#pragma once
#include "pages/page_dialog.h"
#include "res/resource.h"

class CDlg8 : public CPageDialog {
public:
  CDlg8() : CPageDialog(IDD_MAKER2) {}
};
