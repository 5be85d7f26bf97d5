// The main dialog (template 102): tab control with the four pages, COM port
// list, Connect / Read / Set / Exit buttons, the hidden settings-reset button
// and the status label; a view of the instrument object, which its buttons
// run.
#pragma once
#include <functional>

#include "framework/dialog.h"
#include "instrument/instrument.h"
#include "instrument/memory_records.h"
#include "pages/dlg3.h"
#include "pages/dlg4.h"
#include "pages/dlg5.h"
#include "pages/dlg8.h"
#include "pages/page_view.h"

class CTAVODlg : public CDialog {
public:
  CTAVODlg();
  CTAVODlg(const CTAVODlg&) = delete;
  CTAVODlg& operator=(const CTAVODlg&) = delete;

  CDlg3 m_dlgUser1;
  CDlg4 m_dlgUser2;
  CDlg5 m_dlgMaker1;
  CDlg8 m_dlgMaker2;
  // The instrument: its link (open while connected), who it is, its values and snapshot.
  inst::Instrument m_instrument;

  IconHandle m_hIcon;
  CTabCtrl m_tab;
  int m_nCurTab = 0;
  CComboBox m_comboPort;
  CButton m_btnSet;
  CButton m_btnRead;
  CButton m_btnConnect;
  CButton m_btnInit;

  CStatic m_status;

  bool OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  bool PreTranslateMessage(fw::Msg* pMsg) override;
  const MessageMap& GetMessageMap() const override;
  bool OnCtlColor(CWnd& control, fw::Colour& textColour) override;
  void OnPaint() override;
  void OnClose() override;

  void OnSelchangeTab();
  void OnButtonConnect();
  void OnButtonExit();
  void OnButtonSet();
  void OnButtonRead();
  void ResetSettings();

  // The read sequences of the four pages (Read button), run by the core.
  int ReadUser1Page();
  int ReadUser2Page();
  int ReadMaker1Page();
  int ReadMaker2Page();
  // The write sequences of user page 1 and maker page 1 (Set button).
  int WriteUser1Settings();
  int WriteMaker1Settings();
  // User page 2's Set button: the memory records into a CSV file.
  void BulkReadMemory();

  // Connects to the instrument on `port` as the Connect button does with the
  // chosen port: 1 when it answered, 0 otherwise (the port is then closed).
  int ConnectTo(const CString& port);

  void FillComPortList();
  // Closes the open link, if any.
  void CloseLink();
  // The four pages, for their view of the instrument.
  PageSet Pages() { return {m_dlgUser1, m_dlgUser2, m_dlgMaker1, m_dlgMaker2}; }

  // Held by each button's sequence for its whole run. A message box of the
  // sequence runs a message loop, in which a close request (WM_CLOSE, or
  // Exit pressed by another program) can arrive: it must not free the link
  // under the sequence, so it is kept and carried out when the outermost
  // sequence has ended, as Exit does.
  class SequenceScope {
  public:
    explicit SequenceScope(CTAVODlg& dlg) : m_dlg(dlg) {
      ++m_dlg.m_nSequences;
      m_dlg.m_instrument.StartSequence();
    }
    ~SequenceScope();
    SequenceScope(const SequenceScope&) = delete;
    SequenceScope& operator=(const SequenceScope&) = delete;
  private:
    CTAVODlg& m_dlg;
  };

  IconHandle OnQueryDragIcon() override { return m_hIcon; }
  // The application's memory records.
  MemoryRecords& MemoryRecordsStore();

private:
  // Runs a sequence of the instrument with the wait cursor, its values taken
  // from the pages first, what it takes shown on them and its failures told
  // in message boxes. 0 without a link.
  int RunSequence(const std::function<int(inst::Reporter&)>& sequence);
  // The buttons the selected tab offers; each is enabled while the
  // instrument is connected.
  struct TabButtons {
    bool set = false, read = false, reset = false;
  };
  TabButtons m_tabButtons;
  int m_nSequences = 0;
  int m_bCloseWaiting = 0;
  void Connect();
  void Disconnect();
  void CreatePages();
  void ShowPage(int index);
  void ApplyTabPermissions(int tab);
  // Shows whether the instrument is connected: the port list, the status
  // label, the Connect button's text, and the buttons (UpdateButtons).
  void ShowConnection();
  // Enables Set, Read and the settings reset as the tab offers them while
  // connected, and disables them otherwise: the one place that decides.
  void UpdateButtons();
};
