// The sheet's registry of page copies: loads by page number, stores only the pages the
// user had in front and only what was changed on them, and a refused page stops the
// store with the record as it was.
#include "app/sheets/shape_sheet_copies.h"

#include <gtest/gtest.h>

#include <memory>

#include "app/sheets/sheet_copies.h"
#include "core/record/char_data_full.h"
#include "core/state/draw_state.h"

namespace tmb::test {
namespace {

// The page numbers the sheet uses: base pages 0, colour 1, auxiliary 2, scale 3, image
// effect 4; the pages that reload everything take numbers of their own.
enum { kBasePages = 0, kColourPage = 1, kAuxPage = 2, kScalePage = 3, kEffectPage = 4, kOtherPages = 5 };

// The values of every page a sheet may hold, with a shown switch and an exchange answer
// per page, as the sheet's windows would give them.
struct Pages {
  WriteBasicValues basic;
  WriteLiteRepBaseValues base;
  BrushBlurValues brush;
  OutlineValues outline;
  OutlineSwitchValues outlineSwitch;
  LineValues line;
  SpecialShapeValues special;
  ScaleValues scale;
  WriteRepValues form;
  WriteRepLiteValues formLite;
  ImageEffectValues effect;
  AuxSettingValues aux;
  ColourPageValues colour;
  TwoColourValues two;
  SixColourValues six;

  bool shown[15] = {};
  bool accepts[15] = {};
  int exchanges = 0;

  ShapeSheetCopies::PageHooks Hooks(int i) {
    accepts[i] = true;
    return {[this, i] { return shown[i]; },
            [this, i] {
              ++exchanges;
              return accepts[i];
            }};
  }

  // Registers every page in the order the sheet applies them; the index of each page's
  // switches is its place here.
  void RegisterAll(ShapeSheetCopies& copies) {
    copies.Register(kBasePages, basic, CopyParamSetAToPage, CopyParamSetAFromPage, Hooks(0));
    copies.Register(kColourPage, colour, CopyColourSwitchToPage, CopyColoursFromPage, Hooks(1));
    copies.Register(kEffectPage, effect, CopyEffectToPage, CopyEffectFromPage, Hooks(2));
    copies.Register(kAuxPage, aux, CopyBasicToPage, CopyBasicFromPage, Hooks(3));
    copies.Register(kBasePages, base, CopyParamSetBToPage, CopyParamSetBFromPage, Hooks(4));
    copies.Register(kScalePage, scale, CopyParamSetHToPage, CopyParamSetHFromPage, Hooks(5));
    copies.Register(kOtherPages, brush, CopyParamSetCToPage, CopyParamSetCFromPage, Hooks(6));
    copies.Register(kOtherPages, outline, CopyParamSetDToPage, CopyParamSetDFromPage, Hooks(7));
    copies.Register(kOtherPages, outlineSwitch, CopyParamSetEToPage, CopyParamSetEFromPage, Hooks(8));
    copies.Register(kOtherPages, line, CopyParamSetFToPage, CopyParamSetFFromPage, Hooks(9));
    copies.Register(kOtherPages, special, CopyParamSetGToPage, CopyParamSetGFromPage, Hooks(10));
    copies.Register(kOtherPages, form, CopyParamSetIToPage, CopyParamSetIFromPage, Hooks(11));
    copies.Register(kOtherPages, formLite, CopyParamSetJToPage, CopyParamSetJFromPage, Hooks(12));
    copies.Register(kOtherPages, two, CopyTwoColoursToPage, CopyTwoColoursFromPage, Hooks(13));
    copies.Register(kOtherPages, six, CopySixColoursToPage, CopySixColoursFromPage, Hooks(14));
  }
  void ShowAll() { std::fill(std::begin(shown), std::end(shown), true); }
};
constexpr int kPageCount = 15;
constexpr int kColourIndex = 1;
constexpr int kEffectIndex = 2;
constexpr int kAuxIndex = 3;

std::unique_ptr<CCharDataFull> DistinctRecord() {
  auto rec = std::make_unique<CCharDataFull>();
  for (int k = 0; k < kParamCount; ++k) rec->m_param[size_t(k)] = 1000 + 3 * k;
  for (int k = 0; k < kParamCount; ++k) rec->m_paramMax[size_t(k)] = 5000 + k;
  for (size_t i = 0; i < rec->m_text.size(); ++i) rec->m_text[i] = "text " + std::to_string(i);
  rec->m_text[kTextEffectFile] = "ef\x90\xCE\x81.txt";  // 石 and a broken character
  rec->m_param[11] = 3;
  rec->m_param[170] = 2;
  rec->m_param[290] = 2;
  return rec;
}

class ShapeSheetCopiesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gDrawState.Reset();
    pages.RegisterAll(copies);
  }
  void TearDown() override { gDrawState.Reset(); }

  Pages pages;
  ShapeSheetCopies copies;
};

TEST_F(ShapeSheetCopiesTest, ARecordThroughEveryPageComesBackWhole) {
  auto rec = DistinctRecord();
  const ParamBlock params = rec->m_param;
  const ParamBlock maxima = rec->m_paramMax;
  const auto texts = rec->m_text;
  ASSERT_EQ(copies.Load(-10, *rec), kPageCount);
  // The pages show what they can: the mapped values differ from the record's.
  EXPECT_EQ(pages.base.m_nCrushType, 2);
  EXPECT_EQ(pages.base.m_bKeepTurn, 1);
  EXPECT_EQ(pages.colour.m_nColourMode, 1);
  EXPECT_EQ(pages.effect.m_strFile, "ef石?.txt");

  pages.ShowAll();
  ASSERT_TRUE(copies.Store(*rec));
  // Two values are stored as the present ones: the detail mode, and the colour mode of a
  // switched-on colour page, single colour (3) whatever mode the record was in.
  ParamBlock stored = params;
  stored[37] = kStoredDetailMode;
  stored[170] = 3;
  for (int k = 0; k < kParamCount; ++k) {
    EXPECT_EQ(rec->m_param[size_t(k)], stored[size_t(k)]) << "parameter " << k;
  }
  EXPECT_EQ(rec->m_paramMax, maxima);
  EXPECT_EQ(rec->m_text, texts);
  EXPECT_EQ(rec->m_nOutlineDirty, 1);
  EXPECT_EQ(rec->m_bDerived, 0);

  // Without the auxiliary and colour pages in front, not even 37 and 170 change.
  auto again = DistinctRecord();
  copies.Load(-10, *again);
  pages.shown[kAuxIndex] = false;
  pages.shown[kColourIndex] = false;
  ASSERT_TRUE(copies.Store(*again));
  EXPECT_EQ(again->m_param, params);
}

TEST_F(ShapeSheetCopiesTest, PagesNeverInFrontStoreNothing) {
  auto rec = DistinctRecord();
  copies.Load(-10, *rec);
  // A preset's preview reloads the auxiliary page, then the record is put back but the
  // page keeps the preview; the image-effect page holds values of its own.
  auto preview = DistinctRecord();
  preview->m_param[0] = 0;
  preview->m_param[2] = 10;
  preview->m_param[3] = 6;
  EXPECT_EQ(copies.Load(kAuxPage, *preview), 1);
  EXPECT_EQ(pages.aux.m_nRenmen, 10u);
  pages.effect.m_bApply = 7;
  pages.effect.m_strFile = "other.txt";
  pages.aux.m_nBlur = 99;

  const ParamBlock params = rec->m_param;
  pages.shown[0] = true;  // the basic page, the one the user sees
  pages.basic.m_nSmooth = 30;
  ASSERT_TRUE(copies.Store(*rec));
  for (int k = 0; k < kParamCount; ++k) {
    EXPECT_EQ(rec->m_param[size_t(k)], k == 201 ? 30 : params[size_t(k)]) << "parameter " << k;
  }
  EXPECT_EQ(rec->m_text[kTextEffectFile], "ef\x90\xCE\x81.txt");
  EXPECT_EQ(pages.exchanges, 1) << "only the page in front is asked for its controls";
}

TEST_F(ShapeSheetCopiesTest, AReloadedPageInFrontStoresOnlyWhatTheUserChanged) {
  auto rec = DistinctRecord();
  pages.ShowAll();
  auto preview = DistinctRecord();
  preview->m_param[0] = 0;
  preview->m_param[2] = 10;
  preview->m_param[3] = 6;
  copies.Load(-10, *preview);
  pages.aux.m_nWidth = 7;  // the user's own change
  ASSERT_TRUE(copies.Store(*rec));
  EXPECT_EQ(rec->m_param[0], 1000);
  EXPECT_EQ(rec->m_param[2], 1006);
  EXPECT_EQ(rec->m_param[3], 7);
}

TEST_F(ShapeSheetCopiesTest, LoadFillsThePagesOfItsNumber) {
  auto rec = DistinctRecord();
  const struct {
    int number;
    int filled;
  } cases[] = {{kBasePages, 2}, {kColourPage, 1}, {kAuxPage, 1}, {kScalePage, 1}, {kEffectPage, 1},
               {kOtherPages, 9}, {7, 0},         {-1, kPageCount}, {-10, kPageCount}};
  for (const auto& c : cases) EXPECT_EQ(copies.Load(c.number, *rec), c.filled) << c.number;

  Pages fresh;
  ShapeSheetCopies some;
  fresh.RegisterAll(some);
  some.Load(kScalePage, *rec);
  EXPECT_EQ(fresh.scale.m_nMoveOn, 1240);
  EXPECT_EQ(fresh.basic.m_nSmooth, 0) << "another number's page is left alone";
  EXPECT_TRUE(some.Holds(kEffectPage));
  EXPECT_FALSE(some.Holds(7));
}

TEST_F(ShapeSheetCopiesTest, ARefusedPageStopsTheStoreWithTheRecordUnchanged) {
  auto rec = DistinctRecord();
  copies.Load(-10, *rec);
  pages.shown[0] = pages.shown[kAuxIndex] = pages.shown[5] = true;
  pages.basic.m_nSmooth = 30;  // stored first, if anything were
  pages.scale.m_nMoveX = 5;
  pages.accepts[5] = false;
  rec->m_nOutlineDirty = 0;
  const ParamBlock params = rec->m_param;
  const ParamBlock maxima = rec->m_paramMax;
  EXPECT_FALSE(copies.Store(*rec));
  EXPECT_EQ(rec->m_param, params);
  EXPECT_EQ(rec->m_paramMax, maxima);
  EXPECT_EQ(rec->m_nOutlineDirty, 0);
  EXPECT_EQ(gDrawState.m_nDetailMode, 0);

  pages.accepts[5] = true;
  EXPECT_TRUE(copies.Store(*rec));
  EXPECT_EQ(rec->m_param[201], 30);
  EXPECT_EQ(rec->m_param[82], 5);
}

TEST_F(ShapeSheetCopiesTest, DamagedValuesSurviveUntilTheUserChangesThem) {
  auto rec = DistinctRecord();
  rec->m_param[201] = 80;   // valid on the outline page, too large for the basic page
  rec->m_param[14] = 9;     // no such line change
  rec->m_param[215] = 999;  // past -360..360
  rec->m_param[0] = 5000;   // past the bar's 1000
  copies.Load(-10, *rec);
  pages.ShowAll();
  ASSERT_TRUE(copies.Store(*rec));
  EXPECT_EQ(rec->m_param[201], 80);
  EXPECT_EQ(rec->m_param[14], 9);
  EXPECT_EQ(rec->m_param[215], 999);
  EXPECT_EQ(rec->m_param[0], 5000);

  pages.basic.m_nSmooth = 30;
  ASSERT_TRUE(copies.Store(*rec));
  EXPECT_EQ(rec->m_param[201], 30);
  EXPECT_EQ(rec->m_param[14], 9);
  EXPECT_EQ(rec->m_param[215], 999);
  EXPECT_EQ(rec->m_param[0], 5000);
}

TEST_F(ShapeSheetCopiesTest, ValuesChangedBehindTheSheetSurviveItsStores) {
  auto rec = DistinctRecord();
  copies.Load(-10, *rec);
  pages.shown[0] = true;
  pages.basic.m_nSmooth = 30;
  ASSERT_TRUE(copies.Store(*rec));
  // A preset or the settings panel changes the record while the sheet stays shown.
  for (int k : {0, 1, 2, 3, 4, 5, 37, 100, 201}) rec->m_param[size_t(k)] = 7 + k;
  ASSERT_TRUE(copies.Store(*rec));
  for (int k : {0, 1, 2, 3, 4, 5, 37, 100, 201}) EXPECT_EQ(rec->m_param[size_t(k)], 7 + k) << k;
}

}  // namespace
}  // namespace tmb::test
