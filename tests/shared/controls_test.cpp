// The behaviour of the controls that the tool relies on, the same on both back ends.
#include <gtest/gtest.h>

#include "framework/dialog.h"
#include "support/combo_items.h"
#include "support/message_boxes.h"
#include "support/test_resource.h"
#include "support/ui_driver.h"

namespace {

class TestDialog : public CDialog {
public:
  TestDialog() : CDialog(IDD_TEST_CONTROLS) {}
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Control(pDX, IDC_TEST_DIGITS, digits);
    DDX_Control(pDX, IDC_TEST_TEXT, text);
    DDX_Control(pDX, IDC_TEST_SORTED, sorted);
    DDX_Control(pDX, IDC_TEST_UNSORTED, unsorted);
    DDX_Control(pDX, IDC_TEST_DATE, date);
    DDX_Control(pDX, IDC_TEST_TIME, time);
  }
  const MessageMap& GetMessageMap() const override {
    static const MessageMap map = {
        On(Notify::KillFocus, IDC_TEST_TEXT, &TestDialog::OnKillFocusText),
        On(Notify::EditChange, IDC_TEST_TEXT, &TestDialog::OnChangeText),
        On(Notify::SelChange, IDC_TEST_UNSORTED, &TestDialog::OnSelChange),
        On(Notify::Clicked, IDC_TEST_BUTTON, &TestDialog::OnButton),
    };
    return map;
  }
  void OnKillFocusText() { ++killFocus; }
  void OnChangeText() { ++changes; }
  void OnSelChange() { ++selChanges; }
  void OnButton() { ++clicks; }

  CEdit digits, text;
  CComboBox sorted, unsorted;
  CDateTimeCtrl date, time;
  int killFocus = 0, changes = 0, selChanges = 0, clicks = 0;
};

class Controls : public ::testing::Test {
protected:
  void SetUp() override {
    ui::UseTestDialogs();
    ASSERT_TRUE(dlg.Create(IDD_TEST_CONTROLS));
    dlg.ShowWindow(fw::kSwShow);
  }
  TestDialog dlg;
};

TEST_F(Controls, TypingKeepsToTheLimitAndTheDigitsOnlyStyle) {
  struct Case {
    int id;
    int limit;
    const char* typed;
    const char* shown;
  };
  const Case cases[] = {
      {IDC_TEST_DIGITS, 3, "12345", "123"},
      {IDC_TEST_DIGITS, 3, "1a2-3", "123"},
      {IDC_TEST_DIGITS, 3, "-1", "1"},
      {IDC_TEST_TEXT, 4, "40.15", "40.1"},
      {IDC_TEST_TEXT, 4, "-1", "-1"},
      {IDC_TEST_TEXT, 2, "ab", "ab"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    CEdit edit;
    edit.Attach(dlg.GetDlgItemHandle(c.id));
    edit.SetLimitText(c.limit);
    ASSERT_TRUE(ui::Type(dlg, c.id, c.typed));
    EXPECT_EQ(ui::TextOf(dlg, c.id), c.shown);
  }
}

TEST_F(Controls, EditsNotifyChangesAndTheLossOfFocus) {
  ui::Type(dlg, IDC_TEST_TEXT, "12");
  EXPECT_EQ(dlg.changes, 2);
  EXPECT_EQ(dlg.killFocus, 0);
  ui::Focus(dlg, IDC_TEST_DIGITS);
  EXPECT_EQ(dlg.killFocus, 1);
  dlg.text.SetWindowText("7");   // text set by the program notifies as well
  EXPECT_EQ(dlg.changes, 3);
}

TEST_F(Controls, SortedListsCompareAsTextIgnoringCase) {
  for (const char* item : {"COM2", "COM10", "com3", "COM1", "COM20", "COM9"}) dlg.sorted.AddString(item);
  EXPECT_EQ(ComboItems(dlg.sorted), (std::vector<std::string>{"COM1", "COM10", "COM2", "COM20", "com3", "COM9"}));
}

TEST_F(Controls, UnsortedListsKeepTheirOrder) {
  for (const char* item : {"OFF", "ON", "A"}) dlg.unsorted.AddString(item);
  EXPECT_EQ(ComboItems(dlg.unsorted), (std::vector<std::string>{"OFF", "ON", "A"}));
}

TEST_F(Controls, ASelectionOutsideTheListLeavesNone) {
  for (const char* item : {"a", "b", "c"}) dlg.unsorted.AddString(item);
  struct Case {
    int index;
    int result;
    int selected;
  };
  const Case cases[] = {{1, 1, 1}, {7, fw::kCbErr, -1}, {2, 2, 2}, {3, fw::kCbErr, -1}, {0, 0, 0}, {-1, fw::kCbErr, -1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index);
    EXPECT_EQ(dlg.unsorted.SetCurSel(c.index), c.result);
    EXPECT_EQ(dlg.unsorted.GetCurSel(), c.selected);
  }
  EXPECT_EQ(dlg.selChanges, 0);   // only the user's choice notifies
  ASSERT_TRUE(ui::ChooseItem(dlg, IDC_TEST_UNSORTED, 1));
  EXPECT_EQ(dlg.selChanges, 1);
  EXPECT_EQ(ui::TextOf(dlg, IDC_TEST_UNSORTED), "b");
}

TEST_F(Controls, PickersTakeValidDateTimesOnly) {
  fw::DateTime value{2024, 5, 5, 31, 9, 7, 5, 0};
  ASSERT_TRUE(dlg.date.SetTime(value));
  ASSERT_TRUE(dlg.time.SetTime(value));
  fw::DateTime back{};
  ASSERT_TRUE(dlg.date.GetTime(back));
  EXPECT_EQ(back.year, 2024);
  EXPECT_EQ(back.month, 5);
  EXPECT_EQ(back.day, 31);
  fw::DateTime invalid[] = {
      {2024, 13, 0, 1, 0, 0, 0, 0}, {2024, 0, 0, 1, 0, 0, 0, 0}, {2023, 2, 0, 29, 0, 0, 0, 0},
      {2024, 4, 0, 31, 0, 0, 0, 0}, {2024, 1, 0, 1, 24, 0, 0, 0}, {2024, 1, 0, 1, 0, 60, 0, 0},
  };
  for (const fw::DateTime& bad : invalid) EXPECT_FALSE(dlg.time.SetTime(bad));
  ASSERT_TRUE(dlg.time.GetTime(back));
  EXPECT_EQ(back.hour, 9);
  EXPECT_EQ(back.minute, 7);
  EXPECT_EQ(back.second, 5);
}

TEST_F(Controls, DisabledButtonsCannotBePressed) {
  CButton button;
  button.Attach(dlg.GetDlgItemHandle(IDC_TEST_BUTTON));
  EXPECT_TRUE(ui::Click(dlg, IDC_TEST_BUTTON));
  button.EnableWindow(false);
  EXPECT_FALSE(ui::Click(dlg, IDC_TEST_BUTTON));
  EXPECT_EQ(dlg.clicks, 1);
}

TEST_F(Controls, MessageBoxesAreSeenWithTextCaptionAndIcon) {
  MessageBoxRecorder boxes;
  CWnd edit;
  edit.Attach(dlg.GetDlgItemHandle(IDC_TEST_TEXT));
  dlg.MessageBox("15.0～40.0℃の範囲で入力してください。", "ﾌﾞｻﾞｰ警報 入力値異常", fw::kMbIconExclamation);
  fw::MessageBoxNoOwner("パラメータディレクトリの取得に失敗しました", "TAVO", fw::kMbOk);
  ASSERT_EQ(boxes.boxes.size(), 2u);
  EXPECT_EQ(boxes.boxes[0].text, "15.0～40.0℃の範囲で入力してください。");
  EXPECT_EQ(boxes.boxes[0].caption, "ﾌﾞｻﾞｰ警報 入力値異常");
  EXPECT_EQ(boxes.boxes[0].type, fw::kMbIconExclamation);
  EXPECT_EQ(boxes.boxes[0].ownerTemplate, IDD_TEST_CONTROLS);
  EXPECT_EQ(boxes.boxes[1].ownerTemplate, 0);
}

TEST(CStringText, UpperCaseKeepsDoubleByteCharacters) {
  // "ｃｏｍ" would change if its trail bytes were taken for letters; 0x83 0x61 is "ャ".
  CString text("com\x83" "a7");
  text.MakeUpper();
  EXPECT_EQ(text, "COM\x83" "a7");
}

}  // namespace
