#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/record/char_data_full.h"
#include "core/record/char_slots.h"
#include "core/record/std_setting_dlg.h"
#include "core/state/draw_state.h"
#include "platform/service/messages.h"
#include "platform/text/code_page.h"
#include "support/char_globals.h"
#include "support/drawing_windows.h"

namespace {

std::string Sjis(const std::string& utf8) { return tmb::Utf8ToSjis(utf8).value(); }

using CharDefaultsTest = tmb::test::CharGlobalsTest;

std::set<int> Range(int a, int b) {
  std::set<int> s;
  for (int k = a; k <= b; ++k) s.insert(k);
  return s;
}

std::set<int> Minus(std::set<int> s, const std::set<int>& out) {
  for (int k : out) s.erase(k);
  return s;
}

TEST_F(CharDefaultsTest, CopyCategoriesCopyExactlyTheirParameters) {
  const std::set<int> brush = Range(0, 7);
  const std::set<int> other =
      Minus(Minus(Minus(Range(8, 511), Range(32, 36)), Range(100, 109)), Range(150, 194));
  const std::set<int> guide = Range(32, 36);
  const std::set<int> shape = Range(150, 193);
  const std::set<int> effect = Range(100, 109);
  const std::set<int> all = Minus(Minus(Range(0, 511), guide), {194});
  struct Case {
    int category;
    std::set<int> params;
    bool texts;       // all ten texts
    bool text0;       // text 0, the effect file's text
    bool effectFile;  // the file name of the effect definition
    bool maxima;      // slider maxima 0 to 7
  } cases[] = {
      {kCategoryAll, all, true, true, true, true},
      {kCategoryBrush, brush, false, false, false, true},
      {kCategoryOther, other, true, true, false, false},
      {kCategoryGuide, guide, false, false, false, false},
      {kCategoryShape, shape, false, false, false, false},
      {kCategoryEffect, effect, false, true, true, false},
  };
  auto src = std::make_unique<CCharDataFull>();
  for (int k = 0; k < kParamCount; ++k) {
    src->m_param[k] = k + 1000;
    src->m_paramMax[k] = k + 2000;
  }
  for (int t = 0; t < kCharTextCount; ++t) src->m_text[t] = "src" + std::to_string(t);
  src->m_effect.m_strFile = "src.txt";
  src->m_effect.m_script = "script";

  for (const Case& c : cases) {
    auto dst = std::make_unique<CCharDataFull>();
    for (int k = 0; k < kParamCount; ++k) {
      dst->m_param[k] = k;
      dst->m_paramMax[k] = k;
    }
    dst->m_text.fill("dst");
    dst->m_bRedrawStrokes = dst->m_bRedraw2 = dst->m_bEffectChanged = dst->m_nOutlineDirty = 0;
    dst->m_flags.fill(0);

    dst->CopySettingsByCategory(c.category, src.get());

    for (int k = 0; k < kParamCount; ++k) {
      ASSERT_EQ(dst->m_param[k], c.params.count(k) ? k + 1000 : k)
          << "category " << c.category << " parameter " << k;
      ASSERT_EQ(dst->m_paramMax[k], c.maxima && k < 8 ? k + 2000 : k)
          << "category " << c.category << " maximum " << k;
    }
    EXPECT_EQ(dst->m_text[kTextEffectFile], c.text0 ? "src0" : "dst") << c.category;
    EXPECT_EQ(dst->m_text[kTextTextMode], c.texts ? "src5" : "dst") << c.category;
    EXPECT_EQ(dst->m_effect.m_strFile, c.effectFile ? "src.txt" : "") << c.category;
    EXPECT_EQ(dst->m_effect.m_script, "") << "only the effect's file name is copied";
    const bool other = c.category == kCategoryOther || c.category == kCategoryAll;
    const bool shapeCopied = c.category == kCategoryShape || c.category == kCategoryAll;
    const bool effectCopied = c.category == kCategoryEffect || c.category == kCategoryAll;
    EXPECT_EQ(dst->m_bRedrawStrokes, other ? 1 : 0) << c.category;
    EXPECT_EQ(dst->m_bRedraw2, other ? 1 : 0) << c.category;
    EXPECT_EQ(dst->m_flags[kFlagRedrawShape], shapeCopied ? 1 : 0) << c.category;
    EXPECT_EQ(dst->m_nOutlineDirty, shapeCopied ? 1 : 0) << c.category;
    EXPECT_EQ(dst->m_bEffectChanged, effectCopied ? 1 : 0) << c.category;
  }
}

TEST_F(CharDefaultsTest, ShapeCategoryRecomputesTheRangePair) {
  auto src = std::make_unique<CCharDataFull>();
  src->m_param[170] = 2;
  src->m_param[150] = 11;
  src->m_param[151] = 22;
  auto dst = std::make_unique<CCharDataFull>();
  dst->CopySettingsByCategory(kCategoryShape, src.get());
  EXPECT_EQ(dst->m_rangeFrom, 11);
  EXPECT_EQ(dst->m_rangeTo, 22);
}

TEST_F(CharDefaultsTest, GuideCategoryRestoresThePenSettings) {
  gDrawState.m_nPenDelayStart = 30;
  gDrawState.m_nPenSpeedStart = 3;
  gDrawState.m_nPenRestrainStart = 2;
  gDrawState.m_nPenDelay = 1;
  gDrawState.m_nPenSpeed = 1;
  gDrawState.m_nPenRestrain = 1;
  gDrawState.m_nPenSwitch = 0;
  // Records built here reset the pen settings too: build them first.
  auto src = std::make_unique<CCharDataFull>();
  auto dst = std::make_unique<CCharDataFull>();
  gDrawState.m_nPenDelay = gDrawState.m_nPenSpeed = gDrawState.m_nPenRestrain = 1;
  gDrawState.m_nPenSwitch = 0;
  dst->CopySettingsByCategory(kCategoryGuide, src.get());
  EXPECT_EQ(gDrawState.m_nPenDelay, 30);
  EXPECT_EQ(gDrawState.m_nPenSpeed, 3);
  EXPECT_EQ(gDrawState.m_nPenRestrain, 2);
  EXPECT_EQ(gDrawState.m_nPenSwitch, 0) << "only a reset sets the switch";
}

TEST_F(CharDefaultsTest, WithoutASourceTheCopyTakesSlotZero) {
  gCharSlots[0].m_param[5] = 77;
  gCharSlots[0].m_param[33] = 55;
  auto dst = std::make_unique<CCharDataFull>();
  dst->CopySettingsByCategory(kCategoryBrush, nullptr);
  dst->CopySettingsByCategory(kCategoryGuide, nullptr);
  EXPECT_EQ(dst->m_param[5], 77);
  EXPECT_EQ(dst->m_param[33], 55);
  // Slot 0 copying from itself changes nothing.
  gCharSlots[0].CopySettingsByCategory(kCategoryAll, nullptr);
  EXPECT_EQ(gCharSlots[0].m_param[5], 77);
}

TEST_F(CharDefaultsTest, ResetRestoresDefaultsAndKeeps381) {
  auto rec = std::make_unique<CCharDataFull>();
  gDrawState.m_nPenDelayStart = 25;
  gDrawState.m_nPenSwitch = 0;
  gDrawState.m_nLineModeMask = 6;
  rec->m_param.fill(9);
  rec->m_param[381] = -1;
  rec->m_textSettings[0].ParseTextScript("abc", false);
  rec->m_textSettings[1].ParseTextScript("abc", false);
  rec->m_nLoadState = 2;
  rec->m_bStrokeEnded = 0;
  rec->m_bActive = 0;
  rec->ResetSettings();
  EXPECT_EQ(gDrawState.m_nPenDelay, 25);
  EXPECT_EQ(gDrawState.m_nPenSwitch, 1);
  EXPECT_EQ(rec->m_param[381], -1);
  EXPECT_EQ(rec->m_param[0], 0);
  EXPECT_EQ(rec->m_param[6], 150);
  EXPECT_EQ(rec->m_param[37], 400);
  EXPECT_EQ(rec->m_param[176], 6);
  EXPECT_EQ(rec->m_nLoadState, 1);
  EXPECT_EQ(rec->m_bStrokeEnded, 1);
  EXPECT_EQ(rec->m_bActive, 1);
  EXPECT_EQ(rec->m_textSettings[0].m_nEntries, 0);
  EXPECT_EQ(rec->m_textSettings[1].m_nEntries, 3) << "only the first text block is reset";
}

TEST_F(CharDefaultsTest, DefaultParamsFillTheValueTableAndTexts) {
  // What a record writes goes to the folder the program started in, never the data folder.
  gDrawState.m_szCurFolder = "/usr/share/tamberi";
  gDrawState.m_szCurFolderCrt = "/data/筆";
  auto rec = std::make_unique<CCharDataFull>();
  rec->m_valueTable.fill(-1);
  rec->m_nOutlineDirty = 0;
  rec->m_rangeFrom = 5;
  rec->SetDefaultParams();
  EXPECT_EQ(rec->m_param[121], 10);
  EXPECT_EQ(rec->m_param[122], 150);
  EXPECT_EQ(rec->m_param[123], 150);
  ASSERT_EQ(rec->m_param[50], 6);
  for (int i = 0; i < kValueTableSize; ++i) {
    EXPECT_EQ(rec->m_valueTable[i], i == 0 || i == 5 ? 150 : 10) << i;
  }
  EXPECT_EQ(rec->m_text[kTextAnimationName], "ani");
  EXPECT_EQ(rec->m_text[kTextFolder], Sjis("/data/筆"));
  EXPECT_EQ(rec->m_nOutlineDirty, 1);
  EXPECT_EQ(rec->m_rangeFrom, 0);
}

TEST_F(CharDefaultsTest, SlotDefaultsForEverySlot) {
  struct Case {
    int slot;
    int param0;
    int param3;
    const char* picture1;
    const char* effect;  // nullptr: unchanged
    int shapeMode;       // -1: unchanged
    int colour;          // -1: unchanged
    int param10;         // -1: unchanged
    int param100;        // -1: unchanged
  } cases[] = {
      {0, 3, 15, "花見.bmp", "ef_sample1.txt", 0, -1, 0, -1},
      {1, 3, 15, "森.bmp", "ef石版浮彫.txt", 0, -1, 0, -1},
      {2, 0, 25, "花見.bmp", "ef浮彫.txt", 3, 0xF06020, 4, -1},
      {3, 0, 25, "森.bmp", "ef輪郭影.txt", 3, 0x8020F0, 4, 1},
      {4, 0, 25, "花見.bmp", nullptr, -1, -1, -1, -1},
      {5, 0, 25, "森.bmp", nullptr, -1, -1, -1, -1},
  };
  // The data folder with and without a trailing separator gives the same paths.
  const std::pair<std::string, std::string> folders[] = {{"/srv/tamberi data", "/srv/tamberi data/"},
                                                         {"/srv/tamberi data/", "/srv/tamberi data/"},
                                                         {"C:\\tmb\\", "C:\\tmb\\"}};
  for (const auto& [folder, joined] : folders) {
    gDrawState.m_szCurFolder = folder;
    for (const Case& c : cases) {
      auto rec = std::make_unique<CCharDataFull>();
      rec->m_param[170] = 9;
      rec->m_param[156] = 5;
      rec->m_param[10] = 7;
      rec->m_param[100] = 8;
      rec->m_param[9] = -4;
      rec->m_rangeFrom = -3;
      rec->m_text[kTextEffectFile] = "keep";
      rec->m_bRedrawStrokes = rec->m_bRedraw2 = 0;
      rec->m_flags.fill(0);
      rec->m_paramMax.fill(-1);
      rec->SetDefaultsBySlot(c.slot);
      const std::string where = folder + " slot " + std::to_string(c.slot);
      EXPECT_EQ(rec->m_param[0], c.param0) << where;
      EXPECT_EQ(rec->m_param[3], c.param3) << where;
      EXPECT_EQ(rec->m_param[9], -4) << where;
      EXPECT_EQ(rec->m_paramMax[0], 12) << where;
      EXPECT_EQ(rec->m_paramMax[6], 300) << where;
      EXPECT_EQ(rec->m_paramMax[9], -1) << where;
      EXPECT_EQ(rec->m_text[kTextPicture2], Sjis(joined + "花見.bmp")) << where;
      EXPECT_EQ(rec->m_text[kTextPicture1], Sjis(joined + c.picture1)) << where;
      EXPECT_EQ(rec->m_text[kTextEffectFile], c.effect ? Sjis(joined + c.effect) : "keep") << where;
      EXPECT_EQ(rec->m_param[170], c.shapeMode < 0 ? 9 : c.shapeMode) << where;
      EXPECT_EQ(rec->m_param[156], c.colour < 0 ? 5 : c.colour) << where;
      EXPECT_EQ(rec->m_rangeFrom, c.colour < 0 ? -3 : c.colour) << where;
      EXPECT_EQ(rec->m_param[10], c.param10 < 0 ? 7 : c.param10) << where;
      EXPECT_EQ(rec->m_param[100], c.param100 < 0 ? 8 : c.param100) << where;
      EXPECT_EQ(rec->m_bRedrawStrokes, 1) << where;
      EXPECT_EQ(rec->m_bRedraw2, 1) << where;
      EXPECT_EQ(rec->m_flags[kFlagRedrawA], c.slot <= 3 ? 1 : 0) << where;
    }
  }
}

TEST_F(CharDefaultsTest, SlotOutsideTheSixChangesNothing) {
  auto rec = std::make_unique<CCharDataFull>();
  rec->m_param[0] = 42;
  rec->SetDefaultsBySlot(6);
  rec->SetDefaultsBySlot(-1);
  EXPECT_EQ(rec->m_param[0], 42);
}

TEST_F(CharDefaultsTest, StartUpSlotsHoldTheDefaultsOfTheirIndex) {
  gDrawState.m_szCurFolder = "/d";
  gCharSlots[3].m_param[0] = 99;
  InitCharacterSlots();
  const int param0[] = {3, 3, 0, 0, 0, 0};
  const int shape[] = {0, 0, 3, 3, 0, 0};
  for (int i = 0; i < kCharSlotCount; ++i) {
    EXPECT_EQ(gCharSlots[i].m_param[0], param0[i]) << i;
    EXPECT_EQ(gCharSlots[i].m_param[170], shape[i]) << i;
    EXPECT_EQ(gCharSlots[i].m_param[37], 400) << i;
  }
  EXPECT_EQ(gCharSlots[3].m_param[100], 1);
  EXPECT_EQ(gCharSlots[5].m_text[kTextPicture1], Sjis("/d/森.bmp"));
  EXPECT_EQ(&gCharSlots[9], &gCharSlots[5]) << "an index past the slots is held at the last";
}

TEST_F(CharDefaultsTest, SetDefaultsTakesSlotZeroAndClearsThePoints) {
  gCharSlots[0].m_param[33] = 60;
  gCharSlots[0].m_param[20] = 61;
  auto rec = std::make_unique<CCharDataFull>();
  rec->m_nPoints = 5;
  rec->m_textFont.weight = 700;
  rec->SetDefaults();
  EXPECT_EQ(rec->m_param[33], 60);
  EXPECT_EQ(rec->m_param[20], 61);
  EXPECT_EQ(rec->m_nPoints, 0);
  EXPECT_EQ(rec->m_pPressure[0], -1);
  EXPECT_TRUE(rec->m_textFont.SameBytes(DefaultTextFont()));
}

TEST_F(CharDefaultsTest, LoadSettingsFromSlotOfTheStartUpMode) {
  for (int i = 0; i < kCharSlotCount; ++i) gCharSlots[i].m_param[300] = 100 + i;
  struct Case {
    int mode;
    bool second;
    int slot;
  } cases[] = {{0, false, 0}, {0, true, 1}, {1, false, 2}, {1, true, 3}, {2, false, 4},
               {2, true, 5},  {7, true, 5}, {-2, false, 0}};
  for (const Case& c : cases) {
    gDrawState.m_nStartLoadMode = c.mode;
    auto rec = std::make_unique<CCharDataFull>();
    rec->LoadSettingsFromSlot(c.second);
    EXPECT_EQ(rec->m_param[300], 100 + c.slot) << "mode " << c.mode << " second " << c.second;
  }
}

class FakeDialog final : public StdSettingDialogRunner {
 public:
  FakeDialog() { SetStdSettingDialogRunner(this); }
  ~FakeDialog() override { SetStdSettingDialogRunner(nullptr); }
  int Run(CStdSettingDlg& dialog) override {
    ++shown;
    dialog = choice;
    return answer;
  }
  CStdSettingDlg choice;
  int answer = tmb::kAnswerOk;
  int shown = 0;
};

TEST_F(CharDefaultsTest, SettingsCopyResultByChecks) {
  struct Case {
    const char* name;
    int brush, other, shape, guide, character, effect;
    int result;
  } cases[] = {
      {"nothing", 0, 0, 0, 0, 0, 0, 0},   {"other only", 0, 1, 0, 0, 0, 0, 0},
      {"guide", 0, 0, 0, 1, 0, 0, 2},     {"guide and other", 0, 1, 0, 1, 0, 0, 2},
      {"brush", 1, 0, 0, 1, 0, 0, 1},     {"shape", 0, 0, 1, 0, 0, 0, 1},
      {"effect", 0, 0, 0, 0, 0, 1, 1},    {"character", 0, 0, 0, 0, 1, 0, 1},
  };
  auto src = std::make_unique<CCharDataFull>();
  src->m_param[0] = 11;     // brush
  src->m_param[23] = 12;    // other
  src->m_param[191] = 13;   // shape, watched by the change detection
  src->m_param[34] = 14;    // guide
  src->m_param[101] = 15;   // effect
  src->ClearPoints();
  src->m_nPoints = 4;
  src->m_textSettings[0].ParseTextScript("xy", false);
  for (const Case& c : cases) {
    auto rec = std::make_unique<CCharDataFull>();
    rec->ClearPoints();
    rec->m_bLoaded = 0;
    rec->m_nOutlineDirty = 0;
    rec->m_flags.fill(0);
    CStdSettingDlg dialog;
    dialog.m_bBrush = c.brush;
    dialog.m_bOther = c.other;
    dialog.m_bShape = c.shape;
    dialog.m_bGuide = c.guide;
    dialog.m_bCharacter = c.character;
    dialog.m_bEffect = c.effect;
    EXPECT_EQ(rec->ApplySettingsCopy(*src, dialog), c.result) << c.name;
    EXPECT_EQ(rec->m_param[0], c.brush ? 11 : 0) << c.name;
    EXPECT_EQ(rec->m_param[23], c.other ? 12 : 0) << c.name;
    EXPECT_EQ(rec->m_param[191], c.shape ? 13 : 0) << c.name;
    EXPECT_EQ(rec->m_param[34], c.guide ? 14 : 25) << c.name;
    EXPECT_EQ(rec->m_param[101], c.effect ? 15 : 0) << c.name;
    EXPECT_EQ(rec->m_nPoints, c.character ? 4 : 0) << c.name;
    EXPECT_EQ(rec->m_textSettings[0].m_nEntries, c.character ? 2 : 0) << c.name;
    EXPECT_EQ(rec->m_bLoaded, c.result == 1 ? 1 : 0) << c.name;
    EXPECT_EQ(rec->m_nOutlineDirty, c.other || c.shape ? 1 : 0) << c.name;
    EXPECT_EQ(rec->m_flags[kFlagRedrawShape], c.shape ? 1 : 0) << c.name;
    EXPECT_EQ(rec->m_flags[kFlagRedrawA], c.other || c.shape ? 1 : 0) << c.name;
  }
}

TEST_F(CharDefaultsTest, SettingsDialogCancelChangesNothing) {
  auto rec = std::make_unique<CCharDataFull>();
  gCharSlots[0].m_param[0] = 9;
  EXPECT_EQ(rec->CopySettingsWithDialog(0, false), 0) << "no dialog installed answers Cancel";
  FakeDialog dialog;
  dialog.answer = tmb::kAnswerCancel;
  dialog.choice.m_bBrush = 1;
  EXPECT_EQ(rec->CopySettingsWithDialog(0, false), 0);
  EXPECT_EQ(dialog.shown, 1);
  EXPECT_EQ(rec->m_param[0], 0);
}

TEST_F(CharDefaultsTest, SettingsDialogSourceSlots) {
  for (int i = 0; i < kCharSlotCount; ++i) gCharSlots[i].m_param[1] = 100 + i;
  struct Case {
    int startMode;
    int sourceOption;
    bool second;
    int slot;
  } cases[] = {{0, 0, false, 0}, {0, 0, true, 1}, {2, 0, false, 4},
               {2, 0, true, 5},  {2, 1, true, 1}, {1, 0, false, 0}};
  FakeDialog dialog;
  dialog.choice.m_bBrush = 1;
  for (const Case& c : cases) {
    gDrawState.m_nStartLoadMode = c.startMode;
    dialog.choice.m_nSource = c.sourceOption;
    auto rec = std::make_unique<CCharDataFull>();
    EXPECT_EQ(rec->CopySettingsWithDialog(0, c.second), 1);
    EXPECT_EQ(rec->m_param[1], 100 + c.slot) << "mode " << c.startMode << " option " << c.sourceOption;
  }
}

TEST_F(CharDefaultsTest, SettingsDialogCopiesBetweenTheWindows) {
  FakeDialog dialog;
  dialog.choice.m_bBrush = 1;
  auto self = std::make_unique<CCharDataFull>();
  self->m_param[2] = 5;
  EXPECT_EQ(self->CopySettingsWithDialog(1, false), 0) << "no windows to copy between";
  tmb::test::DrawingWindows windows;
  windows.a->m_param[2] = 21;
  windows.b->m_param[2] = 22;
  EXPECT_EQ(self->CopySettingsWithDialog(1, false), 1);
  EXPECT_EQ(windows.b->m_param[2], 21) << "A into B";
  EXPECT_EQ(self->m_param[2], 5) << "the calling record is not the destination";
  windows.b->m_param[2] = 23;
  EXPECT_EQ(self->CopySettingsWithDialog(2, false), 1);
  EXPECT_EQ(windows.a->m_param[2], 23) << "B into A";
  EXPECT_EQ(dialog.shown, 3);
}

}  // namespace
