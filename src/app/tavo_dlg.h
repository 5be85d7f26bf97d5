// The main dialog (template 102): tab control with the four pages, COM port
// list, Connect / Read / Set / Exit buttons, the hidden settings-reset button,
// the status label, the open link and the settings snapshot.
#pragma once
#include <functional>

#include "commands/command_context.h"
#include "framework/dialog.h"
#include "instrument/memory_records.h"
#include "instrument/sequences.h"

// The dialog is the context of every command: the pages, the link and the
// IoT flag are its members.
class CTAVODlg : public CDialog, public CCommandContext {
public:
  CTAVODlg();

  IconHandle m_hIcon;
  CTabCtrl m_tab;
  int m_bConnected = 0;
  int m_bSetEnabled = 0;
  int m_bReadEnabled = 0;
  int m_bInitEnabled = 0;
  int m_nCurTab = 0;
  CComboBox m_comboPort;
  CButton m_btnSet;
  CButton m_btnRead;
  CButton m_btnConnect;
  CButton m_btnInit;

  // The settings snapshot: what each setting's control showed when the
  // instrument was last read, or when the setting was last acknowledged.
  inst::InstrumentSettings m_snapshot;

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
  void ClearSnapshot();
  // Takes user page 1's settings, or one of maker page 1's, into the
  // snapshot as the controls show them now.
  void TakeUser1Snapshot();
  void TakeHumidityLimitSnapshot();
  void TakeModelCodeSnapshot();
  // The pause of SendDelay ms between two commands of a sequence.
  void PauseBetweenCommands();
  // Closes and deletes the open link, if any.
  void CloseLink();

  // Held by each button's sequence for its whole run. A message box of the
  // sequence runs a message loop, in which a close request (WM_CLOSE, or
  // Exit pressed by another program) can arrive: it must not free the link
  // under the sequence, so it is kept and carried out when the outermost
  // sequence has ended, as Exit does.
  class SequenceScope {
  public:
    explicit SequenceScope(CTAVODlg& dlg) : m_dlg(dlg) { ++m_dlg.m_nSequences; }
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
  // The core's view of the instrument for a sequence: the link, the IoT
  // flag, the pages' values and the snapshot.
  inst::Instrument Instrument();
  // Runs a sequence of the core, telling the user in message boxes; the
  // snapshot takes what it leaves.
  int RunSequence(const std::function<int(inst::Instrument&, inst::Reporter&)>& sequence);
  int m_nSequences = 0;
  int m_bCloseWaiting = 0;
  void Connect();
  void Disconnect();
  void CreatePages();
  void ShowPage(int index);
  void ApplyTabPermissions(int tab);
  void UpdateButtons();
};
