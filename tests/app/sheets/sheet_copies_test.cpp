// The copies between the record and the sheet's page values: every field at its
// parameter both ways, the mapped fields, and untouched fields that keep the record's own
// value.
#include "app/sheets/sheet_copies.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <vector>

#include "app/sheets/param_fields.h"
#include "core/record/char_data_full.h"
#include "core/state/draw_state.h"
#include "core/effect/effect_names.h"

namespace tmb::test {
namespace {

// Parameters no page field has, so that a stray write shows.
int32_t Background(int k) { return 100000 + k; }

std::unique_ptr<CCharDataFull> BackgroundRecord() {
  auto rec = std::make_unique<CCharDataFull>();
  for (int k = 0; k < kParamCount; ++k) rec->m_param[size_t(k)] = Background(k);
  for (int k = 0; k < kParamCount; ++k) rec->m_paramMax[size_t(k)] = 200000 + k;
  return rec;
}

// One page: its copy pair, its plain fields at the parameters the page's binding table
// names, and the fields the copies map, with the parameters those land in.
template <class V>
struct PageSpec {
  const char* name;
  void (*toPage)(const CCharDataFull&, V&);
  void (*fromPage)(const V&, const V&, CCharDataFull&);
  std::vector<ParamField<V>> fields;
  std::vector<int> mappedParams;
  std::function<void(V& shown, V& loaded)> setMapped;
  std::function<void(const CCharDataFull& rec, const V& back)> checkMapped;
};

// Distinct page values into the record and back: each lands at its parameter, nothing
// else changes but the outline flag, and a fresh load shows what was stored.
template <class V>
void PageToRecordToPage(const PageSpec<V>& spec) {
  SCOPED_TRACE(spec.name);
  auto rec = BackgroundRecord();
  const ParamBlock before = rec->m_param;
  V shown{};
  V loaded{};
  for (size_t i = 0; i < spec.fields.size(); ++i) {
    spec.fields[i].Set(shown, int32_t(100 + 37 * i));
    spec.fields[i].Set(loaded, -1 - int32_t(i));
  }
  if (spec.setMapped) spec.setMapped(shown, loaded);
  spec.fromPage(shown, loaded, *rec);
  EXPECT_EQ(rec->m_nOutlineDirty, 1);

  std::set<int> written(spec.mappedParams.begin(), spec.mappedParams.end());
  for (const ParamField<V>& f : spec.fields) {
    EXPECT_EQ(rec->m_param[size_t(f.param)], f.Get(shown)) << "parameter " << f.param;
    EXPECT_TRUE(written.insert(f.param).second) << "two fields at parameter " << f.param;
  }
  for (int k = 0; k < kParamCount; ++k) {
    if (written.count(k)) continue;
    EXPECT_EQ(rec->m_param[size_t(k)], before[size_t(k)]) << "parameter " << k;
  }
  V back{};
  spec.toPage(*rec, back);
  for (const ParamField<V>& f : spec.fields) EXPECT_EQ(f.Get(back), f.Get(shown)) << "parameter " << f.param;
  if (spec.checkMapped) spec.checkMapped(*rec, back);
}

class SheetCopies : public ::testing::Test {
 protected:
  void SetUp() override { gDrawState.Reset(); }
  void TearDown() override { gDrawState.Reset(); }
};

TEST_F(SheetCopies, EveryPageValueGoesToItsParameterAndComesBack) {
  using A = WriteBasicValues;
  using B = WriteLiteRepBaseValues;
  using C = BrushBlurValues;
  using D = OutlineValues;
  using E = OutlineSwitchValues;
  using F = LineValues;
  using G = SpecialShapeValues;
  using H = ScaleValues;
  using I = WriteRepValues;
  using J = WriteRepLiteValues;
  using Fx = ImageEffectValues;
  using Aux = AuxSettingValues;
  using Col = ColourPageValues;
  using Two = TwoColourValues;
  using Six = SixColourValues;

  const std::vector<std::function<void()>> pages = {
      [] {
        PageToRecordToPage<A>({"basic", CopyParamSetAToPage, CopyParamSetAFromPage,
                               {{&A::m_nSmooth, 201}, {&A::m_bHige, 315}, {&A::m_bRaiseRight, 317},
                                {&A::m_nKeepTurn, 290}}, {}, {}, {}});
      },
      [] {
        PageToRecordToPage<B>(
            {"base style", CopyParamSetBToPage, CopyParamSetBFromPage,
             {{&B::m_nSmooth, 201}, {&B::m_bSoftEdge, 354}, {&B::m_bKeepHardness, 234}, {&B::m_bKeepShort, 312},
              {&B::m_bKeepNonDown, 311}, {&B::m_bSlantStrong, 318}, {&B::m_bLightBase, 353},
              {&B::m_bLightCursive, 355}, {&B::m_bRaiseRight, 317}, {&B::m_bHige, 315}},
             {11, 290},
             [](B& shown, B& loaded) {
               shown.m_nCrushType = 2;
               loaded.m_nCrushType = 0;
               shown.m_bKeepTurn = 1;
               loaded.m_bKeepTurn = 0;
             },
             [](const CCharDataFull& rec, const B& back) {
               EXPECT_EQ(rec.m_param[11], 4) << "行書";
               EXPECT_EQ(rec.m_param[290], 1);
               EXPECT_EQ(back.m_nCrushType, 2);
               EXPECT_EQ(back.m_bKeepTurn, 1);
             }});
      },
      [] {
        PageToRecordToPage<C>({"brush and blur", CopyParamSetCToPage, CopyParamSetCFromPage,
                               {{&C::m_nBrushKind, 10}, {&C::m_nBlurPattern, 40}, {&C::m_nBlur, 41},
                                {&C::m_nGrain, 190}, {&C::m_nGrainFlow, 191}, {&C::m_nGrainRough, 192},
                                {&C::m_nGrainDepth, 193}}, {}, {}, {}});
      },
      [] {
        PageToRecordToPage<D>({"outline", CopyParamSetDToPage, CopyParamSetDFromPage,
                               {{&D::m_bNaturalSmooth, 220}, {&D::m_nNaturalStrength, 201}, {&D::m_bSpline, 221},
                                {&D::m_bPartSmooth, 225}, {&D::m_nPartStrength, 226}, {&D::m_nAntiAlias, 240},
                                {&D::m_nDensity, 241}, {&D::m_nDetailView, 242}, {&D::m_bTraceForRough, 243},
                                {&D::m_nBold, 244}, {&D::m_nKeepTip, 264}}, {}, {}, {}});
      },
      [] {
        PageToRecordToPage<E>({"outline switch", CopyParamSetEToPage, CopyParamSetEFromPage,
                               {{&E::m_bNaturalSmooth, 220}, {&E::m_nNaturalStrength, 201},
                                {&E::m_bPartSmooth, 225}, {&E::m_nPartStrength, 226}, {&E::m_nDensity, 241},
                                {&E::m_nBold, 244}},
                               {240},
                               [](E& shown, E& loaded) {
                                 shown.m_bAntiAlias = 1;
                                 loaded.m_bAntiAlias = 0;
                               },
                               [](const CCharDataFull& rec, const E& back) {
                                 EXPECT_EQ(rec.m_param[240], 2);
                                 EXPECT_EQ(back.m_bAntiAlias, 1);
                               }});
      },
      [] {
        PageToRecordToPage<F>({"line", CopyParamSetFToPage, CopyParamSetFFromPage,
                               {{&F::m_nLineChange, 14}, {&F::m_nInherit, 31}, {&F::m_nMinThinOther, 39},
                                {&F::m_bStressThinEnds, 42}, {&F::m_nMinThinEnd, 49}, {&F::m_nEmphasis, 113},
                                {&F::m_bThinStraight, 114}, {&F::m_nOptionSmoothing, 13},
                                {&F::m_bOptionDetail, 30}, {&F::m_nOptionInflection, 111}}, {}, {}, {}});
      },
      [] {
        PageToRecordToPage<G>({"special shape", CopyParamSetGToPage, CopyParamSetGFromPage,
                               {{&G::m_nFrontLength, 17}, {&G::m_nRearLength, 18}, {&G::m_nSwell, 27},
                                {&G::m_nSwellStrength, 28}, {&G::m_bCrossRestrain, 29},
                                {&G::m_nTractionStrength, 210}, {&G::m_bTraction, 211}, {&G::m_nEffectPoint, 212},
                                {&G::m_bFrontCurve, 213}, {&G::m_bRearCurve, 214}, {&G::m_nFrontDirection, 215},
                                {&G::m_nRearDirection, 216}}, {}, {}, {}});
      },
      [] {
        PageToRecordToPage<H>({"scale", CopyParamSetHToPage, CopyParamSetHFromPage,
                               {{&H::m_nMoveOn, 80}, {&H::m_nMoveUnit, 81}, {&H::m_nMoveX, 82}, {&H::m_nMoveY, 83},
                                {&H::m_nScaleMode, 84}, {&H::m_nScaleUnit, 85}, {&H::m_nScaleX, 86},
                                {&H::m_nScaleY, 87}, {&H::m_nRotateMode, 88}, {&H::m_nRotateAngle, 89},
                                {&H::m_nLineOutOn, 90}, {&H::m_nLineOutDirection, 91},
                                {&H::m_nLineOutAmount, 92}, {&H::m_nLineOutStart, 93}}, {}, {}, {}});
      },
      [] {
        PageToRecordToPage<I>({"basic form", CopyParamSetIToPage, CopyParamSetIFromPage,
                               {{&I::m_nFlow, 6}, {&I::m_nIntent, 8}, {&I::m_nCrushType, 11}, {&I::m_nMain, 26},
                                {&I::m_nSoftness, 44}, {&I::m_nSub, 230}, {&I::m_nCrushSoftness, 234},
                                {&I::m_nMouseSpeed, 12}, {&I::m_nSpeedMode, 22}, {&I::m_nPooling, 45}},
                               {290},
                               [](I& shown, I& loaded) {
                                 shown.m_bKeepTurn = 1;
                                 loaded.m_bKeepTurn = 0;
                               },
                               [](const CCharDataFull& rec, const I& back) {
                                 EXPECT_EQ(rec.m_param[290], 1);
                                 EXPECT_EQ(back.m_bKeepTurn, 1);
                               }});
      },
      [] {
        PageToRecordToPage<J>({"basic form lite", CopyParamSetJToPage, CopyParamSetJFromPage,
                               {{&J::m_nMain, 26}, {&J::m_nSoftness, 44}, {&J::m_nSub, 230},
                                {&J::m_nCrushSoftness, 234}, {&J::m_nFlow, 6}, {&J::m_nCrush, 0},
                                {&J::m_nRenmen, 2}}, {}, {}, {}});
      },
      [] {
        PageToRecordToPage<Fx>({"image effect", CopyEffectToPage, CopyEffectFromPage,
                                {{&Fx::m_bApply, 100}, {&Fx::m_nBackground, 101}, {&Fx::m_nSampleX, 102},
                                 {&Fx::m_nSampleY, 103}, {&Fx::m_nArea, 104}, {&Fx::m_nMarginX, 105},
                                 {&Fx::m_nMarginY, 106}},
                                {},
                                [](Fx& shown, Fx&) { shown.m_strFile = "ef石版.txt"; },
                                [](const CCharDataFull& rec, const Fx& back) {
                                  EXPECT_EQ(rec.m_text[kTextEffectFile], "ef\x90\xCE\x94\xC5.txt");
                                  EXPECT_EQ(rec.m_effect.m_strFile, rec.m_text[kTextEffectFile]);
                                  EXPECT_EQ(rec.m_effect.m_nColourSource, rec.m_param[101]);
                                  EXPECT_EQ(back.m_strFile, "ef石版.txt");
                                }});
      },
      [] {
        PageToRecordToPage<Aux>(
            {"auxiliary", CopyBasicToPage, CopyBasicFromPage,
             {{&Aux::m_nCrush, 0}, {&Aux::m_nFlow, 1}, {&Aux::m_nRenmen, 2}, {&Aux::m_nWidth, 3},
              {&Aux::m_nInflect, 4}, {&Aux::m_nBlur, 5}, {&Aux::m_bAutoConvert, 38}, {&Aux::m_nPressure, 43}},
             {37},
             [](Aux& shown, Aux& loaded) {
               const ParamField<Aux> maxima[] = {{&Aux::m_nCrushMax, 0},  {&Aux::m_nFlowMax, 1},
                                                 {&Aux::m_nRenmenMax, 2}, {&Aux::m_nWidthMax, 3},
                                                 {&Aux::m_nInflectMax, 4}, {&Aux::m_nBlurMax, 5}};
               for (const auto& m : maxima) m.Set(shown, 900 + m.param);
               shown.m_bHideSheet = 1;
               loaded.m_bHideSheet = 0;
               shown.m_nDetailMode = 0;
               loaded.m_nDetailMode = 1;
             },
             [](const CCharDataFull& rec, const Aux& back) {
               for (int k = 0; k < 6; ++k) EXPECT_EQ(rec.m_paramMax[size_t(k)], 900 + k) << "maximum " << k;
               EXPECT_EQ(rec.m_paramMax[6], 200006);
               EXPECT_EQ(back.m_nBlurMax, 905u);
               EXPECT_EQ(rec.m_param[37], kStoredDetailMode) << "whatever the page showed";
               EXPECT_EQ(gDrawState.m_nDetailMode, kStoredDetailMode);
               EXPECT_EQ(back.m_nDetailMode, 2);
               EXPECT_EQ(gDrawState.m_nSheetClearMode, 1);
               EXPECT_EQ(back.m_bHideSheet, 1);
             }});
      },
      [] {
        PageToRecordToPage<Col>({"colour", CopyColourSwitchToPage, CopyColoursFromPage,
                                 {},
                                 {170, 156, 157, 158, 159, 160, 161, 162, 163, 164, 165},
                                 [](Col& shown, Col& loaded) {
                                   shown.m_nColourMode = 1;
                                   for (size_t k = 0; k < shown.m_colours.size(); ++k) {
                                     shown.m_colours[k] = MakeRgb(10 * int(k), 7, 3);
                                   }
                                   loaded.m_colours.fill(kInvalidColour);
                                 },
                                 [](const CCharDataFull& rec, const Col& back) {
                                   EXPECT_EQ(rec.m_param[170], 3) << "a switched-on page stores 3";
                                   for (int k = 0; k < 10; ++k) {
                                     EXPECT_EQ(rec.m_param[size_t(156 + k)], int32_t(MakeRgb(10 * k, 7, 3))) << k;
                                   }
                                   EXPECT_EQ(rec.m_bDerived, 1);
                                   EXPECT_EQ(rec.m_effect.m_colour1[kEffectColourBack], MakeRgb(10, 7, 3));
                                   EXPECT_EQ(rec.m_rangeFrom, rec.m_param[156]) << "single colour: the range is 156";
                                   EXPECT_EQ(back.m_nColourMode, 1);
                                   EXPECT_EQ(back.m_colours[9], MakeRgb(90, 7, 3));
                                 }});
      },
      [] {
        PageToRecordToPage<Two>({"two colours", CopyTwoColoursToPage, CopyTwoColoursFromPage,
                                 {},
                                 {156, 157},
                                 [](Two& shown, Two&) { shown.m_rgb = {{{1, 2, 3}, {4, 5, 6}}}; },
                                 [](const CCharDataFull& rec, const Two& back) {
                                   EXPECT_EQ(rec.m_param[156], RgbParam(1, 2, 3));
                                   EXPECT_EQ(rec.m_param[157], RgbParam(4, 5, 6));
                                   EXPECT_EQ(back.m_rgb[1], (RgbBytes{4, 5, 6}));
                                   EXPECT_EQ(rec.m_bDerived, 1);
                                 }});
      },
      [] {
        PageToRecordToPage<Six>({"six colours", CopySixColoursToPage, CopySixColoursFromPage,
                                 {},
                                 {152, 153, 154, 155, 156, 157, 172, 173, 174, 175},
                                 [](Six& shown, Six& loaded) {
                                   for (size_t k = 0; k < 6; ++k) shown.m_rgb[k] = {uint8_t(k + 1), 0, 0};
                                   shown.m_nPoint = {1, 0, 1, 1};
                                   loaded.m_nPoint = {-1, -1, -1, -1};
                                 },
                                 [](const CCharDataFull& rec, const Six& back) {
                                   // Colours 0 and 1 are 156 and 157, then 152 to 155.
                                   const int params[] = {156, 157, 152, 153, 154, 155};
                                   for (int k = 0; k < 6; ++k) {
                                     EXPECT_EQ(rec.m_param[size_t(params[k])], RgbParam(k + 1, 0, 0)) << k;
                                   }
                                   EXPECT_EQ(rec.m_param[172], 1);
                                   EXPECT_EQ(rec.m_param[173], 0);
                                   EXPECT_EQ(back.m_rgb[2], (RgbBytes{3, 0, 0}));
                                   EXPECT_EQ(back.m_nPoint, (std::array<int, 4>{1, 0, 1, 1}));
                                 }});
      },
  };
  for (const auto& page : pages) page();
}

// What a page shows for values it maps, and that an untouched field keeps the record's
// value rather than what the page would store for it.
TEST_F(SheetCopies, MappedValuesShowMappedAndStayWhenUntouched) {
  auto rec = BackgroundRecord();
  rec->m_param[11] = 3;
  rec->m_param[170] = 2;
  rec->m_param[290] = 2;
  rec->m_param[240] = 1;
  rec->m_param[37] = 250;
  const ParamBlock before = rec->m_param;

  WriteLiteRepBaseValues base;
  CopyParamSetBToPage(*rec, base);
  EXPECT_EQ(base.m_nCrushType, 2);
  EXPECT_EQ(base.m_bKeepTurn, 1);
  ColourPageValues colour;
  CopyColourSwitchToPage(*rec, colour);
  EXPECT_EQ(colour.m_nColourMode, 1);
  OutlineSwitchValues outline;
  CopyParamSetEToPage(*rec, outline);
  EXPECT_EQ(outline.m_bAntiAlias, 1) << "trace anti-aliasing shows on";
  WriteRepValues form;
  CopyParamSetIToPage(*rec, form);
  EXPECT_EQ(form.m_bKeepTurn, 1);
  AuxSettingValues aux;
  CopyBasicToPage(*rec, aux);
  EXPECT_EQ(aux.m_nDetailMode, 1);

  CopyParamSetBFromPage(base, base, *rec);
  CopyParamSetEFromPage(outline, outline, *rec);
  CopyParamSetIFromPage(form, form, *rec);
  EXPECT_EQ(rec->m_param, before) << "p11 stays 3, p290 2, p240 1";
  EXPECT_EQ(rec->m_bDerived, 0);
  // The colour page is the exception: its switch is stored whatever the record held.
  CopyColoursFromPage(colour, colour, *rec);
  EXPECT_EQ(rec->m_param[170], 3) << "a switched-on page stores 3 over the record's 2";
  rec->m_param[170] = 2;

  // The user moves only the base page's smoothness: the style stays as it was.
  const WriteLiteRepBaseValues shown = base;
  base.m_nSmooth += 1;
  CopyParamSetBFromPage(base, shown, *rec);
  EXPECT_EQ(rec->m_param[201], base.m_nSmooth);
  EXPECT_EQ(rec->m_param[11], 3);
}

TEST_F(SheetCopies, StyleChoicesAndClassesCoverTheirRanges) {
  auto rec = std::make_unique<CCharDataFull>();
  const struct {
    int p11;
    int choice;
  } styles[] = {{0, 0}, {1, 1}, {2, 2}, {3, 2}, {5, 2}, {9, 2}, {-1, -1}};
  for (const auto& s : styles) {
    rec->m_param[11] = s.p11;
    WriteLiteRepBaseValues page;
    CopyParamSetBToPage(*rec, page);
    EXPECT_EQ(page.m_nCrushType, s.choice) << s.p11;
  }
  const int stored[] = {0, 1, 4};
  for (int choice = 0; choice < 3; ++choice) {
    rec->m_param[11] = 5;
    WriteLiteRepBaseValues loaded;
    loaded.m_nCrushType = -1;
    WriteLiteRepBaseValues page;
    page.m_nCrushType = choice;
    CopyParamSetBFromPage(page, loaded, *rec);
    EXPECT_EQ(rec->m_param[11], stored[choice]);
  }
  const struct {
    int p37;
    int detail;
  } classes[] = {{-5, 0}, {199, 0}, {200, 1}, {299, 1}, {300, 2}, {400, 2}};
  for (const auto& c : classes) {
    rec->m_param[37] = c.p37;
    AuxSettingValues page;
    CopyBasicToPage(*rec, page);
    EXPECT_EQ(page.m_nDetailMode, c.detail) << c.p37;
  }
}

TEST_F(SheetCopies, TheColourPageWritesOnlyTheColoursTheUserChanged) {
  auto rec = BackgroundRecord();
  rec->m_param[170] = 1;
  ColourPageValues loaded;
  CopyColourSwitchToPage(*rec, loaded);
  EXPECT_EQ(loaded.m_colours[9], tmb::Colour(Background(165))) << "all ten are loaded";

  ColourPageValues page = loaded;
  page.m_colours[1] = MakeRgb(1, 2, 3);
  CopyColoursFromPage(page, loaded, *rec);
  EXPECT_EQ(rec->m_param[157], RgbParam(1, 2, 3));
  EXPECT_EQ(rec->m_param[170], 3) << "the page's switch is on: stored as 3 even where the record held 1";
  for (int k = 158; k <= 165; ++k) EXPECT_EQ(rec->m_param[size_t(k)], Background(k)) << k;
  EXPECT_EQ(rec->m_bDerived, 1);
  EXPECT_EQ(rec->m_effect.m_colour1[kEffectColourBack], MakeRgb(1, 2, 3));

  // The switch alone: stored as 3, no colour changed.
  rec->m_bDerived = 0;
  ColourPageValues off = page;
  off.m_nColourMode = 0;
  CopyColoursFromPage(page, off, *rec);
  EXPECT_EQ(rec->m_param[170], 3);
  EXPECT_EQ(rec->m_bDerived, 0);
  CopyColoursFromPage(off, page, *rec);
  EXPECT_EQ(rec->m_param[170], 0);
}

// A store that changes no colour still gives the effect the record's paper colour.
TEST_F(SheetCopies, EveryColourStoreGivesTheEffectThePaperColour) {
  auto rec = BackgroundRecord();
  rec->m_param[157] = RgbParam(9, 8, 7);
  struct Case {
    const char* page;
    std::function<void()> store;
  } cases[] = {
      {"colour switch", [&] {
         ColourPageValues loaded;
         CopyColourSwitchToPage(*rec, loaded);
         CopyColoursFromPage(loaded, loaded, *rec);
       }},
      {"two colours", [&] {
         TwoColourValues loaded;
         CopyTwoColoursToPage(*rec, loaded);
         CopyTwoColoursFromPage(loaded, loaded, *rec);
       }},
      {"six colours", [&] {
         SixColourValues loaded;
         CopySixColoursToPage(*rec, loaded);
         CopySixColoursFromPage(loaded, loaded, *rec);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.page);
    rec->m_effect.m_colour1[kEffectColourBack] = 0;
    rec->m_bDerived = 0;
    c.store();
    EXPECT_EQ(rec->m_effect.m_colour1[kEffectColourBack], MakeRgb(9, 8, 7));
    EXPECT_EQ(rec->m_bDerived, 0);
  }
}

TEST_F(SheetCopies, AStoreFlagsTheChangedSettingsForRedraw) {
  auto rec = std::make_unique<CCharDataFull>();
  rec->m_flags[kFlagRedrawShape] = 0;
  BrushBlurValues loaded;
  CopyParamSetCToPage(*rec, loaded);
  BrushBlurValues page = loaded;
  page.m_nGrainFlow = loaded.m_nGrainFlow + 1;
  CopyParamSetCFromPage(page, loaded, *rec);
  EXPECT_EQ(rec->m_param[191], page.m_nGrainFlow);
  EXPECT_EQ(rec->m_flags[kFlagRedrawShape], 1);
  EXPECT_EQ(rec->m_nOutlineDirty, 1);
}

TEST_F(SheetCopies, AnEffectStoreKeepsTheFileNamesBytesAndSetsTheDefinitionAgain) {
  auto rec = std::make_unique<CCharDataFull>();
  rec->m_text[kTextEffectFile] = "ef\x81.txt";  // a broken double-byte character
  rec->m_param[101] = 1;
  rec->m_effect.m_strFile = "stale";
  rec->m_effect.m_nColourSource = 0;
  ImageEffectValues page;
  CopyEffectToPage(*rec, page);
  CopyEffectFromPage(page, page, *rec);
  EXPECT_EQ(rec->m_text[kTextEffectFile], "ef\x81.txt") << "an untouched name is not written back";
  EXPECT_EQ(rec->m_effect.m_strFile, "ef\x81.txt") << "the definition is set again from the record";
  EXPECT_EQ(rec->m_effect.m_nColourSource, 1);
}

}  // namespace
}  // namespace tmb::test
