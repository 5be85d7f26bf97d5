// The measurement and maintenance data queries: their readings (see the
// catalogue) shown as text on the pages.
#include "commands/measurement.h"

#include <string>
#include <vector>

#include "commands/command_context.h"
#include "instrument/readings.h"
#include "link/frames.h"
#include "link/reply_fields.h"

namespace {

// Sends `frame` and shows `page`'s readings of the reply of `letter`.
int ShowReadings(CCommandContext& dlg, CPageDialog& page, const std::string& frame, char letter) {
  const int pageId = page.GetTemplateId();
  std::vector<std::string> texts;
  if (!dlg.m_pSerial || !inst::QueryReadings(*dlg.m_pSerial, frame, letter, pageId, texts)) return 0;
  const std::vector<const inst::Reading*> readings = inst::PageReadings(pageId, letter);
  for (size_t i = 0; i < readings.size(); ++i) {
    CWnd control;
    control.Attach(page.GetDlgItemHandle(readings[i]->control));
    control.SetWindowText(texts[i].c_str());
  }
  return 1;
}

}  // namespace

int GetMeasurementData(CCommandContext& dlg) { return ShowReadings(dlg, dlg.m_dlgUser2, QueryFrame('D'), 'D'); }
int GetRealtimeData(CCommandContext& dlg) { return ShowReadings(dlg, dlg.m_dlgMaker1, QueryFrame('D'), 'D'); }
int GetPreampData(CCommandContext& dlg) { return ShowReadings(dlg, dlg.m_dlgMaker1, QueryFrame('P'), 'P'); }
int GetHumidityCalibration(CCommandContext& dlg) { return ShowReadings(dlg, dlg.m_dlgMaker1, QueryFrame('G'), 'G'); }

// 'V' with the channel digit of the chosen item; no channel, nothing to ask.
int GetAdCounts(CCommandContext& dlg) {
  char channel;
  if (!SelectionDigit(dlg.m_dlgMaker2.m_comboChannel.GetCurSel(), channel)) return 0;
  return ShowReadings(dlg, dlg.m_dlgMaker2, AdCountQueryFrame(channel), 'V');
}
