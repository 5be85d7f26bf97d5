// The read and write sequences of the Read and Set buttons, run by the
// instrument over the pages' values; what they take is shown on the pages at
// once, and each failed step is told in an error box.
#include "app/dialog_reporter.h"
#include "app/tavo_dlg.h"
#include "framework/ui.h"
#include "res/resource.h"

int CTAVODlg::RunSequence(const std::function<int(inst::Reporter&)>& sequence) {
  if (!m_instrument.Connected()) return 0;
  CWaitCursor wait;
  m_instrument.StartSequence();
  DialogReporter reporter(*this);
  TakePageValues(Pages(), m_instrument.Values());
  return sequence(reporter);
}

int CTAVODlg::ReadUser1Page() {
  return RunSequence([this](inst::Reporter& r) { return m_instrument.ReadPage(r, IDD_USER1); });
}

int CTAVODlg::ReadUser2Page() {
  return RunSequence([this](inst::Reporter& r) { return m_instrument.ReadPage(r, IDD_USER2); });
}

int CTAVODlg::ReadMaker1Page() {
  return RunSequence([this](inst::Reporter& r) { return m_instrument.ReadPage(r, IDD_MAKER1); });
}

int CTAVODlg::ReadMaker2Page() {
  const int channel = m_dlgMaker2.m_comboChannel.GetCurSel();
  return RunSequence([this, channel](inst::Reporter& r) { return m_instrument.ReadPage(r, IDD_MAKER2, channel); });
}

int CTAVODlg::WriteUser1Settings() {
  return RunSequence([this](inst::Reporter& r) { return m_instrument.Write(m_instrument.PlanWrite({IDD_USER1}), r); });
}

int CTAVODlg::WriteMaker1Settings() {
  return RunSequence([this](inst::Reporter& r) { return m_instrument.Write(m_instrument.PlanWrite({IDD_MAKER1}), r); });
}
