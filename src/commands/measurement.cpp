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
int ShowReadings(CCommandContext& context, CPageDialog& page, const std::string& frame, char letter) {
  const int pageId = page.GetTemplateId();
  std::vector<std::string> texts;
  if (!context.m_pSerial || !inst::QueryReadings(*context.m_pSerial, frame, letter, pageId, texts)) return 0;
  const std::vector<const inst::Reading*> readings = inst::PageReadings(pageId, letter);
  for (size_t i = 0; i < readings.size(); ++i) {
    CWnd control;
    control.Attach(page.GetDlgItemHandle(readings[i]->control));
    control.SetWindowText(texts[i].c_str());
  }
  return 1;
}

}  // namespace

int GetMeasurementData(CCommandContext& context) { return ShowReadings(context, context.m_dlgUser2, QueryFrame('D'), 'D'); }
int GetRealtimeData(CCommandContext& context) { return ShowReadings(context, context.m_dlgMaker1, QueryFrame('D'), 'D'); }
int GetPreampData(CCommandContext& context) { return ShowReadings(context, context.m_dlgMaker1, QueryFrame('P'), 'P'); }
int GetHumidityCalibration(CCommandContext& context) { return ShowReadings(context, context.m_dlgMaker1, QueryFrame('G'), 'G'); }

// 'V' with the channel digit of the chosen item; no channel, nothing to ask.
int GetAdCounts(CCommandContext& context) {
  char channel;
  if (!SelectionDigit(context.m_dlgMaker2.m_comboChannel.GetCurSel(), channel)) return 0;
  return ShowReadings(context, context.m_dlgMaker2, AdCountQueryFrame(channel), 'V');
}
