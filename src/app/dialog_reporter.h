// What the user of TAVO.exe is told by the instrument's sequences: a message
// box per failed step; what a read took is shown on the pages at once (PageView).
#pragma once
#include "pages/page_view.h"

class CTAVODlg;

class DialogReporter : public PageView {
public:
  explicit DialogReporter(CTAVODlg& dlg);
  void Tell(const char* message, const char* caption, inst::Icon icon) override;

private:
  CTAVODlg& m_dlg;
};
