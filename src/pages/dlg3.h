// User page 1 (template 140): the settings a user may change.
#pragma once
#include "pages/page_dialog.h"
#include "res/resource.h"

class CDlg3 : public CPageDialog {
public:
  CDlg3() : CPageDialog(IDD_USER1) {}

  CDateTimeCtrl m_dateClock;        // 1071 date of the instrument clock
  CDateTimeCtrl m_timeClock;        // 1083 time of the instrument clock
  CEdit m_editMemInterval;          // 1086 memory interval (minutes)
  CEdit m_editLevel1;               // 1095 external alarm thresholds
  CEdit m_editLevel2;               // 1100
  CEdit m_editLevel3;               // 1101
  CEdit m_editLevel4;               // 1102
  CComboBox m_comboAutoPowerOff;    // 1030
  CComboBox m_comboAlarmMode;       // 1092 external alarm (patrol light) mode
  CEdit m_editBuzzer;               // 1088 main-unit alarm value
  CEdit m_editIoTStart;             // 1134 IoT communication start hour
  CEdit m_editIoTStop;              // 1135 IoT communication stop hour
  CComboBox m_comboIoTInterval;     // 1133 IoT start interval

  void DoDataExchange(CDataExchange* pDX) override;
  bool OnInitDialog() override;

  // Shows `clock` in both pickers as the program's value.
  void PutClock(const fw::DateTime& clock);
  // True when the pickers show something other than the program last put
  // there (at the page's creation, or from the instrument): the user set them.
  bool ClockChangedByUser() const;

private:
  void RememberClock();
  CString m_programDate;   // the pickers' texts as the program last set them
  CString m_programTime;
};
