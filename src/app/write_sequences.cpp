// The write sequences of user page 1 and maker page 1, run by the core over
// the pages' values: only the setting groups that differ from the snapshot
// are sent, in a fixed order, each acknowledged or resent, with one retry
// counter for the whole sequence.
#include "app/tavo_dlg.h"
#include "commands/setting_command.h"
#include "framework/ui.h"

namespace {

// What the user is told: a message box per failed step; the pause between
// two commands; what a read took is shown on the pages at once.
class DialogReporter : public inst::Reporter {
public:
  explicit DialogReporter(CTAVODlg& dlg) : m_dlg(dlg) {}
  void Tell(const char* message, const char* caption, inst::Icon icon) override {
    const unsigned type = icon == inst::Icon::Error ? fw::kMbIconError : fw::kMbIconExclamation;
    m_dlg.MessageBox(message, caption, fw::kMbOk | type);
  }
  void Pause() override { m_dlg.PauseBetweenCommands(); }
  void Taken(char letter, const inst::InstrumentSettings& values) override { ShowReplySettings(m_dlg, letter, values); }
  void Written(inst::Group group, bool acknowledged) override {
    if (m_dlg.m_onGroupWritten) m_dlg.m_onGroupWritten(group, acknowledged);
  }
  bool Stopped() override { return m_dlg.m_stopWriting && m_dlg.m_stopWriting(); }

private:
  CTAVODlg& m_dlg;
};

}  // namespace

inst::Instrument CTAVODlg::Instrument() {
  inst::Instrument instrument;
  instrument.link = m_pSerial;
  instrument.iot = m_bIoTUnit != 0;
  instrument.values = PageValues(*this);
  instrument.snapshot = m_snapshot;
  return instrument;
}

int CTAVODlg::RunSequence(int (*sequence)(inst::Instrument&, inst::Reporter&)) {
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
