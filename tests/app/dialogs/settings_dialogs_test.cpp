// The modal settings dialogs through the hand-over their callers use: the members are
// filled, the dialog runs, and only an accepted dialog changes them.
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>
#include <gtest/gtest.h>

#include "app/dialogs/animation_values_dialog.h"
#include "app/dialogs/area_dialogs.h"
#include "app/dialogs/colour_dialogs.h"
#include "app/dialogs/effect_dialog_forms.h"
#include "app/dialogs/notice_dialogs.h"
#include "app/dialogs/pen_dialogs.h"
#include "app/dialogs/settings_value_dialogs.h"
#include "views/view_mouse_dialogs.h"
#include "resources/string_table.h"
#include "support/scoped_work_canvas.h"
#include "support/scripted_messages.h"
#include "support/ui/scripted_dialogs.h"

namespace tmb::test {
namespace {

using ui::DialogWindow;

TEST(PenDialog, ADelayAbove2000KeepsTheDialogOpenOnItsEditAnd2000IsTaken) {
  ScriptedMessages messages;
  ScriptedDialogs dialogs;
  CBrushSetDlg dlg;
  dlg.m_nSpeed = 2;
  dlg.m_nDelay = 15;
  dlg.m_nRestrain = 1;
  dialogs.Then([](DialogWindow& d) {
    d.show();
    ScriptedDialogs::Type(d, CBrushSetDlg::kDelayEdit, QStringLiteral("2001"));
    EXPECT_EQ(ScriptedDialogs::PressOk(d), 0);
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.focusWidget(), d.Control(CBrushSetDlg::kDelayEdit));
    return ui::kIdCancel;
  });
  EXPECT_EQ(dlg.DoModal(), ui::kIdCancel);
  EXPECT_EQ(messages.ids, std::vector<int>{61501});
  EXPECT_EQ(dlg.m_nDelay, 15u);
  EXPECT_EQ(dlg.m_nSpeed, 2);
  EXPECT_EQ(dlg.m_nRestrain, 1);
  dialogs.Then([](DialogWindow& d) {
    ScriptedDialogs::Type(d, CBrushSetDlg::kDelayEdit, QStringLiteral("2000"));
    qobject_cast<QSlider*>(d.Control(CBrushSetDlg::kSpeedSlider))->setValue(6);
    return ScriptedDialogs::PressOk(d);
  });
  EXPECT_EQ(dlg.DoModal(), ui::kIdOk);
  EXPECT_EQ(dlg.m_nDelay, 2000u);
  EXPECT_EQ(dlg.m_nSpeed, 6);
}

TEST(ZoomDialog, PixelsKeepWithinTheCanvasAndPercentsEdgesAndAnglesWithinTheirRanges) {
  ScopedWorkCanvas canvas(500, 750);
  struct Case {
    int id;
    const char* text;
    bool accepted;
  } cases[] = {
      {102, "750", true}, {102, "751", false}, {103, "500", true}, {103, "501", false},
      {105, "0", false},  {105, "1", true},    {108, "500", true}, {110, "501", false},
      {112, "-501", false}, {112, "500", true}, {113, "-500", true}, {113, "501", false},
      {114, "359", true}, {114, "360", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.id << " = " << c.text);
    ScriptedMessages messages;
    ScriptedDialogs dialogs;
    CZoomDlg values;
    dialogs.Then([&](DialogWindow& d) {
      ScriptedDialogs::Type(d, c.id, QString::fromLatin1(c.text));
      const int result = ScriptedDialogs::PressOk(d);
      return result ? result : ui::kIdCancel;
    });
    EXPECT_EQ(gEffectDialogForms.m_zoom.Run(values) == kAnswerOk, c.accepted);
    EXPECT_EQ(messages.ids.empty(), c.accepted);
    EXPECT_EQ(dialogs.shown, std::vector<int>{149});
  }
}

// The arrows run from 0 over the whole paper, the edits take 1..1000 and 1..1500: what
// an arrow offers beyond its edit is refused by OK with the edit's range.
TEST(GuideLineDialog, ItsSpinsRunOverThePaperAndOkHoldsTheEditsToTheirRanges) {
  struct Case {
    int width, height;
    bool accepted;  // the arrows of 172 and 173 moved to their tops
    std::vector<std::string> texts;
  } cases[] = {{500, 750, true, {}}, {2000, 3000, false, {"Enter an integer between 1 and 1000."}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
    ScopedWorkCanvas canvas(c.width, c.height);
    ScriptedMessages messages;
    ScriptedDialogs dialogs;
    CGuideLineDlg dlg;
    dlg.m_nWidth = 50;
    dlg.m_nHeight = 60;
    dlg.m_bOption = 1;
    dialogs.Then([&](DialogWindow& d) {
      auto* spinWidth = qobject_cast<QSpinBox*>(d.Control(172));
      auto* spinHeight = qobject_cast<QSpinBox*>(d.Control(173));
      EXPECT_EQ(spinWidth->value(), 50);
      for (int id : {172, 173, 174, 175}) EXPECT_EQ(qobject_cast<QSpinBox*>(d.Control(id))->minimum(), 0) << id;
      EXPECT_EQ(spinWidth->maximum(), c.width);
      EXPECT_EQ(spinHeight->maximum(), c.height);
      EXPECT_EQ(qobject_cast<QSpinBox*>(d.Control(174))->maximum(), c.width);
      EXPECT_EQ(qobject_cast<QSpinBox*>(d.Control(175))->maximum(), c.height);
      spinWidth->setValue(spinWidth->maximum());
      spinHeight->setValue(spinHeight->maximum());
      const int result = ScriptedDialogs::PressOk(d);
      return result ? result : ui::kIdCancel;
    });
    EXPECT_EQ(dlg.DoModal() == ui::kIdOk, c.accepted);
    EXPECT_EQ(messages.texts, c.texts);
    if (!c.accepted) continue;
    EXPECT_EQ(dlg.m_nWidth, unsigned(c.width));
    EXPECT_EQ(dlg.m_nHeight, unsigned(c.height));
    EXPECT_EQ(dlg.m_bOption, 0);
  }
}

// OK checks every number, also one the caller handed in and the user never touched: the
// edit shows it as it is and OK refuses it with its range. The margins have no range but
// the unsigned numbers', so margins past the paper pass.
TEST(GuideLineDialog, AHandedInValueOutOfRangeIsShownAsItIsAndRefusedByOk) {
  ScopedWorkCanvas canvas(500, 750);
  struct Case {
    unsigned width, height, right, top;
    int refusedEdit;  // 0: accepted
    const char* range;
  } cases[] = {
      {1000, 1500, 500, 750, 0, ""},
      {5000, 60, 10, 20, 102, "1 and 1000"},
      {40, 0, 10, 20, 103, "1 and 1500"},
      {40, 60, 501, 751, 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.refusedEdit);
    ScriptedMessages messages;
    ScriptedDialogs dialogs;
    CGuideLineDlg dlg;
    dlg.m_nWidth = c.width;
    dlg.m_nHeight = c.height;
    dlg.m_nRight = c.right;
    dlg.m_nTop = c.top;
    dialogs.Then([&](DialogWindow& d) {
      if (c.refusedEdit) {
        const unsigned shown = c.refusedEdit == 102 ? c.width : c.refusedEdit == 103 ? c.height
                             : c.refusedEdit == 105 ? c.right : c.top;
        EXPECT_EQ(qobject_cast<QLineEdit*>(d.Control(c.refusedEdit))->text(), QString::number(shown));
      }
      const int result = ScriptedDialogs::PressOk(d);
      if (c.refusedEdit) {
        EXPECT_EQ(d.focusWidget(), d.Control(c.refusedEdit));
      }
      return result ? result : ui::kIdCancel;
    });
    EXPECT_EQ(dlg.DoModal() == ui::kIdOk, c.refusedEdit == 0);
    if (c.refusedEdit == 0) {
      EXPECT_TRUE(messages.ids.empty());
      continue;
    }
    EXPECT_EQ(messages.texts, std::vector<std::string>{std::string("Enter an integer between ") + c.range + "."});
  }
}

TEST(StdSettingForm, TheSaveOrLoadModeShowsItsCaptionAndNoSource) {
  for (int mode : {0, 1}) {
    SCOPED_TRACE(mode);
    ScriptedDialogs dialogs;
    CStdSettingDlg values;
    values.m_nMode = mode;
    dialogs.Then([&](DialogWindow& d) {
      EXPECT_EQ(d.windowTitle() == QString::fromStdString(LoadStringText(62101)), mode != 0);
      for (int id : {470, 471, 252}) EXPECT_EQ(d.Control(id)->isEnabled(), mode == 0) << id;
      EXPECT_TRUE(d.Control(176)->isEnabled());
      return ui::kIdCancel;
    });
    EXPECT_EQ(gStdSettingForm.Run(values), kAnswerCancel);
    EXPECT_EQ(dialogs.shown, std::vector<int>{194});
  }
}

TEST(StdSettingForm, OkCopiesEachCheckAndTheSourceAndCancelNothing) {
  ScriptedDialogs dialogs;
  CStdSettingDlg values;
  auto choose = [](DialogWindow& d) {
    for (int id : {176, 188, 189, 190, 235, 404}) ScriptedDialogs::Check(d, id, true);
    ScriptedDialogs::Check(d, 471, true);
  };
  dialogs.Then([&](DialogWindow& d) {
    choose(d);
    return ui::kIdCancel;
  });
  EXPECT_EQ(gStdSettingForm.Run(values), kAnswerCancel);
  EXPECT_EQ(values.m_bBrush + values.m_bOther + values.m_bShape + values.m_bEffect + values.m_bGuide +
                values.m_bCharacter + values.m_nSource,
            0);
  dialogs.Then([&](DialogWindow& d) {
    choose(d);
    return ScriptedDialogs::PressOk(d);
  });
  EXPECT_EQ(gStdSettingForm.Run(values), kAnswerOk);
  EXPECT_EQ(values.m_bBrush, 1);
  EXPECT_EQ(values.m_bOther, 1);
  EXPECT_EQ(values.m_bShape, 1);
  EXPECT_EQ(values.m_bEffect, 1);
  EXPECT_EQ(values.m_bGuide, 1);
  EXPECT_EQ(values.m_bCharacter, 1);
  EXPECT_EQ(values.m_nSource, 1);
}

TEST(ViewMouseDialogs, Buttons135And140EndAsOkWithTheirAction) {
  struct Case {
    int button;
    int action;
  } cases[] = {{135, CDlg198::kAction135}, {140, CDlg198::kAction140}};
  for (const Case& c : cases) {
    ScriptedDialogs dialogs;
    CDlg198 dlg;
    dlg.m_nValue = 200;
    dialogs.Then([&](DialogWindow& d) {
      ScriptedDialogs::Type(d, 102, QStringLiteral("abc"));
      ScriptedDialogs::Click(d, c.button);
      return d.result() == QDialog::Accepted ? ui::kIdOk : ui::kIdCancel;
    });
    EXPECT_EQ(dlg.DoModal(), ui::kIdOk);
    EXPECT_EQ(dlg.m_nAction, c.action);
    EXPECT_EQ(dlg.m_strText, "abc");
    EXPECT_EQ(dlg.m_nRadio132, -1);
  }
  ScriptedDialogs dialogs;
  CDlg197 plain;
  dialogs.Then([](DialogWindow& d) {
    ScriptedDialogs::Click(d, 135);
    return d.result() == QDialog::Accepted ? ui::kIdOk : ui::kIdCancel;
  });
  EXPECT_EQ(plain.DoModal(), ui::kIdOk);
  EXPECT_EQ(plain.m_nAction, CDlg197::kAction135);
  CDlg201 text;
  dialogs.Then([](DialogWindow& d) {
    ScriptedDialogs::Type(d, 102, QStringLiteral("文字"));
    return ScriptedDialogs::PressOk(d);
  });
  EXPECT_EQ(text.DoModal(), ui::kIdOk);
  EXPECT_EQ(text.m_strText, "文字");
  EXPECT_EQ(dialogs.shown, (std::vector<int>{197, 201}));
}

TEST(FreeTemplates, DialogsWithoutATemplateOfTheirOwnOpenFromTheirTable) {
  ScriptedDialogs dialogs;
  CDlg147 d147;
  CDlg196 d196;
  CDlg197 d197;
  CDlg198 d198;
  CDlg201 d201;
  CDlg206 d206;
  CDlg220 d220;
  CDlg225 d225;
  CDlg255 d255;
  CDlg269 d269;
  CSaveRangeDlg d323;
  for (ui::ModalDialog* dlg : std::initializer_list<ui::ModalDialog*>{&d147, &d196, &d197, &d198, &d201, &d206, &d220,
                                                                      &d225, &d255, &d269, &d323}) {
    dialogs.Then([](DialogWindow& d) {
      EXPECT_FALSE(d.findChildren<QWidget*>().isEmpty());
      return ScriptedDialogs::PressOk(d);
    });
    EXPECT_NE(dlg->DoModal(), ui::kIdFailed) << dlg->templateId();
  }
  EXPECT_EQ(dialogs.shown, (std::vector<int>{147, 196, 197, 198, 201, 206, 220, 225, 255, 269, 323}));
}

TEST(SaveRangeDialog, OkTakesTheChosenRangeAndCancelLeavesIt) {
  ScriptedDialogs dialogs;
  CSaveRangeDlg& dlg = gSaveRangeDlg;
  dlg.m_nRange = 0;
  dialogs.Then([](DialogWindow& d) {
    ScriptedDialogs::Check(d, 481, true);
    return ui::kIdCancel;
  });
  dlg.DoModal();
  EXPECT_EQ(dlg.m_nRange, 0);
  dialogs.Then([](DialogWindow& d) {
    ScriptedDialogs::Check(d, 481, true);
    return ScriptedDialogs::PressOk(d);
  });
  EXPECT_EQ(dlg.DoModal(), ui::kIdOk);
  EXPECT_EQ(dlg.m_nRange, 1);
  dlg.m_nRange = 0;
}

TEST(NoticeDialogs, TheyOfferTheirButtonsOnly) {
  ScriptedDialogs dialogs;
  dialogs.Then([](DialogWindow& d) {
    EXPECT_TRUE(d.Control(ui::kIdCancel)->isHidden());
    return ScriptedDialogs::PressOk(d);
  });
  dialogs.Then([](DialogWindow& d) {
    EXPECT_FALSE(d.Control(ui::kIdCancel)->isHidden());
    EXPECT_EQ(qobject_cast<QAbstractButton*>(d.Control(ui::kIdOk))->text(), QStringLiteral("次へ"));
    return ui::kIdCancel;
  });
  EXPECT_EQ(CColorModeWarnDlg().DoModal(), ui::kIdOk);
  EXPECT_EQ(CClipboardNoticeDlg().DoModal(), ui::kIdCancel);
  EXPECT_EQ(CDlg269().DoModal(), ui::kIdCancel);
  EXPECT_EQ(dialogs.shown, (std::vector<int>{205, 253, 269}));
}


TEST(AnimationValuesDialog, ItsSlidersWriteTheirEditsAndTheShiftSpansTheFrames) {
  struct Case {
    unsigned frames;
    int slider;        // moved to
    const char* shift; // then shown in 334
    const char* typed; // typed into 334
    int position;      // the slider after it
  } cases[] = {{10, 4, "2", "1.5", 3}, {10, -10, "-5", "5", 10}, {0, 0, "0", "5", 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.frames);
    ScriptedDialogs dialogs;
    CDlg220 dlg;
    dlg.m_nFrames = c.frames;
    dialogs.Then([&](DialogWindow& d) {
      auto* shift = qobject_cast<QSlider*>(d.Control(440));
      EXPECT_EQ(shift->minimum(), -int(c.frames));
      EXPECT_EQ(shift->maximum(), int(c.frames));
      shift->setValue(c.slider + 1);
      shift->setValue(c.slider);
      if (c.frames) {
        EXPECT_EQ(qobject_cast<QLineEdit*>(d.Control(334))->text(), QString::fromLatin1(c.shift));
      }
      ScriptedDialogs::Enter(d, 334, QString::fromLatin1(c.typed));
      EXPECT_EQ(shift->value(), c.position);
      qobject_cast<QSlider*>(d.Control(409))->setValue(70);
      EXPECT_EQ(qobject_cast<QLineEdit*>(d.Control(402))->text(), QStringLiteral("70"));
      qobject_cast<QSlider*>(d.Control(435))->setValue(9);
      EXPECT_EQ(qobject_cast<QLineEdit*>(d.Control(436))->text(), QStringLiteral("9"));
      return ScriptedDialogs::PressOk(d);
    });
    EXPECT_EQ(dlg.DoModal(), ui::kIdOk);
    EXPECT_EQ(dlg.m_nSplit, 70);
    EXPECT_EQ(dlg.m_nStretch, 9);
    EXPECT_EQ(dlg.m_nSlider440, c.position);
  }
}

}  // namespace
}  // namespace tmb::test
