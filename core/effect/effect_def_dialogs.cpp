// The values a definition shares with the detail, colour-change and zoom dialogs.
#include "core/state/draw_state.h"
#include "core/effect/effect_def.h"
#include "core/effect/effect_dialogs.h"
#include "platform/service/messages.h"

void CEffectDef::PushColoursToDialogs() const {
  CEffectDetailDlg& detail = gEffectDetailDlg;
  detail.m_slots[CEffectDetailDlg::kSlotOutline] = RgbSlotOf(m_colour1[kEffectColourOutline]);
  detail.m_slots[CEffectDetailDlg::kSlotRelief] = RgbSlotOf(m_colour1[kEffectColourRelief]);
  detail.m_slots[CEffectDetailDlg::kSlotStone] = RgbSlotOf(m_colour1[kEffectColourStone]);
  detail.m_slots[CEffectDetailDlg::kSlotGrade1] = RgbSlotOf(m_colour1[kEffectColourGrade1]);
  detail.m_slots[CEffectDetailDlg::kSlotGrade2] = RgbSlotOf(m_colour1[kEffectColourGrade2]);
  CColorChangeDlg& change = gColorChangeDlg;
  change.m_slots[CColorChangeDlg::kSlotCharacter] = RgbSlotOf(m_colour1[kEffectColourPen]);
  change.m_slots[CColorChangeDlg::kSlotPaper] = RgbSlotOf(m_colour1[kEffectColourPaper]);
  change.m_slots[CColorChangeDlg::kSlotBackground] = RgbSlotOf(m_colour1[kEffectColourBack]);
  change.m_slots[CColorChangeDlg::kSlotRightClick] = RgbSlotOf(gDrawState.m_crRightClick);
  change.m_nRedShift = m_exchange[0];
  change.m_nGreenShift = m_exchange[1];
  change.m_nBlueShift = m_exchange[2];
  change.m_nAction = 0;
}

void CEffectDef::PullColoursFromDialogs() {
  const CEffectDetailDlg& detail = gEffectDetailDlg;
  m_colour1[kEffectColourOutline] = ColourOfSlot(detail.m_slots[CEffectDetailDlg::kSlotOutline]);
  m_colour1[kEffectColourRelief] = ColourOfSlot(detail.m_slots[CEffectDetailDlg::kSlotRelief]);
  m_colour1[kEffectColourStone] = ColourOfSlot(detail.m_slots[CEffectDetailDlg::kSlotStone]);
  m_colour1[kEffectColourGrade1] = ColourOfSlot(detail.m_slots[CEffectDetailDlg::kSlotGrade1]);
  m_colour1[kEffectColourGrade2] = ColourOfSlot(detail.m_slots[CEffectDetailDlg::kSlotGrade2]);
  const CColorChangeDlg& change = gColorChangeDlg;
  m_colour1[kEffectColourPen] = ColourOfSlot(change.m_slots[CColorChangeDlg::kSlotCharacter]);
  m_colour1[kEffectColourPaper] = ColourOfSlot(change.m_slots[CColorChangeDlg::kSlotPaper]);
  m_colour1[kEffectColourBack] = ColourOfSlot(change.m_slots[CColorChangeDlg::kSlotBackground]);
  m_colour1[kEffectColourFreePoint] = ColourOfSlot(change.m_slots[CColorChangeDlg::kSlotRightClick]);
  m_exchange = {change.m_nRedShift, change.m_nGreenShift, change.m_nBlueShift};
}

void CEffectDef::ApplyDetailValues() {
  PullColoursFromDialogs();
  const CEffectDetailDlg& d = gEffectDetailDlg;
  m_value1[kEffectLightColouring] = d.m_nLightColouring;
  m_value1[kEffectStone] = d.m_nStoneDensity;
  m_value1[kEffectRelief] = d.m_nReliefHeight;
  m_value1[kEffectShadow] = d.m_nShadowHeight;
  m_value1[kEffectHollow] = d.m_nHollowWidth;
  m_value1[kEffectAntique] = d.m_nAntiqueDensity;
  m_value1[kEffectFog] = int(d.m_nBlurStrength);
  m_value1[kEffectShade] = int(d.m_nBlurStrength);
  m_value1[kEffectFrame] = int(d.m_nOutlineWidth);
  m_colour1[kEffectFrame] = m_colour1[kEffectColourOutline];
  m_colour1[kEffectRelief] = m_colour1[kEffectColourRelief];
  m_colour1[kEffectShadow] = m_colour1[kEffectColourRelief];
  m_colour1[kEffectStone] = m_colour1[kEffectColourStone];
  for (int e = kEffectGradeX; e <= kEffectGradeYPaper; ++e) {
    m_colour1[size_t(e)] = m_colour1[kEffectColourGrade1];
    m_colour2[size_t(e)] = m_colour1[kEffectColourGrade2];
    // The first two gradients run over the strokes, the last two over the paper.
    m_flagT[size_t(e)] = e < kEffectGradeX + 2 ? d.m_bStrokeGradientWrap : d.m_bPaperGradientWrap;
  }
  m_flagA[kEffectFrame] = d.m_bOutlineGradient;
  m_flagA[kEffectRelief] = d.m_bReliefOutline;
  m_flagA[kEffectShadow] = d.m_bReliefOutline;
  m_flagBG[kEffectRelief] = d.m_bReliefGradient;
  for (int e = kEffectSaturationUp; e <= kEffectLuminosityDown; ++e) m_flagA[size_t(e)] = d.m_bTransparentBack;
  const CZoomDlg& z = gZoomDlg;
  m_value1[kEffectScaleSame] = int(z.m_nSamePercent);
  m_value1[kEffectScalePixels] = int(z.m_nWidth);
  m_value2[kEffectScalePixels] = int(z.m_nHeight);
  m_value1[kEffectScaleRatio] = int(z.m_nWidthPercent);
  m_value2[kEffectScaleRatio] = int(z.m_nHeightPercent);
  m_value1[kEffectScaleTrapezoid] = z.m_nTopPercent;
  m_value2[kEffectScaleTrapezoid] = z.m_nBottomPercent;
  m_value1[kEffectScaleIncline] = z.m_nAngle;
}

int CEffectDef::RunDetailDialog() {
  PushColoursToDialogs();
  if (gEffectDetailDlg.DoModal() != tmb::kAnswerOk) return 0;
  PullColoursFromDialogs();
  ApplyDetailValues();
  return 1;
}
