// The four pages: their lists (whose order is part of the protocol), typing
// limits, the range checks when a field is left, and the model rule.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/tavo_app.h"
#include "app/tavo_dlg.h"
#include "pages/field_checks.h"
#include "res/resource.h"
#include "support/combo_items.h"
#include "support/message_boxes.h"
#include "support/temp_dir.h"
#include "support/ui_driver.h"

namespace {

class Pages : public ::testing::Test {
protected:
  void SetUp() override {
    dir.Write("vorinfo.ini", "");
    ASSERT_TRUE(dlg.Create(IDD_TAVO_DIALOG));
    dlg.ShowWindow(fw::kSwShow);
  }
  CDialog& Page(int templateId) {
    CDialog* pages[] = {&dlg.m_dlgUser1, &dlg.m_dlgUser2, &dlg.m_dlgMaker1, &dlg.m_dlgMaker2};
    for (CDialog* page : pages) {
      if (page->GetTemplateId() == templateId) {
        page->ShowWindow(fw::kSwShow);
        return *page;
      }
    }
    throw std::logic_error("no such page");
  }
  // Types `text` into `id` and leaves the field for `next`.
  void TypeAndLeave(CDialog& page, int id, const std::string& text, int next) {
    ASSERT_TRUE(ui::Type(page, id, text));
    ui::Focus(page, next);
  }
  // Puts `text` into `id` as the program would, past the typing filter, and leaves the field.
  void PlaceAndLeave(CDialog& page, int id, const std::string& text, int next) {
    ui::Focus(page, id);
    CWnd field;
    field.Attach(page.GetDlgItemHandle(id));
    field.SetWindowText(text.c_str());
    ui::Focus(page, next);
  }

  TempCurrentDir dir;
  CTAVOApp app;
  MessageBoxRecorder boxes;
  CTAVODlg dlg;
};

std::vector<std::string> Items(CDialog& page, int id) {
  CComboBox combo;
  combo.Attach(page.GetDlgItemHandle(id));
  return ComboItems(combo);
}

TEST_F(Pages, ListsHoldTheirItemsInProtocolOrder) {
  struct Case {
    int page, id;
    std::vector<std::string> items;
    int selected;
  };
  const Case cases[] = {
      {IDD_USER1, IDC_COMBO_AUTO_POWER_OFF, {"許可", "禁止"}, 0},
      {IDD_USER1, IDC_COMBO_ALARM_MODE, {"OFF", "ON"}, 0},
      {IDD_USER1, IDC_COMBO_IOT_INTERVAL, {"1分", "2分", "3分", "4分", "5分", "10分", "15分", "30分", "60分"}, -1},
      {IDD_MAKER1, IDC_COMBO_MODEL, {"410A", "410B", "420A", "420B", "420AN", "420BN"}, 0},
      {IDD_MAKER2, IDC_COMBO_AD_CHANNEL, {"A0　気温", "A1 黒球（温度）", "A2 湿度"}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    CDialog& page = Page(c.page);
    EXPECT_EQ(Items(page, c.id), c.items);
    CComboBox combo;
    combo.Attach(page.GetDlgItemHandle(c.id));
    EXPECT_EQ(combo.GetCurSel(), c.selected);
    // Not sorted: whatever the user's collation, an item added lands last.
    EXPECT_EQ(combo.AddString("0"), static_cast<int>(c.items.size()));
  }
  EXPECT_EQ(ui::TextOf(Page(IDD_MAKER2), IDC_COMBO_AD_CHANNEL), "A0　気温");
}

TEST_F(Pages, EveryPageHasItsControls) {
  struct Case {
    int page;
    std::vector<int> ids;
  };
  const Case cases[] = {
      {IDD_USER1, {1071, 1083, 1086, 1095, 1100, 1101, 1102, 1030, 1092, 1088, 1134, 1135, 1133}},
      {IDD_USER2, {1049, 1096, 1121, 1122, 1123, 1124, 1031, 1032, 1125}},
      {IDD_MAKER1, {1129, 1043, 1044, 1045, 1046, 1047, 1093, 1090, 1050, 1051, 1055, 1057, 1059, 1060, 1041, 1042}},
      {IDD_MAKER2, {1129, 1052, 1061, 1062, 1063, 1064, 1065, 1066, 1067, 1068, 1069,
                    1072, 1073, 1074, 1075, 1076, 1077, 1078, 1079, 1080, 1081}},
  };
  const char* names[] = {"ユーザ１", "ユーザ２", "メーカ１", "メーカ２"};
  int n = 0;
  for (const Case& c : cases) {
    CDialog& page = Page(c.page);
    for (int id : c.ids) EXPECT_NE(page.GetDlgItemHandle(id), nullptr) << c.page << " " << id;
    EXPECT_EQ(ui::TextOf(page, IDC_STATIC_PAGENAME), names[n++]);
    EXPECT_FALSE(ui::IsVisible(page, IDC_STATIC_PAGENAME));
  }
  EXPECT_EQ(dlg.m_dlgMaker2.m_staticAd[19].GetDlgCtrlID(), 1081);
  EXPECT_EQ(dlg.m_dlgMaker2.m_staticAd[10].GetDlgCtrlID(), 1072);
  EXPECT_EQ(dlg.m_dlgMaker2.m_staticAd[9].GetDlgCtrlID(), 1069);
}

TEST_F(Pages, TypingKeepsToEachFieldsLimit) {
  struct Case {
    int page, id;
    const char* typed;
    const char* shown;
  };
  const Case cases[] = {
      {IDD_USER1, IDC_EDIT_MEM_INTERVAL, "12a34", "123"},
      {IDD_USER1, IDC_EDIT_BUZZER, "25.55", "25.5"},
      {IDD_USER1, IDC_EDIT_LEVEL1, "15.05", "15.0"},
      {IDD_USER1, IDC_EDIT_LEVEL4, "39.99", "39.9"},
      {IDD_USER1, IDC_EDIT_IOT_START, "123", "12"},
      {IDD_USER1, IDC_EDIT_IOT_STOP, "-15", "-1"},
      {IDD_MAKER1, IDC_EDIT_HUMIDITY_LIMIT, "100.05", "100.0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    CDialog& page = Page(c.page);
    ASSERT_TRUE(ui::Type(page, c.id, c.typed));
    EXPECT_EQ(ui::TextOf(page, c.id), c.shown);
  }
}

struct CheckCase {
  int page, id;
  const char* text;
  const char* caption;   // null: accepted
  bool placed = false;   // put there by the program: typing cannot give this text
};

const char kTemperature[] = "15.0～40.0℃の範囲で入力してください。";

TEST_F(Pages, LeavingAFieldChecksItsRange) {
  const CheckCase cases[] = {
      {IDD_USER1, IDC_EDIT_BUZZER, "", nullptr},
      {IDD_USER1, IDC_EDIT_BUZZER, "0", nullptr},
      {IDD_USER1, IDC_EDIT_BUZZER, "15", nullptr},
      {IDD_USER1, IDC_EDIT_BUZZER, "15.0", nullptr},
      {IDD_USER1, IDC_EDIT_BUZZER, "40", nullptr},
      {IDD_USER1, IDC_EDIT_BUZZER, "abc", "ﾌﾞｻﾞｰ警報 入力値異常"},
      {IDD_USER1, IDC_EDIT_BUZZER, "90%", "ﾌﾞｻﾞｰ警報 入力値異常"},
      {IDD_USER1, IDC_EDIT_BUZZER, "3e1", "ﾌﾞｻﾞｰ警報 入力値異常"},
      {IDD_USER1, IDC_EDIT_BUZZER, "2d1", "ﾌﾞｻﾞｰ警報 入力値異常"},
      {IDD_USER1, IDC_EDIT_BUZZER, " 25", "ﾌﾞｻﾞｰ警報 入力値異常"},
      {IDD_USER1, IDC_EDIT_BUZZER, "+25", "ﾌﾞｻﾞｰ警報 入力値異常"},
      {IDD_USER1, IDC_EDIT_BUZZER, "2..5", "ﾌﾞｻﾞｰ警報 入力値異常"},
      {IDD_USER1, IDC_EDIT_BUZZER, "14.9", "ﾌﾞｻﾞｰ警報 入力値異常"},
      {IDD_USER1, IDC_EDIT_BUZZER, "40.1", "ﾌﾞｻﾞｰ警報 入力値異常"},
      {IDD_USER1, IDC_EDIT_BUZZER, "-1", "ﾌﾞｻﾞｰ警報 入力値異常"},
      {IDD_USER1, IDC_EDIT_LEVEL1, "0", "ﾊﾟﾄﾗｲﾄﾓｰﾄﾞ閾値 ﾚﾍﾞﾙ1入力値異常"},
      {IDD_USER1, IDC_EDIT_LEVEL1, "abc", "ﾊﾟﾄﾗｲﾄﾓｰﾄﾞ閾値 ﾚﾍﾞﾙ1入力値異常"},
      {IDD_USER1, IDC_EDIT_LEVEL1, "15.0", nullptr},
      {IDD_USER1, IDC_EDIT_LEVEL1, "25.", "ﾊﾟﾄﾗｲﾄﾓｰﾄﾞ閾値 ﾚﾍﾞﾙ1入力値異常"},
      {IDD_USER1, IDC_EDIT_LEVEL2, "25%", "ﾊﾟﾄﾗｲﾄﾓｰﾄﾞ閾値 ﾚﾍﾞﾙ2入力値異常"},
      {IDD_USER1, IDC_EDIT_LEVEL2, "40.0", nullptr},
      {IDD_USER1, IDC_EDIT_LEVEL2, "40.1", "ﾊﾟﾄﾗｲﾄﾓｰﾄﾞ閾値 ﾚﾍﾞﾙ2入力値異常"},
      {IDD_USER1, IDC_EDIT_LEVEL3, "14.9", "ﾊﾟﾄﾗｲﾄﾓｰﾄﾞ閾値 ﾚﾍﾞﾙ3入力値異常"},
      {IDD_USER1, IDC_EDIT_LEVEL3, "", nullptr},
      {IDD_USER1, IDC_EDIT_LEVEL4, "0", "ﾊﾟﾄﾗｲﾄﾓｰﾄﾞ閾値 ﾚﾍﾞﾙ4入力値異常"},
      {IDD_USER1, IDC_EDIT_MEM_INTERVAL, "999", nullptr},
      {IDD_USER1, IDC_EDIT_MEM_INTERVAL, "0", nullptr},
      {IDD_USER1, IDC_EDIT_MEM_INTERVAL, "1000", "ﾒﾓﾘ間隔時間 ﾒﾓﾘ間隔時間入力値異常", true},
      {IDD_USER1, IDC_EDIT_IOT_START, "0", nullptr},
      {IDD_USER1, IDC_EDIT_IOT_START, "23", nullptr},
      {IDD_USER1, IDC_EDIT_IOT_START, "ab", "IoTユニット 通信開始時刻異常"},
      {IDD_USER1, IDC_EDIT_IOT_START, "7.", "IoTユニット 通信開始時刻異常"},
      {IDD_USER1, IDC_EDIT_IOT_STOP, "1h", "IoTユニット 通信開始時刻異常"},
      {IDD_USER1, IDC_EDIT_IOT_START, "24", "IoTユニット 通信開始時刻異常"},
      {IDD_USER1, IDC_EDIT_IOT_START, "-1", "IoTユニット 通信開始時刻異常"},
      {IDD_USER1, IDC_EDIT_IOT_STOP, "24", "IoTユニット 通信開始時刻異常"},
      {IDD_USER1, IDC_EDIT_IOT_STOP, "23", nullptr},
  };
  for (const CheckCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.id) + " \"" + c.text + "\"");
    CDialog& page = Page(c.page);
    boxes.boxes.clear();
    if (c.placed) {
      PlaceAndLeave(page, c.id, c.text, IDC_COMBO_ALARM_MODE);
    } else {
      TypeAndLeave(page, c.id, c.text, IDC_COMBO_ALARM_MODE);
    }
    if (!c.caption) {
      EXPECT_TRUE(boxes.boxes.empty());
      continue;
    }
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, c.caption);
    EXPECT_EQ(boxes.boxes[0].type, fw::kMbOk | fw::kMbIconExclamation);
    EXPECT_EQ(boxes.boxes[0].ownerTemplate, c.page);
    if (c.id == IDC_EDIT_MEM_INTERVAL) {
      EXPECT_EQ(boxes.boxes[0].text, "0～999分の範囲で入力してください。");
    } else if (c.id == IDC_EDIT_IOT_START || c.id == IDC_EDIT_IOT_STOP) {
      EXPECT_EQ(boxes.boxes[0].text, "0～23時の範囲で入力してください。");
    } else {
      EXPECT_EQ(boxes.boxes[0].text, kTemperature);
    }
    // The focus is back in the field, its text as typed.
    CWnd field;
    field.Attach(page.GetDlgItemHandle(c.id));
    EXPECT_TRUE(field.HasFocus());
    EXPECT_EQ(ui::TextOf(page, c.id), c.text);
    ui::Type(page, c.id, "");   // leave it empty, and so accepted, for the next case
  }
  // Full-width digits, which typing key by key cannot enter on every back end.
  EXPECT_FALSE(inst::PassesRule(*FindFieldCheck(IDD_USER1, IDC_EDIT_BUZZER), "２５"));
}

TEST_F(Pages, TheHumidityLimitIsCheckedOnlyOnceItChanged) {
  CDialog& page = Page(IDD_MAKER1);
  ui::Focus(page, IDC_EDIT_HUMIDITY_LIMIT);
  ui::Focus(page, IDC_COMBO_MODEL);
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_EQ(dlg.m_dlgMaker1.m_bHumidityLimitEdited, 0);

  const CheckCase cases[] = {
      {IDD_MAKER1, IDC_EDIT_HUMIDITY_LIMIT, "0", nullptr},
      {IDD_MAKER1, IDC_EDIT_HUMIDITY_LIMIT, "100", nullptr},
      {IDD_MAKER1, IDC_EDIT_HUMIDITY_LIMIT, "85.5", nullptr},
      {IDD_MAKER1, IDC_EDIT_HUMIDITY_LIMIT, "100.0", nullptr},
      {IDD_MAKER1, IDC_EDIT_HUMIDITY_LIMIT, "-0.1", "相対湿度の表示上限値 入力値異常"},
      {IDD_MAKER1, IDC_EDIT_HUMIDITY_LIMIT, "100.1", "相対湿度の表示上限値 入力値異常"},
      {IDD_MAKER1, IDC_EDIT_HUMIDITY_LIMIT, "90%", "相対湿度の表示上限値 入力値異常"},
      {IDD_MAKER1, IDC_EDIT_HUMIDITY_LIMIT, "9e1", "相対湿度の表示上限値 入力値異常"},
      {IDD_MAKER1, IDC_EDIT_HUMIDITY_LIMIT, "", "相対湿度の表示上限値 入力値異常"},
  };
  for (const CheckCase& c : cases) {
    SCOPED_TRACE(c.text);
    boxes.boxes.clear();
    TypeAndLeave(page, c.id, c.text, IDC_COMBO_MODEL);
    EXPECT_EQ(boxes.boxes.size(), c.caption ? 1u : 0u);
    if (c.caption && !boxes.boxes.empty()) {
      EXPECT_EQ(boxes.boxes[0].caption, c.caption);
      EXPECT_EQ(boxes.boxes[0].text, "0.0～100.0の範囲で入力してください。");
      ui::Type(page, c.id, "50");
    }
  }
}

TEST_F(Pages, TextSetByTheProgramCountsAsAChange) {
  dlg.m_dlgMaker1.m_editHumidityLimit.SetWindowText("80.0");
  EXPECT_EQ(dlg.m_dlgMaker1.m_bHumidityLimitEdited, 1);
}

TEST_F(Pages, TheUsersModelChoiceDecidesTheHumidityLimit) {
  CDialog& page = Page(IDD_MAKER1);
  struct Step {
    int model;
    bool enabled;
  };
  for (const Step& s : {Step{4, false}, Step{5, true}, Step{0, false}, Step{3, true}, Step{2, false}, Step{1, true}}) {
    SCOPED_TRACE(s.model);
    ASSERT_TRUE(ui::ChooseItem(page, IDC_COMBO_MODEL, s.model));
    EXPECT_EQ(ui::IsEnabled(page, IDC_EDIT_HUMIDITY_LIMIT), s.enabled);
  }
  dlg.m_dlgMaker1.m_comboModel.SetCurSel(0);   // the program's choice runs no rule
  EXPECT_TRUE(ui::IsEnabled(page, IDC_EDIT_HUMIDITY_LIMIT));
}

TEST_F(Pages, TwoRejectedFieldsDoNotPassTheFocusBackAndForth) {
  CDialog& page = Page(IDD_USER1);
  dlg.m_dlgUser1.m_editLevel1.SetWindowText("0");
  dlg.m_dlgUser1.m_editLevel2.SetWindowText("0");
  ui::Focus(page, IDC_EDIT_LEVEL1);
  ui::Focus(page, IDC_EDIT_LEVEL2);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].caption, "ﾊﾟﾄﾗｲﾄﾓｰﾄﾞ閾値 ﾚﾍﾞﾙ1入力値異常");
  EXPECT_TRUE(dlg.m_dlgUser1.m_editLevel1.HasFocus());
}

TEST_F(Pages, EnterAndEscapeInAPageDoNothing) {
  CDialog& page = Page(IDD_USER1);
  ui::Type(page, IDC_EDIT_BUZZER, "20");
  ui::PressKey(page, fw::kVkReturn);
  ui::PressKey(page, fw::kVkEscape);
  EXPECT_FALSE(dlg.IsEnded());
  EXPECT_TRUE(dlg.m_dlgUser1.m_editBuzzer.HasFocus());
  EXPECT_EQ(ui::TextOf(page, IDC_EDIT_BUZZER), "20");
  EXPECT_TRUE(boxes.boxes.empty());
}

}  // namespace
