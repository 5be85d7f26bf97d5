// The measurement and maintenance data queries: their readings (see the
// catalogue) shown as text on the pages.
#include "commands/measurement.h"

#include "commands/command_context.h"
#include "commands/page_reporter.h"
#include "instrument/page_reads.h"
#include "res/resource.h"

namespace {

template <int page, char letter>
int Readings(inst::Instrument& instrument, inst::Reporter& reporter) {
  return inst::ReadPageReadings(instrument, reporter, page, letter);
}

}  // namespace

int GetMeasurementData(CCommandContext& context) { return RunRead(context, &Readings<IDD_USER2, 'D'>); }
int GetRealtimeData(CCommandContext& context) { return RunRead(context, &Readings<IDD_MAKER1, 'D'>); }
int GetPreampData(CCommandContext& context) { return RunRead(context, &Readings<IDD_MAKER1, 'P'>); }
int GetHumidityCalibration(CCommandContext& context) { return RunRead(context, &Readings<IDD_MAKER1, 'G'>); }

// 'V' with the channel digit of the chosen item; no channel, nothing to ask.
int GetAdCounts(CCommandContext& context) {
  inst::Instrument instrument = InstrumentOf(context);
  PageReporter reporter(context);
  return inst::ReadAdCounts(instrument, reporter, context.m_dlgMaker2.m_comboChannel.GetCurSel());
}
