// CDialog: a dialog created from a template resource, with its notifications
// dispatched to handlers through a message map.
#pragma once
#include <vector>
#include "framework/wnd.h"

// The notifications a dialog can route to its handlers.
enum class Notify {
  Clicked,        // a button was pressed (BN_CLICKED)
  KillFocus,      // an edit lost the keyboard focus (EN_KILLFOCUS)
  EditChange,     // an edit's text changed (EN_CHANGE)
  SelChange,      // a combo box selection was changed by the user (CBN_SELCHANGE)
  TabSelChange,   // a tab control's selection was changed by the user (TCN_SELCHANGE)
};

class CDialog;
typedef void (CDialog::*DialogHandler)();

struct MessageMapEntry {
  Notify notify;
  int id;
  DialogHandler handler;
};
typedef std::vector<MessageMapEntry> MessageMap;

// One entry of a derived dialog's message map: On(Notify::Clicked, 1013, &CTAVODlg::OnButtonConnect).
template <class D>
MessageMapEntry On(Notify notify, int id, void (D::*handler)()) {
  return MessageMapEntry{notify, id, static_cast<DialogHandler>(handler)};
}

// Binds control objects to their windows in DoDataExchange.
class CDataExchange {
public:
  explicit CDataExchange(CDialog& dialog) : m_dialog(dialog) {}
  CDialog& m_dialog;
};
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

// Answers to a TCN_SELCHANGE-style notification that carries a result slot.
struct NotifyResult {
  long value = 0;
};

class CDialog : public CWnd {
public:
  explicit CDialog(int templateId, CWnd* parent = nullptr);
  ~CDialog() override;

  int GetTemplateId() const { return m_templateId; }

  // Runs the dialog modally; returns the code given to EndDialog.
  virtual int DoModal();
  // Creates the dialog as a modeless window, a child of `parent` when the
  // template has the child style. False when it could not be created.
  bool Create(int templateId, CWnd* parent = nullptr);
  void DestroyWindow();
  void EndDialog(int result);
  bool IsEnded() const { return m_ended; }

  virtual bool OnInitDialog();     // binds the controls through DoDataExchange
  virtual void DoDataExchange(CDataExchange* pDX);
  // True when the message was handled and must not be dispatched.
  virtual bool PreTranslateMessage(fw::Msg* pMsg);
  virtual void OnOK();                 // ends the dialog with fw::kIdOk
  virtual void OnCancel();             // ends the dialog with fw::kIdCancel
  virtual void OnClose();              // default: OnCancel
  virtual void OnPaint() {}
  // The icon dragged while the window is minimised; null for the default.
  virtual IconHandle OnQueryDragIcon() { return nullptr; }
  // The text colour of static control `control`; false keeps the default.
  virtual bool OnCtlColor(CWnd& control, fw::Colour& textColour);
  virtual const MessageMap& GetMessageMap() const;

  // The notification being dispatched, for handlers that fill its result slot.
  NotifyResult* m_pNotifyResult = nullptr;

  // Called by the back ends: routes a notification to its handler. True when handled.
  virtual bool Dispatch(Notify notify, int id);

protected:
  int m_templateId;
  CWnd* m_pParent;
  bool m_ended = false;
  int m_result = 0;
};

// Makes the dialog the process's main window (the owner of ownerless message boxes).
