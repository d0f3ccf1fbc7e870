// The copies between the record and the values of the sheet's setting pages (the colour
// copies are in colour_copies.cpp).
#include "app/sheets/sheet_copies.h"

#include "app/sheets/param_fields.h"
#include "core/record/char_data_full.h"
#include "core/state/draw_state.h"
#include "platform/text/code_page.h"

namespace {

constexpr int kStyleParam = 11;
constexpr int kKeepTurnParam = 290;
constexpr int kAntiAliasParam = 240;
constexpr int kAntiAliasOn = 2;
constexpr int kDetailModeParam = 37;
constexpr int kEffectBackgroundParam = 101;
constexpr int kBasicBars = 6;

// The style choice of the base page: 0 "草書", 1 "隷書", 2 "行書" for every style from 2
// up (a damaged negative style shows no choice); the choices store as styles 0, 1, 4.
constexpr int kStoredStyles[] = {0, 1, 4};
int StyleChoiceOf(int style) { return style < 0 ? -1 : (style < 2 ? style : 2); }

// A check that shows any non-zero value as ticked.
int CheckOf(int value) { return value != 0 ? 1 : 0; }

template <class V>
using Fields = std::span<const ParamField<V>>;

template <class V>
void PlainToPage(const CCharDataFull& record, V& page, Fields<V> fields) {
  LoadFields(record.m_param, page, fields);
}

template <class V>
void PlainFromPage(const V& page, const V& loaded, CCharDataFull& record, Fields<V> fields) {
  StoreSettings(record, [&](ParamBlock& p) { StoreFields(page, loaded, p, fields); });
}

using A = WriteBasicValues;
constexpr ParamField<A> kSetA[] = {
    {&A::m_nSmooth, 201}, {&A::m_bHige, 315}, {&A::m_bRaiseRight, 317}, {&A::m_nKeepTurn, 290},
};

using B = WriteLiteRepBaseValues;
constexpr ParamField<B> kSetB[] = {
    {&B::m_nSmooth, 201},     {&B::m_bHige, 315},       {&B::m_bSlantStrong, 318},  {&B::m_bKeepNonDown, 311},
    {&B::m_bKeepShort, 312},  {&B::m_bRaiseRight, 317}, {&B::m_bKeepHardness, 234}, {&B::m_bLightBase, 353},
    {&B::m_bSoftEdge, 354},   {&B::m_bLightCursive, 355},
};

using C = BrushBlurValues;
constexpr ParamField<C> kSetC[] = {
    {&C::m_nBrushKind, 10}, {&C::m_nBlurPattern, 40}, {&C::m_nBlur, 41},      {&C::m_nGrain, 190},
    {&C::m_nGrainRough, 192}, {&C::m_nGrainDepth, 193}, {&C::m_nGrainFlow, 191},
};

using D = OutlineValues;
constexpr ParamField<D> kSetD[] = {
    {&D::m_bNaturalSmooth, 220}, {&D::m_nNaturalStrength, 201}, {&D::m_bPartSmooth, 225},
    {&D::m_nPartStrength, 226},  {&D::m_bSpline, 221},          {&D::m_nAntiAlias, 240},
    {&D::m_nDensity, 241},       {&D::m_nDetailView, 242},      {&D::m_bTraceForRough, 243},
    {&D::m_nKeepTip, 264},       {&D::m_nBold, 244},
};

using E = OutlineSwitchValues;
constexpr ParamField<E> kSetE[] = {
    {&E::m_bNaturalSmooth, 220}, {&E::m_nNaturalStrength, 201}, {&E::m_bPartSmooth, 225},
    {&E::m_nPartStrength, 226},  {&E::m_nDensity, 241},         {&E::m_nBold, 244},
};

using F = LineValues;
constexpr ParamField<F> kSetF[] = {
    {&F::m_nLineChange, 14},       {&F::m_nOptionSmoothing, 13}, {&F::m_bOptionDetail, 30},
    {&F::m_nInherit, 31},          {&F::m_nOptionInflection, 111}, {&F::m_nMinThinOther, 39},
    {&F::m_nMinThinEnd, 49},       {&F::m_bStressThinEnds, 42},  {&F::m_bThinStraight, 114},
    {&F::m_nEmphasis, 113},
};

using G = SpecialShapeValues;
constexpr ParamField<G> kSetG[] = {
    {&G::m_nSwell, 27},           {&G::m_nSwellStrength, 28},  {&G::m_bCrossRestrain, 29},
    {&G::m_nFrontLength, 17},     {&G::m_nRearLength, 18},     {&G::m_nTractionStrength, 210},
    {&G::m_bTraction, 211},       {&G::m_nEffectPoint, 212},   {&G::m_bFrontCurve, 213},
    {&G::m_bRearCurve, 214},      {&G::m_nFrontDirection, 215}, {&G::m_nRearDirection, 216},
};

using H = ScaleValues;
constexpr ParamField<H> kSetH[] = {
    {&H::m_nMoveOn, 80},       {&H::m_nMoveUnit, 81},     {&H::m_nMoveX, 82},
    {&H::m_nMoveY, 83},        {&H::m_nScaleMode, 84},    {&H::m_nScaleUnit, 85},
    {&H::m_nScaleX, 86},       {&H::m_nScaleY, 87},       {&H::m_nRotateMode, 88},
    {&H::m_nRotateAngle, 89},  {&H::m_nLineOutOn, 90},    {&H::m_nLineOutDirection, 91},
    {&H::m_nLineOutAmount, 92}, {&H::m_nLineOutStart, 93},
};

using I = WriteRepValues;
constexpr ParamField<I> kSetI[] = {
    {&I::m_nSpeedMode, 22}, {&I::m_nMouseSpeed, 12},       {&I::m_nMain, 26},
    {&I::m_nSoftness, 44},  {&I::m_nPooling, 45},          {&I::m_nSub, 230},
    {&I::m_nCrushSoftness, 234}, {&I::m_nCrushType, 11},   {&I::m_nFlow, 6},
    {&I::m_nIntent, 8},
};

using J = WriteRepLiteValues;
constexpr ParamField<J> kSetJ[] = {
    {&J::m_nMain, 26}, {&J::m_nSoftness, 44}, {&J::m_nSub, 230}, {&J::m_nCrushSoftness, 234},
    {&J::m_nFlow, 6},  {&J::m_nCrush, 0},     {&J::m_nRenmen, 2},
};

using Fx = ImageEffectValues;
constexpr ParamField<Fx> kEffect[] = {
    {&Fx::m_bApply, 100},  {&Fx::m_nBackground, 101}, {&Fx::m_nSampleX, 102}, {&Fx::m_nSampleY, 103},
    {&Fx::m_nArea, 104},   {&Fx::m_nMarginX, 105},    {&Fx::m_nMarginY, 106},
};

using Aux = AuxSettingValues;
constexpr ParamField<Aux> kBasic[] = {
    {&Aux::m_nCrush, 0},  {&Aux::m_nFlow, 1},    {&Aux::m_nRenmen, 2}, {&Aux::m_nWidth, 3},
    {&Aux::m_nInflect, 4}, {&Aux::m_nBlur, 5},   {&Aux::m_bAutoConvert, 38}, {&Aux::m_nPressure, 43},
};
// The bar maxima, at the same indexes of the maxima block.
constexpr ParamField<Aux> kBasicMaxima[kBasicBars] = {
    {&Aux::m_nCrushMax, 0},   {&Aux::m_nFlowMax, 1}, {&Aux::m_nRenmenMax, 2},
    {&Aux::m_nWidthMax, 3},   {&Aux::m_nInflectMax, 4}, {&Aux::m_nBlurMax, 5},
};

int DetailClassOf(int mode) { return mode < 200 ? 0 : (mode < 300 ? 1 : 2); }

}  // namespace

void CopyParamSetAToPage(const CCharDataFull& record, WriteBasicValues& page) { PlainToPage<A>(record, page, kSetA); }
void CopyParamSetAFromPage(const WriteBasicValues& page, const WriteBasicValues& loaded, CCharDataFull& record) {
  PlainFromPage<A>(page, loaded, record, kSetA);
}

void CopyParamSetBToPage(const CCharDataFull& record, WriteLiteRepBaseValues& page) {
  PlainToPage<B>(record, page, kSetB);
  page.m_nCrushType = StyleChoiceOf(record.m_param[kStyleParam]);
  page.m_bKeepTurn = CheckOf(record.m_param[kKeepTurnParam]);
}
void CopyParamSetBFromPage(const WriteLiteRepBaseValues& page, const WriteLiteRepBaseValues& loaded,
                           CCharDataFull& record) {
  StoreSettings(record, [&](ParamBlock& p) {
    StoreFields<B>(page, loaded, p, kSetB);
    if (Touched(page, loaded, &B::m_nCrushType) && page.m_nCrushType >= 0 && page.m_nCrushType <= 2) {
      p[kStyleParam] = kStoredStyles[page.m_nCrushType];
    }
    if (Touched(page, loaded, &B::m_bKeepTurn)) p[kKeepTurnParam] = page.m_bKeepTurn;
  });
}

void CopyParamSetCToPage(const CCharDataFull& record, BrushBlurValues& page) { PlainToPage<C>(record, page, kSetC); }
void CopyParamSetCFromPage(const BrushBlurValues& page, const BrushBlurValues& loaded, CCharDataFull& record) {
  PlainFromPage<C>(page, loaded, record, kSetC);
}

void CopyParamSetDToPage(const CCharDataFull& record, OutlineValues& page) { PlainToPage<D>(record, page, kSetD); }
void CopyParamSetDFromPage(const OutlineValues& page, const OutlineValues& loaded, CCharDataFull& record) {
  PlainFromPage<D>(page, loaded, record, kSetD);
}

void CopyParamSetEToPage(const CCharDataFull& record, OutlineSwitchValues& page) {
  PlainToPage<E>(record, page, kSetE);
  page.m_bAntiAlias = CheckOf(record.m_param[kAntiAliasParam]);
}
void CopyParamSetEFromPage(const OutlineSwitchValues& page, const OutlineSwitchValues& loaded,
                           CCharDataFull& record) {
  StoreSettings(record, [&](ParamBlock& p) {
    StoreFields<E>(page, loaded, p, kSetE);
    if (Touched(page, loaded, &E::m_bAntiAlias)) p[kAntiAliasParam] = page.m_bAntiAlias ? kAntiAliasOn : 0;
  });
}

void CopyParamSetFToPage(const CCharDataFull& record, LineValues& page) { PlainToPage<F>(record, page, kSetF); }
void CopyParamSetFFromPage(const LineValues& page, const LineValues& loaded, CCharDataFull& record) {
  PlainFromPage<F>(page, loaded, record, kSetF);
}

void CopyParamSetGToPage(const CCharDataFull& record, SpecialShapeValues& page) { PlainToPage<G>(record, page, kSetG); }
void CopyParamSetGFromPage(const SpecialShapeValues& page, const SpecialShapeValues& loaded,
                           CCharDataFull& record) {
  PlainFromPage<G>(page, loaded, record, kSetG);
}

void CopyParamSetHToPage(const CCharDataFull& record, ScaleValues& page) { PlainToPage<H>(record, page, kSetH); }
void CopyParamSetHFromPage(const ScaleValues& page, const ScaleValues& loaded, CCharDataFull& record) {
  PlainFromPage<H>(page, loaded, record, kSetH);
}

void CopyParamSetIToPage(const CCharDataFull& record, WriteRepValues& page) {
  PlainToPage<I>(record, page, kSetI);
  page.m_bKeepTurn = CheckOf(record.m_param[kKeepTurnParam]);
}
void CopyParamSetIFromPage(const WriteRepValues& page, const WriteRepValues& loaded, CCharDataFull& record) {
  StoreSettings(record, [&](ParamBlock& p) {
    StoreFields<I>(page, loaded, p, kSetI);
    if (Touched(page, loaded, &I::m_bKeepTurn)) p[kKeepTurnParam] = page.m_bKeepTurn;
  });
}

void CopyParamSetJToPage(const CCharDataFull& record, WriteRepLiteValues& page) { PlainToPage<J>(record, page, kSetJ); }
void CopyParamSetJFromPage(const WriteRepLiteValues& page, const WriteRepLiteValues& loaded,
                           CCharDataFull& record) {
  PlainFromPage<J>(page, loaded, record, kSetJ);
}

void CopyEffectToPage(const CCharDataFull& record, ImageEffectValues& page) {
  PlainToPage<Fx>(record, page, kEffect);
  page.m_strFile = tmb::SjisToUtf8Lossy(record.m_text[kTextEffectFile]);
}
void CopyEffectFromPage(const ImageEffectValues& page, const ImageEffectValues& loaded, CCharDataFull& record) {
  StoreSettings(record, [&](ParamBlock& p) { StoreFields<Fx>(page, loaded, p, kEffect); });
  if (Touched(page, loaded, &Fx::m_strFile)) record.m_text[kTextEffectFile] = tmb::Utf8ToSjisLossy(page.m_strFile);
  // Every store sets the definition again: the detail values and the paper's size may
  // have changed since the last.
  record.m_effect.SetFile(record.m_text[kTextEffectFile], record.m_param[kEffectBackgroundParam]);
}

void CopyBasicToPage(const CCharDataFull& record, AuxSettingValues& page) {
  PlainToPage<Aux>(record, page, kBasic);
  LoadFields<Aux>(record.m_paramMax, page, kBasicMaxima);
  page.m_nDetailMode = DetailClassOf(record.m_param[kDetailModeParam]);
  page.m_bHideSheet = gDrawState.m_nSheetClearMode;
}
void CopyBasicFromPage(const AuxSettingValues& page, const AuxSettingValues& loaded, CCharDataFull& record) {
  StoreSettings(record, [&](ParamBlock& p) {
    StoreFields<Aux>(page, loaded, p, kBasic);
    StoreFields<Aux>(page, loaded, record.m_paramMax, kBasicMaxima);
    p[kDetailModeParam] = kStoredDetailMode;
  });
  gDrawState.m_nDetailMode = kStoredDetailMode;
  if (Touched(page, loaded, &Aux::m_bHideSheet)) gDrawState.m_nSheetClearMode = page.m_bHideSheet;
}

void CopyFontBlockToPage(const CCharDataFull& record, FontBlockValues& page) {
  page.m_block.CopyFrom(record.m_textSettings[0], 0);
}
void CopyFontBlockFromPage(const FontBlockValues& page, const FontBlockValues& loaded, CCharDataFull& record) {
  const CTextSettings& shown = page.m_block;
  if (!shown.Differs(loaded.m_block) && !CTextSettings::EntryDiffers(shown.m_template, loaded.m_block.m_template)) {
    return;
  }
  record.m_textSettings[0].CopyFrom(shown, 0);
  record.m_nOutlineDirty = 1;
  record.m_bModified = 1;
}
