#include "app/dialog_reporter.h"

#include "app/tavo_dlg.h"
#include "commands/setting_command.h"
#include "framework/ui.h"

void DialogReporter::Tell(const char* message, const char* caption, inst::Icon icon) {
  const unsigned type = icon == inst::Icon::Error ? fw::kMbIconError : fw::kMbIconExclamation;
  m_dlg.MessageBox(message, caption, fw::kMbOk | type);
}

void DialogReporter::Pause() { m_dlg.PauseBetweenCommands(); }

void DialogReporter::Taken(char letter, const inst::InstrumentSettings& values) {
  ShowReplySettings(m_dlg, letter, values);
}

void DialogReporter::Written(inst::Group group, bool acknowledged) {
  if (m_dlg.m_onGroupWritten) m_dlg.m_onGroupWritten(group, acknowledged);
}

bool DialogReporter::Stopped() { return m_dlg.m_stopWriting && m_dlg.m_stopWriting(); }
