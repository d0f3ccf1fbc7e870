// The colour-slot editor in its dialogs, boxes and page: scales, swatches, channel edits,
// the colour box, the buttons of the colour change and the hand-over of each.
#include <QAbstractButton>
#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

#include "platform/ui/colour_boxes.h"
#include "app/dialogs/colour_page.h"
#include "app/dialogs/effect_dialog_forms.h"
#include "core/record/char_data_full.h"
#include "platform/text/code_page.h"
#include "platform/ui/property_sheet.h"
#include "support/scripted_chooser.h"
#include "support/scripted_colour_chooser.h"
#include "support/scripted_messages.h"
#include "support/ui/scripted_dialogs.h"

namespace tmb::test {
namespace {

using ui::DialogWindow;

QSlider* SliderOf(DialogWindow& d, int id) { return qobject_cast<QSlider*>(d.Control(id)); }
QString TextOf(DialogWindow& d, int id) { return qobject_cast<QLineEdit*>(d.Control(id))->text(); }

void FlushDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

class ColourDialogs : public ::testing::Test {
 protected:
  void SetUp() override { SetEffectDialogRunner(&gEffectDialogForms); }
  void TearDown() override { SetEffectDialogRunner(nullptr); }

  ScriptedMessages messages;
  ScriptedDialogs dialogs;
  ScriptedColourChooser colours;
};

TEST_F(ColourDialogs, ThePercentScaleShows128At50AndTakes50As127) {
  CEffectDetailDlg values;
  values.m_slots[0] = {128, 0, 255};
  dialogs.Then([](DialogWindow& d) {
    EXPECT_EQ(SliderOf(d, 185)->maximum(), 100);
    EXPECT_EQ(SliderOf(d, 185)->value(), 50);
    EXPECT_EQ(SliderOf(d, 187)->value(), 100);
    EXPECT_EQ(TextOf(d, 106), QStringLiteral("128"));
    SliderOf(d, 185)->setValue(49);
    SliderOf(d, 185)->setValue(50);
    EXPECT_EQ(TextOf(d, 106), QStringLiteral("127"));
    return ScriptedDialogs::PressOk(d);
  });
  EXPECT_EQ(values.DoModal(), kAnswerOk);
  EXPECT_EQ(values.m_slots[0], (RgbSlot{127, 0, 255}));
}

TEST_F(ColourDialogs, DraggingASliderShowsEveryStepInItsEdit) {
  CEffectDetailDlg values;
  dialogs.Then([](DialogWindow& d) {
    for (int position = 1; position <= 100; position += 9) {
      SliderOf(d, 186)->setValue(position);
      EXPECT_EQ(TextOf(d, 229), QString::number(position * 255 / 100)) << position;
    }
    return ui::kIdCancel;
  });
  EXPECT_EQ(values.DoModal(), kAnswerCancel);
  EXPECT_EQ(values.m_slots[0], (RgbSlot{0, 0, 0})) << "Cancel keeps every colour";
}

TEST_F(ColourDialogs, AChannelEditKeepsItsNumberWithin0To255) {
  struct Case {
    const char* typed;
    int stored;
    const char* shown;
  } cases[] = {{"300", 255, "255"}, {"-1", 0, "0"}, {"77", 77, "77"}, {"abc", 10, "10"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    CColorChangeDlg values;
    values.m_slots[CColorChangeDlg::kSlotCharacter] = {10, 20, 30};
    dialogs.Then([&](DialogWindow& d) {
      ScriptedDialogs::Enter(d, 106, QString::fromLatin1(c.typed));
      EXPECT_EQ(TextOf(d, 106), QString::fromLatin1(c.shown));
      EXPECT_EQ(SliderOf(d, 284)->value(), c.stored * 100 / 255);
      return ScriptedDialogs::PressOk(d);
    });
    EXPECT_EQ(values.DoModal(), kAnswerOk);
    EXPECT_EQ(values.m_slots[CColorChangeDlg::kSlotCharacter], (RgbSlot{uint8_t(c.stored), 20, 30}));
  }
}

TEST_F(ColourDialogs, TheColourBoxFillsTheCurrentSlotAndItsCancelNothing) {
  CColorChangeDlg values;
  values.m_slots[CColorChangeDlg::kSlotPaper] = {1, 2, 3};
  colours.Next(MakeRgb(200, 100, 50));
  dialogs.Then([](DialogWindow& d) {
    ScriptedDialogs::Click(d, 283);  // set: the paper part
    ScriptedDialogs::Click(d, 226);
    EXPECT_EQ(TextOf(d, 229), QStringLiteral("100"));
    ScriptedDialogs::Click(d, 282);  // set: the character part
    ScriptedDialogs::Click(d, 226);  // cancelled
    return ScriptedDialogs::PressOk(d);
  });
  EXPECT_EQ(values.DoModal(), kAnswerOk);
  ASSERT_EQ(colours.offered.size(), 2u);
  EXPECT_EQ(colours.offered[0], MakeRgb(1, 2, 3));
  EXPECT_EQ(values.m_slots[CColorChangeDlg::kSlotPaper], (RgbSlot{200, 100, 50}));
  EXPECT_EQ(values.m_slots[CColorChangeDlg::kSlotCharacter], (RgbSlot{0, 0, 0}));
  EXPECT_EQ(values.m_nCurrentSlot, CColorChangeDlg::kSlotCharacter);
  EXPECT_EQ(values.m_nSetChoice, CColorChangeDlg::kSlotCharacter);
}

TEST_F(ColourDialogs, AFocusedSwatchBecomesTheCurrentSlot) {
  CEffectDetailDlg values;
  values.m_slots[CEffectDetailDlg::kSlotGrade2] = {9, 8, 7};
  dialogs.Then([](DialogWindow& d) {
    ScriptedDialogs::Focus(d, 267);
    EXPECT_EQ(TextOf(d, 106), QStringLiteral("9"));
    EXPECT_EQ(TextOf(d, 230), QStringLiteral("7"));
    return ScriptedDialogs::PressOk(d);
  });
  EXPECT_EQ(values.DoModal(), kAnswerOk);
  EXPECT_EQ(values.m_nCurrentSlot, CEffectDetailDlg::kSlotGrade2);
}

TEST_F(ColourDialogs, EachChangeButtonEndsWithItsActionAndOkAfterwardsWithNone) {
  const int buttons[] = {293, 287, 291, 296, 355, 356};
  CColorChangeDlg& values = gColorChangeDlg;
  for (int i = 0; i < 6; ++i) {
    dialogs.Then([&](DialogWindow& d) {
      ScriptedDialogs::Click(d, buttons[i]);
      return d.result() == QDialog::Accepted ? ui::kIdOk : ui::kIdCancel;
    });
    EXPECT_EQ(values.DoModal(), kAnswerOk) << buttons[i];
    EXPECT_EQ(values.m_nAction, i + 1) << buttons[i];
  }
  dialogs.Then([](DialogWindow& d) { return ScriptedDialogs::PressOk(d); });
  EXPECT_EQ(values.DoModal(), kAnswerOk);
  EXPECT_EQ(values.m_nAction, 0);
  values = CColorChangeDlg();
}

TEST_F(ColourDialogs, TheBackgroundButtonsSetOnlyTheBackgroundSlot) {
  CColorChangeDlg values;
  values.m_slots[CColorChangeDlg::kSlotCharacter] = {1, 1, 1};
  values.m_slots[CColorChangeDlg::kSlotBackground] = {5, 5, 5};
  dialogs.Then([&](DialogWindow& d) {
    ScriptedDialogs::Click(d, 289);  // the background slot is current
    ScriptedDialogs::Click(d, 292);
    ScriptedDialogs::Click(d, 332);  // no picture region: a beep
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_EQ(TextOf(d, 106), QStringLiteral("5"));
    return ScriptedDialogs::PressOk(d);
  });
  EXPECT_EQ(values.DoModal(), kAnswerOk);
  EXPECT_EQ(values.m_slots[CColorChangeDlg::kSlotBackground], (RgbSlot{5, 5, 5}));
  dialogs.Then([](DialogWindow& d) {
    ScriptedDialogs::Click(d, 282);
    ScriptedDialogs::Click(d, 292);
    return ScriptedDialogs::PressOk(d);
  });
  gEffectDialogForms.m_change.m_regionCornerColour = [] { return std::optional<Colour>(MakeRgb(7, 8, 9)); };
  EXPECT_EQ(values.DoModal(), kAnswerOk);
  EXPECT_EQ(values.m_slots[CColorChangeDlg::kSlotBackground], (RgbSlot{1, 1, 1}));
  dialogs.Then([](DialogWindow& d) {
    ScriptedDialogs::Click(d, 332);
    return ScriptedDialogs::PressOk(d);
  });
  EXPECT_EQ(values.DoModal(), kAnswerOk);
  gEffectDialogForms.m_change.m_regionCornerColour = nullptr;
  EXPECT_EQ(values.m_slots[CColorChangeDlg::kSlotBackground], (RgbSlot{7, 8, 9}));
  EXPECT_EQ(values.m_slots[CColorChangeDlg::kSlotCharacter], (RgbSlot{1, 1, 1}));
}

TEST_F(ColourDialogs, TheCorrectionBoxShowsItsOneSwatchAndGoesWithItsWindow) {
  QPointer<CFixColorDlg> box = new CFixColorDlg;
  box->m_colours.SetSlotColour(0, 0x0000FF);
  box->m_colours.SetSlotColour(1, MakeRgb(1, 2, 3));
  ASSERT_TRUE(box->Create());
  DialogWindow& d = *box->window();
  EXPECT_EQ(box->m_bActive, 1);
  EXPECT_EQ(d.Control(103), nullptr);
  EXPECT_EQ(SliderOf(d, 185)->value(), 100);
  // The swatch of colour 0x0000FF: red in the low byte, so pure red, and no text.
  const QImage swatch = d.Control(102)->grab().toImage();
  int notRed = 0;
  for (int y = 0; y < swatch.height(); ++y) {
    for (int x = 0; x < swatch.width(); ++x) notRed += swatch.pixel(x, y) != qRgb(255, 0, 0);
  }
  EXPECT_GT(swatch.width(), 0);
  EXPECT_EQ(notRed, 0);
  box->m_colours.SetSlotColour(0, MakeRgb(0, 128, 0));
  box->m_colours.Refresh(7);
  EXPECT_EQ(SliderOf(d, 186)->value(), 50);
  // The second slot has no swatch: choosing it shows its values and touches nothing else.
  box->m_colours.SelectSlot(1);
  EXPECT_EQ(TextOf(d, 225), QStringLiteral("3"));
  ScriptedDialogs::Focus(d, 102);
  EXPECT_EQ(box->m_colours.CurrentSlot(), 0);
  SliderOf(d, 185)->setValue(100);
  EXPECT_EQ(box->m_colours.SlotColour(0), MakeRgb(255, 128, 0));
  d.reject();
  EXPECT_EQ(box->m_bActive, 0);
  FlushDeletes();
  EXPECT_TRUE(box.isNull());
}

TEST_F(ColourDialogs, TheMonochromeBoxConvertsWithItsTwoColours) {
  QPointer<CMonochromeDlg> box = new CMonochromeDlg;
  EXPECT_EQ(box->m_nSetRadio, -1);
  int converted = 0;
  QObject::connect(box, &CMonochromeDlg::Convert, [&] {
    ++converted;
    EXPECT_EQ(box->m_colours.SlotColour(CMonochromeDlg::kOtherPart), MakeRgb(255, 0, 0));
  });
  ASSERT_TRUE(box->Create());
  DialogWindow& d = *box->window();
  ScriptedDialogs::Click(d, 557);
  EXPECT_EQ(box->m_nSetRadio, 1);
  ScriptedDialogs::Enter(d, 104, QStringLiteral("255"));
  d.accept();
  EXPECT_EQ(converted, 1);
  FlushDeletes();
  EXPECT_TRUE(box.isNull());
}

class ColourPage : public ColourDialogs {
 protected:
  void SetUp() override {
    ColourDialogs::SetUp();
    record = std::make_unique<CCharDataFull>();
    record->m_param[CColorPage::kColourModeParam] = 0;
    page = new CColorPage;
    page->m_pRecord = record.get();
    page->m_onReload = [this] { ++reloads; };
    page->m_onApply = [this] { ++applies; };
    page->m_colours.SetSlotColour(CColorPage::kCharColour, MakeRgb(128, 10, 20));
    sheet.AddPage(page);
  }
  QSlider* Slider(int id) { return qobject_cast<QSlider*>(page->Control(id)); }

  std::unique_ptr<CCharDataFull> record;
  ui::PropertySheet sheet{"sheet"};
  CColorPage* page = nullptr;
  int reloads = 0;
  int applies = 0;
};

TEST_F(ColourPage, UsesTheDirectScale) {
  EXPECT_EQ(Slider(676)->maximum(), 255);
  EXPECT_EQ(Slider(676)->value(), 128);
  Slider(677)->setValue(200);
  EXPECT_EQ(qobject_cast<QLineEdit*>(page->Control(674))->text(), QStringLiteral("200"));
  EXPECT_EQ(page->m_colours.SlotColour(CColorPage::kCharColour), MakeRgb(128, 200, 20));
}

TEST_F(ColourPage, ChoosingASlotWritesTheModeIntoTheRecordAndCancelTakesItBack) {
  qobject_cast<QAbstractButton*>(page->Control(679))->setChecked(true);  // single colour
  qobject_cast<QAbstractButton*>(page->Control(669))->click();
  EXPECT_EQ(record->m_param[CColorPage::kColourModeParam], CColorPage::kSingleColourMode);
  EXPECT_EQ(record->m_nOutlineDirty, 1);
  EXPECT_EQ(page->m_colours.CurrentSlot(), CColorPage::kPaperColour);
  // Another page in front and back again: the first value is still the one to restore.
  sheet.AddPage(new CColorPage);
  ASSERT_TRUE(sheet.SetActivePage(1));
  ASSERT_TRUE(sheet.SetActivePage(0));
  qobject_cast<QAbstractButton*>(page->Control(668))->click();
  sheet.PressCancel();
  EXPECT_EQ(record->m_param[CColorPage::kColourModeParam], 0);
  EXPECT_EQ(reloads, 1);
}

// A click into a swatch chooses its slot as the "設定" buttons do: the slot is current,
// its button checked, and the chosen colour mode is in the record.
TEST_F(ColourPage, AClickIntoASwatchChoosesItsSlotAndWritesTheModeIntoTheRecord) {
  sheet.show();
  sheet.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&sheet));
  page->m_colours.SetSlotColour(CColorPage::kPaperColour, MakeRgb(1, 2, 3));
  qobject_cast<QAbstractButton*>(page->Control(679))->setChecked(true);  // single colour
  QTest::mouseClick(page->Control(670), Qt::LeftButton);
  EXPECT_EQ(page->m_colours.CurrentSlot(), CColorPage::kPaperColour);
  EXPECT_TRUE(qobject_cast<QAbstractButton*>(page->Control(669))->isChecked());
  EXPECT_EQ(qobject_cast<QLineEdit*>(page->Control(673))->text(), QStringLiteral("1"));
  EXPECT_EQ(record->m_param[CColorPage::kColourModeParam], CColorPage::kSingleColourMode);
  EXPECT_EQ(record->m_nOutlineDirty, 1);
  qobject_cast<QAbstractButton*>(page->Control(667))->setChecked(true);  // black ink
  QTest::mouseClick(page->Control(671), Qt::LeftButton);
  EXPECT_EQ(page->m_colours.CurrentSlot(), CColorPage::kCharColour);
  EXPECT_EQ(record->m_param[CColorPage::kColourModeParam], 0);
  sheet.PressCancel();
  EXPECT_EQ(record->m_param[CColorPage::kColourModeParam], 0) << "the mode the record held";
}

// Leaving a channel edit with a number out of range says so at once; OK refuses it too.
TEST_F(ColourPage, ARefusedChannelKeepsThePageAndOkHandsOverOtherwise) {
  auto* red = qobject_cast<QLineEdit*>(page->Control(673));
  red->setText(QStringLiteral("300"));
  emit red->editingFinished();
  EXPECT_EQ(messages.ids, std::vector<int>{61501});
  EXPECT_EQ(messages.texts, std::vector<std::string>{"Enter an integer between 0 and 255."});
  EXPECT_EQ(page->m_colours.SlotColour(CColorPage::kCharColour), MakeRgb(128, 10, 20));
  EXPECT_FALSE(sheet.PressOk());
  EXPECT_EQ(messages.ids, (std::vector<int>{61501, 61501}));
  EXPECT_EQ(applies, 0);
  red->setText(QStringLiteral("255"));
  emit red->editingFinished();
  EXPECT_TRUE(sheet.PressOk());
  EXPECT_EQ(applies, 1);
  EXPECT_EQ(page->m_colours.SlotColour(CColorPage::kCharColour), MakeRgb(255, 10, 20));
}

TEST_F(ColourDialogs, TheColourPagesPictureCommandsNameTheBackgroundPicturesInTheRecord) {
  ScriptedChooser chooser;
  auto rec = std::make_unique<CCharDataFull>();
  CColorPage page;
  EXPECT_FALSE(page.ChoosePictureFile(0)) << "no record";
  page.m_pRecord = rec.get();
  chooser.Next("/pictures/草.png");
  EXPECT_TRUE(page.ChoosePictureFile(1));
  EXPECT_EQ(page.m_strPictures[1], "/pictures/草.png");
  EXPECT_EQ(rec->m_text[4], Utf8ToSjisLossy("/pictures/草.png"));
  EXPECT_TRUE(rec->m_text[3].empty());
  ASSERT_EQ(chooser.asked.size(), 1u);
  EXPECT_EQ(chooser.asked[0].filter, "(*.bmp;*.png;*.jpg;)|*.bmp;*.png;*.jpg;|(*.*)|*.*||");
  EXPECT_EQ(chooser.asked[0].fileName, "*.bmp");
  EXPECT_FALSE(page.ChoosePictureFile(0)) << "cancelled";
  EXPECT_TRUE(rec->m_text[3].empty());
  EXPECT_FALSE(page.ChoosePictureFile(2));
}

}  // namespace
}  // namespace tmb::test
