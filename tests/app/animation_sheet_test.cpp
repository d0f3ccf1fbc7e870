// The animation sheet in the started application: the sheet commands open it on their
// tab, a confirmed page goes into both windows' records, a cancelled one leaves them and
// shows their values again, the file page's movie is written by the next picture sheet
// together with its index page, and its region button runs the region dialog.
#include <QAbstractButton>
#include <QLineEdit>

#include <fstream>
#include <sstream>

#include "app/app_fixture.h"
#include "app/kind_lookup.h"
#include "convert/presets/preset_list.h"
#include "convert/presets/preset_sheets.h"
#include "export/animation/anim_sheet_values.h"
#include "export/animation/animation_params.h"
#include "export/animation/frame_output.h"
#include "export/sheet/ani_base_page.h"
#include "export/sheet/ani_p_sheet.h"
#include "export/sheet/ani_save_page.h"
#include "imageedit/editor/area_setting.h"
#include "support/checking_tool.h"
#include "support/movie_probe.h"
#include "support/recorded_character.h"
#include "support/recorded_services.h"
#include "support/temp_dir.h"

namespace tmb::test {
namespace {

class AnimationSheet : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    ASSERT_TRUE(Start());
  }
  void TearDown() override {
    gSaveOutput.Abandon();
    AppTest::TearDown();
  }
  static CCharDataFull& Record(int kind) { return *GetCharDocumentOfKind(kind)->DrawnRecord(); }
  CAniPSheet& Sheet() { return *frame()->AnimationSheet(); }
  CAniPage& ShownPage() { return *static_cast<CAniPage*>(Sheet().Page(Sheet().ActiveIndex())); }
  bool SheetShown() { return frame()->m_pAniSheetFrame && frame()->m_pAniSheetFrame->isVisible(); }
  void Click(int id) {
    auto* button = qobject_cast<QAbstractButton*>(ShownPage().Control(id));
    ASSERT_NE(button, nullptr) << id;
    button->click();
  }
  void Type(int id, const QString& text) {
    auto* edit = qobject_cast<QLineEdit*>(ShownPage().Control(id));
    ASSERT_NE(edit, nullptr) << id;
    edit->setText(text);
  }

  TempDir dir;
  RecordedShell shell;
};

TEST_F(AnimationSheet, TheCommandsOpenTheirTabsAndTheSixthKeepsTheTabShown) {
  struct Case {
    int command;
    int tab;
  } cases[] = {{33100, CAniPSheet::kTabSave},    {33098, CAniPSheet::kTabMotion}, {33099, CAniPSheet::kTabSpecial},
               {33103, CAniPSheet::kTabSpecial}, {33101, CAniPSheet::kTabSaveEx}, {396, CAniPSheet::kTabSaveEx},
               {33102, CAniPSheet::kTabSwf},     {32907, CAniPSheet::kTabSwf},    {32908, CAniPSheet::kTabSwf}};
  // Numbers a file brought outside the pages' ranges never hold a page in front.
  Record(kKindDrawA).m_param[kAnimFrames] = 256;
  Record(kKindDrawA).m_param[kAnimWaitFirst] = -5;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    EXPECT_TRUE(frame()->ExecuteCommand(c.command));
    EXPECT_TRUE(SheetShown());
    EXPECT_EQ(Sheet().ActiveIndex(), c.tab);
    EXPECT_EQ(Sheet().m_bShown, 1);
  }
  EXPECT_TRUE(messages.ids.empty());
  EXPECT_EQ(frame()->m_pAniSheetFrame->windowTitle(), QStringLiteral("Animation"));
  frame()->m_pAniSheetFrame->close();  // only hides it
  EXPECT_FALSE(SheetShown());
  EXPECT_EQ(Sheet().m_bShown, 0);
  ASSERT_TRUE(frame()->m_pAniSheetFrame);
}

TEST_F(AnimationSheet, CancelLeavesTheRecordsAndShowsTheirValuesAgain) {
  Record(kKindDrawA).m_param[kAnimFrames] = 6;
  Record(kKindDrawB).m_param[kAnimFrames] = 6;
  ASSERT_TRUE(frame()->ExecuteCommand(33098));
  Type(CAniBasePage::kFramesEdit, QStringLiteral("40"));
  Click(CAniPage::kCancel);
  EXPECT_FALSE(SheetShown());
  EXPECT_EQ(Record(kKindDrawA).m_param[kAnimFrames], 6);
  EXPECT_EQ(Record(kKindDrawB).m_param[kAnimFrames], 6);
  EXPECT_EQ(Sheet().m_values.base.m_nFrames, 6);
  EXPECT_EQ(qobject_cast<QLineEdit*>(ShownPage().Control(CAniBasePage::kFramesEdit))->text(), QStringLiteral("6"));

  // The cancelled value is not written by a later confirm of another page.
  ASSERT_TRUE(frame()->ExecuteCommand(33099));
  Click(CAniPage::kConfirm);
  EXPECT_EQ(Record(kKindDrawA).m_param[kAnimFrames], 6);
  EXPECT_EQ(Record(kKindDrawB).m_param[kAnimFrames], 6);
}

TEST_F(AnimationSheet, TickingAviOnTheFilePageMakesTheNextPictureSheetAMovieAndAPage) {
  const bool probe = ToolInstalled("ffprobe"), lint = ToolInstalled("xmllint");
  ShowAndPaint();
  AppendRecordedCharacter(Record(kKindDrawA));
  Record(kKindDrawA).m_text[kTextFolder] = dir.path().string();
  Record(kKindDrawA).m_text[kTextAnimationName] = "sheet";
  Record(kKindDrawA).m_param[kAnimAvi] = 0;
  Record(kKindDrawB).m_param[kAnimAvi] = 0;

  ASSERT_TRUE(frame()->ExecuteCommand(33100));
  ASSERT_TRUE(SheetShown());
  EXPECT_EQ(ShownPage().caption(), "ファイル");
  Click(CAniSavePage::kAviCheck);
  Click(CAniPage::kConfirm);
  EXPECT_FALSE(SheetShown());
  for (int kind : {kKindDrawA, kKindDrawB}) {
    SCOPED_TRACE(kind);
    EXPECT_EQ(Record(kind).m_param[kAnimAvi], 1);
    EXPECT_EQ(Record(kind).m_text[kTextAnimationName], "sheet");
  }

  frame()->ActivateViewOfKind(kKindDrawA, 0);
  ASSERT_TRUE(frame()->ExecuteCommand(33136));
  EXPECT_TRUE(messages.ids.empty());
  const std::filesystem::path movie = dir / "sheet.avi", page = dir / "sheet.html";
  ASSERT_TRUE(std::filesystem::exists(movie));
  ASSERT_TRUE(std::filesystem::exists(page));
  if (probe) {
    const MovieProbe m = ProbeMovie(movie);
    EXPECT_TRUE(m.clean) << m.output;
    EXPECT_EQ(m.frames, 5) << m.output;
  }
  std::ifstream in(page);
  std::stringstream text;
  text << in.rdbuf();
  const CPresetSheetList presets = PresetSheetOf(kStyleSheetConversionTypes);
  ASSERT_EQ(presets.names.size(), 5u);
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_NE(text.str().find("sheet_0" + std::to_string(i + 1) + ".png"), std::string::npos);
    EXPECT_NE(text.str().find(presets.names[size_t(i)]), std::string::npos) << presets.names[size_t(i)];
  }
  if (lint) {
    EXPECT_EQ(RunTool("xmllint --html --noout '" + page.string() + "' 2>&1").output, "");
  }
  if (!probe || !lint) GTEST_SKIP() << "ffprobe or xmllint is not installed";
}

TEST_F(AnimationSheet, ShowOnTheMotionPageRunsTheAnimationThroughItsOutputs) {
  ShowAndPaint();
  AppendRecordedCharacter(Record(kKindDrawA));
  AppendRecordedCharacter(Record(kKindDrawB));
  for (int kind : {kKindDrawA, kKindDrawB}) {
    Record(kind).m_text[kTextFolder] = dir.path().string();
    Record(kind).m_text[kTextAnimationName] = "play";
    Record(kind).m_param[kAnimFrameFiles] = 1;
    Record(kind).m_param[kAnimFrameFormat] = 1;  // PNG
  }
  ASSERT_TRUE(frame()->ExecuteCommand(33098));
  Type(CAniBasePage::kFramesEdit, QStringLiteral("3"));
  Click(CAniBasePage::kShowButton);
  EXPECT_FALSE(SheetShown());
  EXPECT_EQ(Record(kKindDrawB).m_param[kAnimFrames], 3);
  EXPECT_TRUE(messages.ids.empty());
  for (int i = 1; i <= 3; ++i) EXPECT_TRUE(std::filesystem::exists(dir / ("play_0" + std::to_string(i) + ".png"))) << i;
  EXPECT_FALSE(std::filesystem::exists(dir / "play_04.png"));

  // "実行" only applies.
  std::filesystem::remove(dir / "play_01.png");
  ASSERT_TRUE(frame()->ExecuteCommand(33098));
  Click(CAniPage::kConfirm);
  EXPECT_FALSE(std::filesystem::exists(dir / "play_01.png"));
}

TEST_F(AnimationSheet, TheFilePagesRegionButtonRunsTheRegionDialogForTheSaveRegion) {
  gAnimRegionSet = 0;
  ASSERT_TRUE(frame()->ExecuteCommand(33100));
  dialogs.Then([](ui::DialogWindow&) { return ui::kIdCancel; });
  Click(CAniSavePage::kRegionButton);
  EXPECT_EQ(dialogs.shown, std::vector<int>{226});
  EXPECT_EQ(gAnimRegionSet, 0);
  dialogs.Then([](ui::DialogWindow& d) {
    ScriptedDialogs::Enter(d, CAreaSettingState::kLeft, "5");
    ScriptedDialogs::Enter(d, CAreaSettingState::kRight, "50");
    ScriptedDialogs::Enter(d, CAreaSettingState::kTop, "6");
    ScriptedDialogs::Enter(d, CAreaSettingState::kBottom, "60");
    return ScriptedDialogs::PressOk(d);
  });
  Click(CAniSavePage::kRegionButton);
  EXPECT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(gAnimRegionSet, 1);
  EXPECT_EQ(gAnimSaveRegion, (Rect{5, 6, 50, 60}));
  gAnimSaveRegion = {};
  gAnimRegionSet = 0;
}

}  // namespace
}  // namespace tmb::test
