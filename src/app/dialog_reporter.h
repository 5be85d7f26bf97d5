// What the user of TAVO.exe is told by the core's sequences: a message box
// per failed step; the pause between two commands; what a read took is shown
// on the pages at once (PageReporter).
#pragma once
#include "commands/page_reporter.h"

class CTAVODlg;

class DialogReporter : public PageReporter {
public:
  explicit DialogReporter(CTAVODlg& dlg);
  void Tell(const char* message, const char* caption, inst::Icon icon) override;
  void Pause() override;

private:
  CTAVODlg& m_dlg;
};
