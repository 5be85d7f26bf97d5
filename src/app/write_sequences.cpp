// The write sequences of user page 1 and maker page 1, run by the core over
// the pages' values: only the setting groups that differ from the snapshot
// are sent, in a fixed order, each acknowledged or resent, with one retry
// counter for the whole sequence.
#include "app/dialog_reporter.h"
#include "app/tavo_dlg.h"
#include "commands/page_reporter.h"
#include "framework/ui.h"

inst::Instrument CTAVODlg::Instrument() {
  inst::Instrument instrument = InstrumentOf(*this);
  instrument.snapshot = m_snapshot;
  return instrument;
}

int CTAVODlg::RunSequence(const std::function<int(inst::Instrument&, inst::Reporter&)>& sequence) {
  if (!m_pSerial) return 0;
  CWaitCursor wait;
  DialogReporter reporter(*this);
  inst::Instrument instrument = Instrument();
  const int result = sequence(instrument, reporter);
  m_snapshot = instrument.snapshot;
  return result;
}

int CTAVODlg::WriteUser1Settings() { return RunSequence(&inst::WriteUser1Settings); }

int CTAVODlg::WriteMaker1Settings() { return RunSequence(&inst::WriteMaker1Settings); }
