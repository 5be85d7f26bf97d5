#include "pages/page_view.h"

#include "instrument/readings.h"
#include "pages/setting_binding.h"
#include "res/resource.h"

CPageDialog& PageSet::Of(int page) const {
  if (page == user2.GetTemplateId()) return user2;
  if (page == maker1.GetTemplateId()) return maker1;
  if (page == maker2.GetTemplateId()) return maker2;
  return user1;
}

void TakePageValues(const PageSet& pages, inst::InstrumentSettings& values) {
  for (const inst::Setting& setting : inst::Settings()) TakeSetting(pages.Of(setting.page), setting, values);
}

void PageView::Tell(const char* message, const char* caption, inst::Icon icon) {
  (void)message, (void)caption, (void)icon;
}

void PageView::Taken(char letter, const inst::Instrument& instrument) {
  for (const inst::Setting& setting : inst::Settings())
    if (setting.read.letter == letter) ShowSetting(m_pages.Of(setting.page), setting, instrument.Values());
  if (letter == inst::FindSetting("model_code")->read.letter) m_pages.maker1.ApplyModelToHumidityLimit();
}

void PageView::AsShown(char letter, inst::InstrumentSettings& values) {
  for (const inst::Setting& setting : inst::Settings())
    if (setting.read.letter == letter) TakeSetting(m_pages.Of(setting.page), setting, values);
}

// The model and version; the controls of the IoT schedule as the instrument
// offers them; for a known model its code, and the humidity limit as it offers it.
void PageView::ShowIdentity(const inst::Instrument& instrument) {
  const inst::Identity& identity = instrument.GetIdentity();
  m_pages.user2.m_staticModelName.SetWindowText(identity.model.c_str());
  m_pages.user2.m_staticVersion.SetWindowText(identity.version.c_str());
  for (const inst::Setting& setting : inst::Settings()) {
    const inst::Offer offer = inst::GroupOfSetting(setting)->offer;
    const bool followsModel = offer == inst::Offer::WithHumidityLimit && identity.modelCode >= 0;   // an unknown model changes nothing
    if (offer != inst::Offer::WithIoTUnit && !followsModel) continue;
    CWnd control;
    control.Attach(m_pages.Of(setting.page).GetDlgItemHandle(setting.control));
    control.EnableWindow(instrument.Offers(setting));
  }
  if (identity.modelCode >= 0) m_pages.maker1.m_comboModel.SetCurSel(identity.modelCode);
}

void PageView::ShowReadings(int page, char letter, const inst::Instrument& instrument) {
  CPageDialog& shown = m_pages.Of(page);
  for (const inst::Reading* reading : inst::PageReadings(page, letter)) {
    CWnd control;
    control.Attach(shown.GetDlgItemHandle(reading->control));
    control.SetWindowText(instrument.ReadingText(*reading).c_str());
  }
}

void PageView::Shown(int page, char letter, const inst::Instrument& instrument) {
  if (letter == 'v') {
    ShowIdentity(instrument);
  } else if (page == IDD_USER2 && letter == 'Q') {
    // A choice beyond the list leaves the text as it is.
    if (!instrument.AutoPowerOffText().empty())
      m_pages.user2.m_staticAutoPowerOff.SetWindowText(instrument.AutoPowerOffText().c_str());
  } else if (page == IDD_USER2 && letter == 'T') {
    m_pages.user2.m_staticClock.SetWindowText(instrument.ClockText().c_str());
  } else {
    ShowReadings(page, letter, instrument);
  }
}
