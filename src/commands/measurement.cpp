// Reply layouts of the measurement and maintenance data queries. A signed
// field is its sign position and its width of value characters.
#include "commands/measurement.h"

#include <vector>

#include "commands/command_context.h"
#include "instrument/reply_reader.h"
#include "link/frames.h"
#include "link/reply_fields.h"

namespace {

struct SignedField {
  int signPosition;
  int width;
  CStatic* control;
};

// Runs the query and shows its signed fields.
int QuerySignedFields(CCommandContext& dlg, char letter, const std::vector<SignedField>& fields) {
  if (!dlg.m_pSerial) return 0;
  QueryOutcome outcome = RunQuery(*dlg.m_pSerial, QueryFrame(letter), letter);
  if (outcome != QueryOutcome::Replied) return 0;
  ReplyReader reply(*dlg.m_pSerial, letter);
  if (!reply.Answered()) return 0;
  std::vector<std::string> texts;
  for (const SignedField& field : fields) texts.push_back(reply.SignedNumber(field.signPosition, field.width));
  if (reply.Damaged()) return 0;
  for (size_t i = 0; i < fields.size(); ++i) fields[i].control->SetWindowText(texts[i].c_str());
  return 1;
}

}  // namespace

// 'D': six signed fields of width 4, one every 10 positions.
int GetMeasurementData(CCommandContext& dlg) {
  CDlg4& page = dlg.m_dlgUser2;
  return QuerySignedFields(dlg, 'D', {{4, 4, &page.m_staticTavoIndoor},
                                      {14, 4, &page.m_staticTavoOutdoor},
                                      {24, 4, &page.m_staticAirTemp},
                                      {34, 4, &page.m_staticHumidity},
                                      {54, 4, &page.m_staticGlobeTemp}});
}

int GetRealtimeData(CCommandContext& dlg) {
  CDlg5& page = dlg.m_dlgMaker1;
  return QuerySignedFields(dlg, 'D', {{4, 4, &page.m_staticRtTavoIndoor},
                                      {14, 4, &page.m_staticRtTavoOutdoor},
                                      {24, 4, &page.m_staticRtAirTemp},
                                      {34, 4, &page.m_staticRtHumidity},
                                      {44, 4, &page.m_staticRtRelTemp},
                                      {54, 4, &page.m_staticRtRadiantTemp}});
}

// 'P': signed fields of width 8 on a grid of 12 positions; six of them are shown.
int GetPreampData(CCommandContext& dlg) {
  CDlg5& page = dlg.m_dlgMaker1;
  return QuerySignedFields(dlg, 'P', {{3, 8, &page.m_staticPaBattery},
                                      {15, 8, &page.m_staticPaAirTemp},
                                      {51, 8, &page.m_staticPaRadiantTemp},
                                      {75, 8, &page.m_staticPaGlobe150},
                                      {99, 8, &page.m_staticPaHumidityRaw},
                                      {111, 8, &page.m_staticPaHumidityCal}});
}

// 'G': two signed fields of width 8, 12 positions apart.
int GetHumidityCalibration(CCommandContext& dlg) {
  CDlg5& page = dlg.m_dlgMaker1;
  return QuerySignedFields(dlg, 'G', {{3, 8, &page.m_staticCalibRhB}, {15, 8, &page.m_staticCalibRhA}});
}

// 'V' with the channel digit: twenty unsigned fields of 10 characters, one every 12 positions from 2.
int GetAdCounts(CCommandContext& dlg) {
  char channel;
  if (!dlg.m_pSerial || !SelectionDigit(dlg.m_dlgMaker2.m_comboChannel.GetCurSel(), channel)) return 0;
  QueryOutcome outcome = RunQuery(*dlg.m_pSerial, AdCountQueryFrame(channel), 'V');
  if (outcome != QueryOutcome::Replied) return 0;
  ReplyReader reply(*dlg.m_pSerial, 'V');
  if (!reply.Answered()) return 0;
  std::string counts[20];
  for (int k = 0; k < 20; ++k) counts[k] = reply.Number(2 + 12 * k, 10);
  if (reply.Damaged()) return 0;
  for (int k = 0; k < 20; ++k) dlg.m_dlgMaker2.m_staticAd[k].SetWindowText(counts[k].c_str());
  return 1;
}
