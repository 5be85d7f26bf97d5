#include "commands/page_reporter.h"

#include <vector>

#include "commands/command_context.h"
#include "commands/setting_command.h"
#include "instrument/readings.h"
#include "res/resource.h"

namespace {

void ShowIdentity(CCommandContext& context, const inst::Identity& identity) {
  context.m_dlgUser2.m_staticModelName.SetWindowText(identity.model.c_str());
  context.m_dlgUser2.m_staticVersion.SetWindowText(identity.version.c_str());
  // The IoT rule, then for a known model its code and the humidity limit edit.
  context.m_dlgUser1.m_comboIoTInterval.EnableWindow(identity.iot);
  context.m_dlgUser1.m_editIoTStart.EnableWindow(identity.iot);
  context.m_dlgUser1.m_editIoTStop.EnableWindow(identity.iot);
  context.m_bIoTUnit = identity.iot ? 1 : 0;
  if (identity.modelCode < 0) return;
  context.m_dlgMaker1.m_comboModel.SetCurSel(identity.modelCode);
  context.m_dlgMaker1.m_editHumidityLimit.EnableWindow(inst::ModelHasHumidityLimit(identity.modelCode));
}

void ShowReadings(CCommandContext& context, int page, char letter, const inst::Instrument& instrument) {
  CPageDialog& shown = PageOf(context, page);
  for (const inst::Reading* reading : inst::PageReadings(page, letter)) {
    CWnd control;
    control.Attach(shown.GetDlgItemHandle(reading->control));
    control.SetWindowText(instrument.readings[reading - inst::Readings().data()].c_str());
  }
}

}  // namespace

void PageReporter::Tell(const char* message, const char* caption, inst::Icon icon) {
  (void)message, (void)caption, (void)icon;
}

void PageReporter::Taken(char letter, const inst::InstrumentSettings& values) {
  ShowReplySettings(m_context, letter, values);
  if (letter == inst::FindSetting("model_code")->read.letter) m_context.m_dlgMaker1.ApplyModelToHumidityLimit();
}

void PageReporter::Shown(int page, char letter, const inst::Instrument& instrument) {
  if (letter == 'v') {
    ShowIdentity(m_context, instrument.identity);
  } else if (page == IDD_USER2 && letter == 'Q') {
    // A choice beyond the list leaves the text as it is.
    if (!instrument.autoPowerOffText.empty())
      m_context.m_dlgUser2.m_staticAutoPowerOff.SetWindowText(instrument.autoPowerOffText.c_str());
  } else if (page == IDD_USER2 && letter == 'T') {
    m_context.m_dlgUser2.m_staticClock.SetWindowText(instrument.clockText.c_str());
  } else {
    ShowReadings(m_context, page, letter, instrument);
  }
}

inst::Instrument InstrumentOf(CCommandContext& context) {
  inst::Instrument instrument;
  instrument.link = context.m_pSerial;
  instrument.iot = context.m_bIoTUnit != 0;
  instrument.values = PageValues(context);
  return instrument;
}

int RunRead(CCommandContext& context, int (*read)(inst::Instrument&, inst::Reporter&)) {
  inst::Instrument instrument = InstrumentOf(context);
  PageReporter reporter(context);
  return read(instrument, reporter);
}
