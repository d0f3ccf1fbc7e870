#include "imageedit/editor/image_effects.h"

#include <iterator>

#include "brush/bitmap/deform_selection.h"
#include "brush/bitmap/image_effect.h"
#include "core/canvas/work_canvas.h"
#include "imageedit/editor/bmp_view.h"
#include "brush/bitmap/bitmap_pixel.h"
#include "core/effect/effect_dialogs.h"
#include "brush/bitmap/paper_colour.h"
#include "platform/service/messages.h"

namespace {

constexpr int kMsgSetArea = 61544;
constexpr int kMsgNoMemory = 62043;

// The scaling each choice of the scaling dialog runs, in the dialog's order: pixels,
// ratio, same ratio, trapezoid, incline, ellipse.
constexpr int kScaleEffects[] = {kEffectScalePixels, kEffectScaleRatio,     kEffectScaleSame,
                                 kEffectScaleTrapezoid, kEffectScaleIncline, kEffectScaleEllipse};

tmb::Rect CanvasRect() { return {0, 0, gWorkCanvas.m_width, gWorkCanvas.m_height}; }

// A context on the view's window, as the effects make theirs compatible with it.
struct ClientContext {
  explicit ClientContext(CBmpView& view) { view.host().PrepareClientDC(dc); }
  tmb::DeviceContext dc;
};

}  // namespace

int ColourChangeEffect(int button, int setChoice) {
  switch (button) {
    case 1: return kEffectColourPen;
    case 2: return kEffectColourPaper;
    case 3: return kEffectColourPaperAll;
    case 4: return kEffectColourFreePoint;
    case 5: return setChoice >= 0 && setChoice <= 3 ? kEffectChannelUp + setChoice : 0;
    case 6: return kEffectColourBackOld;
    default: return 0;
  }
}

int RunImageEffect(CBmpView& view) {
  CEffectDef& def = view.m_effectDef;
  const int effect = view.m_nEffect;
  // The whole-paper change needs no area; every other effect works on the area.
  if (effect != kEffectColourPaperAll && !view.HasArea()) {
    tmb::ShowMessage(kMsgSetArea);
    return 0;
  }
  tmb::Surface* work = view.EffectWorkBitmap();
  if (!work || view.m_bmpWork.IsNull()) {
    tmb::ShowMessage(kMsgNoMemory);
    return 0;
  }
  ClientContext client(view);
  view.BeginWaitCursor();
  view.SaveUndoImage();
  def.m_region = view.m_region;
  def.m_nCurrentEffect = effect;
  if (effect == kEffectColourPaperAll) {
    ChangeWholePaperColour(def, &client.dc, &view.m_bmpWork, CanvasRect());
  } else {
    PrepareImageEffect(def, &client.dc, &view.m_bmpWork, work, 0, 1);
    view.Copy();
  }
  view.m_bModified = 1;
  view.Redraw();
  view.FollowInZoomView();
  view.EndWaitCursor();
  return 1;
}

int ChangeImageColours(CBmpView& view) {
  CEffectDef& def = view.m_effectDef;
  def.PushColoursToDialogs();
  ClientContext client(view);
  tmb::Rect area = view.m_region;
  area.Normalize();
  const tmb::Colour corner = GetBitmapPixel(&client.dc, area.left, area.top, &view.m_bmpWork);
  if (corner != tmb::kInvalidColour) def.m_colour1[kEffectColourBoxTopLeft] = corner;
  const tmb::Colour background = def.m_colour1[kEffectColourBack];
  // Only a change button of this run counts.
  gColorChangeDlg.m_nAction = 0;
  if (gColorChangeDlg.DoModal() != tmb::kAnswerOk) return 0;
  def.PullColoursFromDialogs();
  const int effect = ColourChangeEffect(gColorChangeDlg.m_nAction, gColorChangeDlg.m_nSetChoice);
  if (effect == 0) return 0;
  // The whole-paper change finds the paper by the background colour it had.
  if (effect == kEffectColourPaperAll) def.m_crPaper = background;
  view.m_nEffect = effect;
  return RunImageEffect(view);
}

int ScaleImageArea(CBmpView& view) {
  tmb::Rect area = view.m_region;
  area.Normalize();
  const bool empty = area.Width() <= 0 || area.Height() <= 0;
  gZoomDlg.m_nWidth = unsigned(empty ? gWorkCanvas.m_width : area.Width());
  gZoomDlg.m_nHeight = unsigned(empty ? gWorkCanvas.m_height : area.Height());
  if (gZoomDlg.DoModal() != tmb::kAnswerOk) return 0;
  tmb::Surface* work = view.EffectWorkBitmap();
  if (!work || view.m_bmpWork.IsNull()) {
    tmb::ShowMessage(kMsgNoMemory);
    return 0;
  }
  ClientContext client(view);
  {
    tmb::DeviceContext from(&view.m_bmpWork), to(work);
    to.BitBlt(area.left, area.top, area.Width(), area.Height(), &from, area.left, area.top, tmb::kSrcCopy);
  }
  view.m_sizeArea = {area.Width(), area.Height()};
  if (!view.HasArea()) {
    tmb::ShowMessage(kMsgSetArea);
    return 0;
  }
  const int choice = gZoomDlg.m_nMode;
  if (choice < 0 || choice >= int(std::size(kScaleEffects))) return 0;
  view.SaveUndoImage();
  CEffectDef& def = view.m_effectDef;
  const int effect = kScaleEffects[choice];
  def.m_region = view.m_region;
  def.ApplyDetailValues();
  view.m_effectDef2.CopyFrom(def);
  DeformSelection(def, &client.dc, &view.m_bmpWork, &view.m_bmpWork, effect);
  view.m_bModified = 1;
  view.Redraw();
  return 1;
}
