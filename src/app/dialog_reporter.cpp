#include "app/dialog_reporter.h"

#include "app/tavo_dlg.h"
#include "framework/ui.h"

DialogReporter::DialogReporter(CTAVODlg& dlg) : m_dlg(dlg), m_view(dlg.Pages()) {}

void DialogReporter::Tell(const char* message, const char* caption, inst::Icon icon) {
  const unsigned type = icon == inst::Icon::Error ? fw::kMbIconError : fw::kMbIconExclamation;
  m_dlg.MessageBox(message, caption, fw::kMbOk | type);
}
