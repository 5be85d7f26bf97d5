// The read sequences of the four pages, run by the core: queries in a fixed
// order, a pause of SendDelay between two of them, one error box per failed
// step, each reply shown on the pages at once.
#include "app/tavo_dlg.h"
#include "instrument/page_reads.h"

// The snapshot is taken from the pages when every query was answered.
int CTAVODlg::ReadUser1Page() {
  const int result = RunSequence(&inst::ReadUser1Settings);
  if (result) TakeUser1Snapshot();
  return result;
}

int CTAVODlg::ReadUser2Page() { return RunSequence(&inst::ReadUser2Page); }

int CTAVODlg::ReadMaker1Page() { return RunSequence(&inst::ReadMaker1Page); }

int CTAVODlg::ReadMaker2Page() {
  const int channel = m_dlgMaker2.m_comboChannel.GetCurSel();
  return RunSequence([channel](inst::Instrument& instrument, inst::Reporter& reporter) {
    return inst::ReadMaker2Page(instrument, reporter, channel);
  });
}
