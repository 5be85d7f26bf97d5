// The Read, Set and settings-reset buttons: each runs the sequence of the selected tab.
#include "app/dialog_reporter.h"
#include "app/tavo_dlg.h"

void CTAVODlg::OnButtonRead() {
  SequenceScope sequence(*this);
  switch (m_nCurTab) {
    case 0: ReadUser1Page(); break;
    case 1: ReadUser2Page(); break;
    case 2: ReadMaker1Page(); break;
    case 3: ReadMaker2Page(); break;
    default: break;
  }
}

void CTAVODlg::OnButtonSet() {
  SequenceScope sequence(*this);
  switch (m_nCurTab) {
    case 0: WriteUser1Settings(); break;
    case 1: BulkReadMemory(); break;
    case 2: WriteMaker1Settings(); break;
    default: break;
  }
}

// Success stays silent, and so does a missing link (the button is disabled
// then); the pages keep what they show until the next read.
void CTAVODlg::ResetSettings() {
  SequenceScope sequence(*this);
  DialogReporter reporter(*this);
  m_instrument.Reset(reporter);
}
