// The four pages as a view of the instrument object: its values shown in the
// controls the catalogue names as each read takes them, taken from the
// controls before a write, and the controls of what the instrument does not
// offer disabled.
#pragma once
#include "instrument/instrument.h"
#include "pages/dlg3.h"
#include "pages/dlg4.h"
#include "pages/dlg5.h"
#include "pages/dlg8.h"

// The four pages of the main dialog.
struct PageSet {
  CDlg3& user1;
  CDlg4& user2;
  CDlg5& maker1;
  CDlg8& maker2;
  // The page of the template `page`.
  CPageDialog& Of(int page) const;
};

// The settings as the pages show them now, into `values`.
void TakePageValues(const PageSet& pages, inst::InstrumentSettings& values);

// Shows on the pages what a read of the instrument took, as it takes it. It
// tells the user nothing; the main dialog's reporter adds that.
class PageView : public inst::Reporter {
public:
  explicit PageView(const PageSet& pages) : m_pages(pages) {}
  void Tell(const char* message, const char* caption, inst::Icon icon) override;
  // The settings of `letter` in their controls.
  void Taken(char letter, const inst::Instrument& instrument) override;
  // The settings of `letter` as their controls show them.
  void AsShown(char letter, inst::InstrumentSettings& values) override;
  // The identity (with the controls of what the instrument offers enabled),
  // user page 2's texts, or readings.
  void Shown(int page, char letter, const inst::Instrument& instrument) override;

private:
  void ShowIdentity(const inst::Instrument& instrument);
  void ShowReadings(int page, char letter, const inst::Instrument& instrument);
  PageSet m_pages;
};
