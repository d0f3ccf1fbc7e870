// The animation sheet's windows: every control of a page or dialog has an id of its own,
// the frame count keeps one range, the motion page refits the waits as it is left, the
// wait dialog's buttons, the folder chooser, and names a record cannot keep refused.
#include "export/sheet/ani_p_sheet.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "export/sheet/ani_base_page.h"
#include "export/sheet/ani_save_page.h"
#include "export/sheet/median_option_dlg.h"
#include "export/sheet/wait_time_dlg.h"
#include "imageedit/editor/area_setting.h"
#include "platform/ui/radio_choice.h"
#include "support/scripted_chooser.h"
#include "support/scripted_messages.h"
#include "support/ui/control_ids.h"
#include "support/ui/scripted_dialogs.h"

namespace tmb::test {
namespace {

QLineEdit* Edit(const tmb::ui::PropertyPage& page, int id) { return qobject_cast<QLineEdit*>(page.Control(id)); }

class AniSheet : public ::testing::Test {
 protected:
  void SetUp() override {
    sheet.m_onConfirm = [this](CAniPage& page, CAniPage::ApplyMode mode) {
      confirmed.push_back(page.pageIndex());
      modes.push_back(mode);
    };
    sheet.m_onCancel = [this](CAniPage& page) { cancelled.push_back(page.pageIndex()); };
  }
  CAniPage& Page(int tab) {
    EXPECT_TRUE(sheet.SetActivePage(tab));
    return *static_cast<CAniPage*>(sheet.Page(tab));
  }
  static void Click(const tmb::ui::PropertyPage& page, int id) {
    if (auto* button = qobject_cast<QAbstractButton*>(page.Control(id))) button->click();
  }

  ScriptedMessages messages;
  ScriptedDialogs dialogs;
  CAniPSheet sheet;
  std::vector<int> confirmed, cancelled;
  std::vector<CAniPage::ApplyMode> modes;
};

TEST_F(AniSheet, SixPagesInTheirOrderEachWithControlsOfTheirOwnIds) {
  ASSERT_EQ(sheet.pageCount(), 6);
  const std::vector<std::string> captions = {"動作", "特殊動作", "ファイル", "ファイル拡張", "swfファイル",
                                             "フォント形状補正"};
  const std::vector<int> numbers = {kAnimPageMotion, kAnimPageSpecial, kAnimPageSave, kAnimPageSaveEx,
                                    kAnimPageSwf,    kAnimPageFont};
  // The radio sets whose template numbering ran into other controls keep their ids.
  const std::vector<std::vector<int>> mustHave = {
      {306, 411, 365, 366, 367, 368, 369, 402, 409, 605, 403, 1, 324, 2},
      {462, 463, 550, 544, 543, 1, 324, 2},
      {308, 320, 314, 388, 389, 393, 579, 523, 1, 324, 2},
      {606, 607, 608, 609, 617, 1, 324, 2},
      {622, 623, 624, 625, 652, 422, 613, 1, 324, 2},
      {592, 593, 594, 595, 596, 597, 615, 1, 324, 2},
  };
  for (int tab = 0; tab < 6; ++tab) {
    SCOPED_TRACE(tab);
    CAniPage& page = Page(tab);
    EXPECT_EQ(page.caption(), captions[size_t(tab)]);
    EXPECT_EQ(page.pageIndex(), numbers[size_t(tab)]);
    EXPECT_EQ(sheet.PageOfIndex(numbers[size_t(tab)]), &page);
    ExpectEveryIdOnce(page, mustHave[size_t(tab)]);
  }
  EXPECT_EQ(sheet.PageOfIndex(26), nullptr);

  // The dialogs the pages open, likewise.
  for (int button : {CAniBasePage::kMedianButton}) {
    dialogs.Then([](ui::DialogWindow& d) {
      ExpectEveryIdOnce(d, {602, 603, 368, 369, 370, 371, 372, 373, 374, 375, 376, 377});
      return ui::kIdCancel;
    });
    Click(Page(CAniPSheet::kTabMotion), button);
  }
  dialogs.Then([](ui::DialogWindow& d) {
    ExpectEveryIdOnce(d, {522, 524, 525, 526, 527});
    return ui::kIdCancel;
  });
  Click(Page(CAniPSheet::kTabSave), CAniSavePage::kWaitButton);
  EXPECT_EQ(dialogs.shown, (std::vector<int>{281, 274}));
}

TEST_F(AniSheet, TheFrameCountKeepsOneRangeInItsEditAndItsSpin) {
  CAniPage& motion = Page(CAniPSheet::kTabMotion);
  auto* spin = qobject_cast<QSpinBox*>(motion.Control(CAniBasePage::kFramesSpin));
  ASSERT_NE(spin, nullptr);
  EXPECT_EQ(spin->minimum(), kSheetMinFrames);
  EXPECT_EQ(spin->maximum(), kSheetMaxFrames);
  struct Case {
    const char* text;
    bool accepted;
  } cases[] = {{"1", false}, {"2", true}, {"100", true}, {"101", false}, {"1000", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    messages.ids.clear();
    confirmed.clear();
    Edit(motion, CAniBasePage::kFramesEdit)->setText(QString::fromUtf8(c.text));
    EXPECT_EQ(motion.Confirm(), c.accepted);
    EXPECT_EQ(confirmed.size(), c.accepted ? 1u : 0u);
    EXPECT_EQ(messages.ids, c.accepted ? std::vector<int>{} : std::vector<int>{61501});
  }
}

TEST_F(AniSheet, LeavingTheMotionPageWithMoreFramesGivesTheNewFramesWaits) {
  sheet.m_values.base.m_nFrames = 5;
  sheet.m_values.save.m_nWaitCount = 5;
  sheet.m_values.save.m_waits = {10, 10, 10, 10, 10, 0, 0, 0};
  CAniPage& motion = Page(CAniPSheet::kTabMotion);
  motion.UpdateData(false);
  Edit(motion, CAniBasePage::kFramesEdit)->setText(QStringLiteral("8"));
  ASSERT_TRUE(sheet.SetActivePage(CAniPSheet::kTabSave));
  const auto& waits = sheet.m_values.save.m_waits;
  EXPECT_EQ(std::vector<int32_t>(waits.begin(), waits.begin() + 9),
            (std::vector<int32_t>{10, 10, 10, 10, 10, 30, 30, 30, 0}));
}

// Selects the listed lines of the wait dialog and presses button.
ScriptedDialogs::Step SelectAndPress(std::vector<int> lines, int button) {
  return [lines, button](ui::DialogWindow& d) {
    auto* list = qobject_cast<QListWidget*>(d.Control(CWaitTimeDlg::kList));
    for (int line : lines) {
      QListWidgetItem* item = list->item(line);
      EXPECT_NE(item, nullptr) << "line " << line;
      if (item) item->setSelected(true);
    }
    ScriptedDialogs::Click(d, button);
    return ScriptedDialogs::PressOk(d);
  };
}

TEST_F(AniSheet, TheWaitDialogSpreadsBetweenTwoLinesSetsAndResets) {
  CAniSaveValues& save = sheet.m_values.save;
  sheet.m_values.base.m_nFrames = 8;
  save.m_nWaitCount = 8;
  save.m_waits = {10, 10, 10, 10, 10, 10, 50, 10};
  save.m_nWaitFirst = 5;
  save.m_nWaitMiddle = 6;
  save.m_nWaitLast = 7;
  sheet.ShowValues(kAnimPageAll);
  CAniPage& page = Page(CAniPSheet::kTabSave);
  auto head = [&save] { return std::vector<int32_t>(save.m_waits.begin(), save.m_waits.begin() + 9); };

  dialogs.Then(SelectAndPress({2, 6}, CWaitTimeDlg::kSpreadButton));
  Click(page, CAniSavePage::kWaitButton);
  EXPECT_EQ(head(), (std::vector<int32_t>{10, 10, 10, 20, 30, 40, 50, 10, 0}));

  dialogs.Then(SelectAndPress({4}, CWaitTimeDlg::kSpreadButton));  // one line: nothing
  Click(page, CAniSavePage::kWaitButton);
  EXPECT_EQ(head(), (std::vector<int32_t>{10, 10, 10, 20, 30, 40, 50, 10, 0}));

  dialogs.Then([](ui::DialogWindow& d) {
    ScriptedDialogs::Type(d, CWaitTimeDlg::kValueEdit, QStringLiteral("99"));
    return SelectAndPress({0, 7}, CWaitTimeDlg::kSetButton)(d);
  });
  Click(page, CAniSavePage::kWaitButton);
  EXPECT_EQ(head(), (std::vector<int32_t>{99, 10, 10, 20, 30, 40, 50, 99, 0}));

  dialogs.Then(SelectAndPress({}, CWaitTimeDlg::kResetButton));
  Click(page, CAniSavePage::kWaitButton);
  EXPECT_EQ(head(), (std::vector<int32_t>{5, 6, 6, 6, 6, 6, 6, 7, 0}));

  // A cancelled dialog gives nothing back, and the list shows the waits it was given.
  dialogs.Then([](ui::DialogWindow& d) {
    auto* list = qobject_cast<QListWidget*>(d.Control(CWaitTimeDlg::kList));
    EXPECT_EQ(list->count(), 8);
    if (list->count() == 8) {
      EXPECT_EQ(list->item(7)->text(), QStringLiteral("7"));
    }
    SelectAndPress({0}, CWaitTimeDlg::kSetButton)(d);
    return ui::kIdCancel;
  });
  Click(page, CAniSavePage::kWaitButton);
  EXPECT_EQ(save.m_waits[0], 5);
}

TEST_F(AniSheet, TheMedianDialogGivesItsValuesBackOnlyOnOk) {
  CAniPage& motion = Page(CAniPSheet::kTabMotion);
  dialogs.Then([](ui::DialogWindow& d) {
    ScriptedDialogs::Type(d, 374, QStringLiteral("480"));  // the flow runs to 500
    ScriptedDialogs::Click(d, 602 + ui::kSecondButton);
    return ScriptedDialogs::PressOk(d);
  });
  Click(motion, CAniBasePage::kMedianButton);
  EXPECT_EQ(sheet.m_values.base.m_median.m_value[kMedianFlow], 480);
  EXPECT_EQ(sheet.m_values.base.m_median.m_mode[kMedianVein], 1);
  dialogs.Then([](ui::DialogWindow& d) {
    ScriptedDialogs::Type(d, 374, QStringLiteral("5"));
    return ui::kIdCancel;
  });
  Click(motion, CAniBasePage::kMedianButton);
  EXPECT_EQ(sheet.m_values.base.m_median.m_value[kMedianFlow], 480);
}

TEST_F(AniSheet, TheChosenFolderIsShownAndTypedValuesStay) {
  ScriptedChooser chooser;
  CAniPage& page = Page(CAniPSheet::kTabSave);
  Edit(page, CAniSavePage::kBaseEdit)->setText(QStringLiteral("typed"));
  chooser.Next("/tmp/選んだ");
  Click(page, CAniSavePage::kBrowseButton);
  EXPECT_EQ(Edit(page, CAniSavePage::kFolderEdit)->text(), QStringLiteral("/tmp/選んだ"));
  EXPECT_EQ(Edit(page, CAniSavePage::kBaseEdit)->text(), QStringLiteral("typed"));
  Click(page, CAniSavePage::kBrowseButton);  // cancelled: the folder stays
  EXPECT_EQ(sheet.m_values.save.m_strFolder, "/tmp/選んだ");
}

TEST_F(AniSheet, TheRegionButtonSetsTheSaveRegionUnlessTheDialogIsCancelled) {
  gAnimSaveRegion = {10, 20, 110, 220};
  gAnimRegionSet = 0;
  int answer = 2;  // the region dialog's result: IDCANCEL
  SetAreaSettingRunner([&answer](CAreaSettingState& s) {
    EXPECT_EQ(s.Region(), (Rect{10, 20, 110, 220}));
    EXPECT_NE(s.m_nTarget, 1);  // the preview, not the image editor
    s.SetRegion({5, 6, 50, 60});
    return answer;
  });
  CAniPage& page = Page(CAniPSheet::kTabSave);
  Click(page, CAniSavePage::kRegionButton);
  EXPECT_EQ(gAnimRegionSet, 0);
  EXPECT_EQ(gAnimSaveRegion, (Rect{10, 20, 110, 220}));
  answer = 1;
  Click(page, CAniSavePage::kRegionButton);
  EXPECT_EQ(gAnimRegionSet, 1);
  EXPECT_EQ(gAnimSaveRegion, (Rect{5, 6, 50, 60}));
  SetAreaSettingRunner(nullptr);
  gAnimSaveRegion = {};
  gAnimRegionSet = 0;
}

TEST_F(AniSheet, ANameOutsideCodePage932IsRefusedWhicheverPageConfirms) {
  CAniPage& save = Page(CAniPSheet::kTabSave);
  Edit(save, CAniSavePage::kFolderEdit)->setText(QStringLiteral("/tmp/한글"));
  CAniPage& motion = Page(CAniPSheet::kTabMotion);
  Click(motion, CAniPage::kConfirm);
  EXPECT_TRUE(confirmed.empty());
  ASSERT_EQ(messages.ids, std::vector<int>{61594});
  EXPECT_NE(messages.texts[0].find("/tmp/한글"), std::string::npos);
  EXPECT_EQ(sheet.ActiveIndex(), CAniPSheet::kTabSave);

  Edit(save, CAniSavePage::kFolderEdit)->setText(QStringLiteral("/tmp/漢字"));
  Click(save, CAniPage::kConfirm);
  EXPECT_EQ(confirmed, std::vector<int>{kAnimPageSave});
  Click(Page(CAniPSheet::kTabMotion), CAniBasePage::kShowButton);
  EXPECT_EQ(confirmed, (std::vector<int>{kAnimPageSave, kAnimPageMotion}));
  Click(save, CAniPage::kOk);
  EXPECT_EQ(modes, (std::vector<CAniPage::ApplyMode>{CAniPage::kApplyConfirm, CAniPage::kApplyShow, CAniPage::kApplyOk}));
  Click(save, CAniPage::kCancel);
  EXPECT_EQ(cancelled, std::vector<int>{kAnimPageSave});
}

}  // namespace
}  // namespace tmb::test
