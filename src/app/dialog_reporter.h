// What the user of TAVO.exe is told by the instrument's sequences: a message
// box per failed step; what a read took is shown on the pages at once, by
// the pages' view.
#pragma once
#include "pages/page_view.h"

class CTAVODlg;

class DialogReporter : public inst::Reporter {
public:
  explicit DialogReporter(CTAVODlg& dlg);
  void Tell(const char* message, const char* caption, inst::Icon icon) override;
  void Taken(char letter, const inst::Instrument& instrument) override { m_view.Taken(letter, instrument); }
  void AsShown(char letter, inst::InstrumentSettings& values) override { m_view.AsShown(letter, values); }
  void Shown(int page, char letter, const inst::Instrument& instrument) override {
    m_view.Shown(page, letter, instrument);
  }

private:
  CTAVODlg& m_dlg;
  PageView m_view;
};
