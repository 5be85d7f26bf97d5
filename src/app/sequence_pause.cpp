// The pause between two commands of a read or write sequence: SendDelay ms of
// the link's settings, on the GUI thread.
#include "app/tavo_dlg.h"
#include "platform/clock.h"

void CTAVODlg::PauseBetweenCommands() {
  const CommSettings* settings = m_pSerial ? m_pSerial->Settings() : nullptr;
  if (settings && settings->SendDelay > 0) plat::SleepMs(plat::CapWaitMs(settings->SendDelay));
}
