#include "app/tavo_dlg.h"

#include <string>
#include <vector>

#include "app/tavo_app.h"
#include "config/comm_settings.h"
#include "config/ini_file.h"
#include "framework/ui.h"
#include "log/start_log.h"
#include "pages/key_filter.h"
#include "platform/comports.h"
#include "res/resource.h"

namespace {
// Where the pages stand in the tab control's client area, in pixels.
const int kPageX = 40;
const int kPageY = 40;
const fw::Colour kConnectedColour = 0x00FF0000;  // blue
const fw::Colour kDisconnectedColour = 0;        // black

// The line settings that cannot be read, told in a box of no owner.
void TellInBox(const char* message, const char* caption) { fw::MessageBoxNoOwner(message, caption, fw::kMbOk); }
}  // namespace

CTAVODlg::CTAVODlg() : CDialog(IDD_TAVO_DIALOG) {
  m_hIcon = AfxGetApp() ? AfxGetApp()->LoadIcon(IDR_MAINFRAME) : nullptr;
  SetCommSettingsTeller(&TellInBox);
}

void CTAVODlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_TAB, m_tab);
  DDX_Control(pDX, IDC_COMBO_PORT, m_comboPort);
  DDX_Control(pDX, IDC_BUTTON_SET, m_btnSet);
  DDX_Control(pDX, IDC_BUTTON_READ, m_btnRead);
  DDX_Control(pDX, IDC_BUTTON_CONNECT, m_btnConnect);
  DDX_Control(pDX, IDC_BUTTON_INIT, m_btnInit);
  DDX_Control(pDX, IDC_STATIC_STATUS, m_status);
}

const MessageMap& CTAVODlg::GetMessageMap() const {
  static const MessageMap map = {
      On(Notify::TabSelChange, IDC_TAB, &CTAVODlg::OnSelchangeTab),
      On(Notify::Clicked, IDC_BUTTON_CONNECT, &CTAVODlg::OnButtonConnect),
      On(Notify::Clicked, IDC_BUTTON_EXIT, &CTAVODlg::OnButtonExit),
      On(Notify::Clicked, IDC_BUTTON_SET, &CTAVODlg::OnButtonSet),
      On(Notify::Clicked, IDC_BUTTON_READ, &CTAVODlg::OnButtonRead),
      On(Notify::Clicked, IDC_BUTTON_INIT, &CTAVODlg::ResetSettings),
  };
  return map;
}

bool CTAVODlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetIcon(m_hIcon, true);
  SetIcon(m_hIcon, false);
  m_comboPort.SetCurSel(0);
  m_tab.InsertItem(0, "ユーザ１");
  m_tab.InsertItem(1, "ユーザ２");
  if (HasMakerInfoFile()) {
    m_tab.InsertItem(2, "メーカ１");
    m_tab.InsertItem(3, "メーカ２");
    m_btnInit.ShowWindow(fw::kSwShow);
  }
  CreatePages();
  OnSelchangeTab();
  StartLog();
  ReadCommSettings(TheApp().m_commSettings);
  FillComPortList();
  ShowConnection();
  return true;
}

void CTAVODlg::CreatePages() {
  CDialog* pages[] = {&m_dlgUser1, &m_dlgUser2, &m_dlgMaker1, &m_dlgMaker2};
  for (CDialog* page : pages) {
    page->Create(page->GetTemplateId(), &m_tab);
    page->MoveTo(kPageX, kPageY);
    page->ShowWindow(fw::kSwHide);
  }
}

void CTAVODlg::ShowPage(int index) {
  CDialog* pages[] = {&m_dlgUser1, &m_dlgUser2, &m_dlgMaker1, &m_dlgMaker2};
  for (int i = 0; i < 4; ++i) pages[i]->ShowWindow(i == index ? fw::kSwShow : fw::kSwHide);
}

void CTAVODlg::OnSelchangeTab() {
  m_nCurTab = m_tab.GetCurSel();
  ShowPage(m_nCurTab);
  if (m_pNotifyResult) m_pNotifyResult->value = 0;
  ApplyTabPermissions(m_nCurTab);
  UpdateButtons();
}

void CTAVODlg::ApplyTabPermissions(int tab) {
  struct TabRow {
    const char* setText;
    bool set, read, reset;
  };
  static const TabRow kRows[] = {
      {"設定", true, true, false},      // user page 1
      {"一括取得", true, true, false},  // user page 2: Set downloads the memory
      {"設定", true, true, true},       // maker page 1
      {"設定", false, true, true},      // maker page 2
  };
  if (tab < 0 || tab > 3) return;
  if (tab == 2) {
    RedrawNow();
    PageView view(Pages());
    m_instrument.StartSequence();
    if (m_instrument.Connected() && !m_instrument.Identify(view)) {
      MessageBox("Version Noの取得に失敗しました。", "ユーザ１", fw::kMbIconError);
    }
    m_dlgMaker1.ApplyModelToHumidityLimit();
  }
  m_btnSet.SetWindowText(kRows[tab].setText);
  m_tabButtons = {kRows[tab].set, kRows[tab].read, kRows[tab].reset};
  m_btnRead.SetWindowText("読出");
}

void CTAVODlg::ShowConnection() {
  const bool connected = m_instrument.Connected();
  m_comboPort.EnableWindow(!connected);
  m_status.SetWindowText(connected ? "接続中" : "未接続");
  m_btnConnect.SetWindowText(connected ? "切断" : "接続");
  UpdateButtons();
}

void CTAVODlg::UpdateButtons() {
  const bool connected = m_instrument.Connected();
  m_btnSet.EnableWindow(connected && m_tabButtons.set);
  m_btnRead.EnableWindow(connected && m_tabButtons.read);
  m_btnInit.EnableWindow(connected && m_tabButtons.reset);
}

void CTAVODlg::FillComPortList() {
  std::vector<std::string> found;
  std::vector<CString> ports;
  if (plat::ListComPorts(found)) {
    for (const std::string& name : found) {
      CString port(name);
      port.MakeUpper();
      if (!port.IsEmpty()) ports.push_back(port);
    }
  }
  m_comboPort.ResetContent();
  for (const CString& port : ports) m_comboPort.AddString(port);
  if (!ports.empty()) m_comboPort.SetCurSel(0);
}

bool CTAVODlg::PreTranslateMessage(fw::Msg* pMsg) {
  return IsEnterOrEscapeKeyDown(*pMsg) || CDialog::PreTranslateMessage(pMsg);
}

bool CTAVODlg::OnCtlColor(CWnd& control, fw::Colour& textColour) {
  if (control.GetDlgCtrlID() != IDC_STATIC_STATUS) return false;
  textColour = m_instrument.Connected() ? kConnectedColour : kDisconnectedColour;
  return true;
}

void CTAVODlg::OnPaint() {
  if (IsIconic()) PaintIconCentred(m_hIcon);
}

MemoryRecords& CTAVODlg::MemoryRecordsStore() { return TheApp().m_memoryRecords; }

void CTAVODlg::CloseLink() { m_instrument.Disconnect(); }

void CTAVODlg::OnButtonExit() {
  if (m_nSequences > 0) {
    m_bCloseWaiting = 1;   // carried out when the sequence has ended
    return;
  }
  CloseLink();
  EndDialog(fw::kIdCancel);
}

void CTAVODlg::OnClose() {
  OnButtonExit();
  if (!m_bCloseWaiting) CDialog::OnClose();
}

CTAVODlg::SequenceScope::~SequenceScope() {
  if (--m_dlg.m_nSequences > 0 || !m_dlg.m_bCloseWaiting) return;
  m_dlg.m_bCloseWaiting = 0;
  m_dlg.OnButtonExit();
}
