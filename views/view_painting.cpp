// The drawing view's painting: the character converted and brush-rendered into the back
// buffer, the writing area shown from it with its surroundings, guides and edit
// rectangles, and the clearing of the back buffer.
#include <memory>

#include "core/bitmap/palettes.h"
#include "brush/render/brush_state.h"
#include "convert/driver/analysis_overlay.h"
#include "convert/driver/marker_list.h"
#include "convert/driver/tablet_ink.h"
#include "core/canvas/box_drawing.h"
#include "core/canvas/dc_line_sink.h"
#include "core/document/tmb_doc.h"
#include "core/path/stroke_work.h"
#include "core/state/draw_state.h"
#include "platform/service/messages.h"
#include "platform/service/progress.h"
#include "views/registration/key_edit.h"
#include "views/shape_sheet_windows.h"
#include "views/tmb_view.h"
#include "views/view_params.h"

namespace {

constexpr tmb::Colour kWhite = 0xFFFFFF;
constexpr tmb::Colour kGuideGrey = 0xA0A0A0;
constexpr tmb::Colour kStrokeLineBlue = 0xF00000;
// Values of CDrawState::m_bDrawTempOriginalLine: the written lines shown while the first
// conversion of new strokes runs, or over the converted character for one repaint.
constexpr int kTempLinesAtConversion = 1;
constexpr int kTempLinesOverlay = 2;
// Commands the painting sends to the main frame.
constexpr int kCmdRefreshTitle = 32937;

// The road of a paint at line mode 2 draws at four times the paper; for a stroke with
// flying white or a line mode of 1 or 2 it is taken at mode 1 for the one paint.
bool SwitchesLineMode(const ParamBlock& p) {
  const int lineMode = p[kShapeModeParam];
  return p[kParamPenLineMode] == 2 && p[kParamLineModeSwitch] != 0 &&
         (p[kParamFlyingWhite] != 0 || lineMode == 1 || lineMode == 2) && p[kParamDisplayMode] == 0;
}

}  // namespace

void CTmbView::OnDraw(tmb::DeviceContext& dc) {
  if (!m_bInitialised) {
    SetUpPalette(dc);
    PaintCharacterView(dc);
    // The list information file named at start-up is read once the panel can show it.
    if (m_nKind == kKindDrawA && gDrawState.m_toolPanel.m_bShown && !gDrawState.m_szArgF.empty()) {
      LoadRegistrationList(dc);
    }
  }
  // Printing is rendered by the print road.
  if (!m_bPrintPreview) PaintWritingArea(dc);
  // What the paint asks of the frame runs once the paint event is over.
  AfterPaint([this] { SendFrameCommand(kCmdRefreshTitle); });
  if (m_nKind == kKindDrawB) EmptyDrawStep();
  // At once, so that the menu bar a user meets after the paint holds it.
  InsertStyleMenu();
}

void CTmbView::EmptyDrawStep() {}

int CTmbView::PaintCharacterView(tmb::DeviceContext& dc) {
  CTmbDoc* doc = GetDocument();
  if (!doc) return -1;
  BusyScope busy(*this);
  CCharDataFull& rec = doc->m_char;
  CaptureFirstCharacter(rec);
  TakeShownPicture(rec);
  // While the image editor follows the drawing windows, the sheets stand out of its way.
  if (gDrawState.m_bEditorSync) SheetWindows().HideSheets();
  RenderBrushSetIfChanged(dc);
  if (doc->m_bBrushCharPending) {
    // The colour line modes stamp with the set in the new colour.
    PaintBrushCharacter(dc, doc->m_crBrushCharPending, rec.m_param[kShapeModeParam] != 0 ? 1 : 0);
    doc->m_bBrushCharPending = 0;
  }
  if (rec.m_param[kParamDisplayMode] == 0 && rec.m_nPoints == 0) {
    ClearWritingArea(dc, 0);
    return 1;
  }
  const bool switched = SwitchesLineMode(rec.m_param);
  if (switched) rec.m_param[kParamPenLineMode] = 1;
  // What was written since a frame command asked for it now takes its place.
  if (rec.m_nFramePending) {
    doc->SaveUndoCopy();
    if (rec.ReplaceFramePart(kFrameFinishPending, rec.m_regions.m_list.GetCurrent(), doc->m_base[kBaseSpare]) != 1) {
      tmb::Beep();
    }
  }
  // The hand's lines stay in sight while the brush draws what was newly written.
  const bool converts = rec.m_param[kParamPenMode] == 0 && rec.m_param[kParamDisplayMode] == 0;
  if (converts && gDrawState.m_bDrawTempOriginalLine == kTempLinesAtConversion && rec.m_nPoints > doc->m_nLastPainted) {
    DrawStrokeLines(dc, kStrokeLineBlue, 0);
    ShowNow();
  }
  const int result = DrawCharacterStrokes(dc, 0, -1);
  if (converts && rec.m_param[kParamShowFeatures]) DrawConversionMarks(dc);
  if (switched) rec.m_param[kParamPenLineMode] = 2;
  ReleaseOffscreenDCs();
  tmb::Progress().SetPos(0);
  if (!m_bPreviewSource) {
    if (gDrawState.m_bDrawTempOriginalLine == kTempLinesOverlay) DrawStrokeLines(dc, kStrokeLineBlue, 1);
    PaintWritingArea(dc);
    if (m_edit && m_edit->hasFocus()) RefreshRegistrationPanel(dc);
  }
  doc->m_nLastPainted = rec.m_nPoints;
  return result;
}

void CTmbView::DrawConversionMarks(tmb::DeviceContext& dc) {
  OffscreenScope offscreen(*this, dc);
  if (!m_bOffscreen) return;
  gAnalysisOverlay.Draw(m_dcBack, false, false);
  gMarkers.DrawMarkers(m_dcBack);
}

int CTmbView::DrawCharacterStrokes(tmb::DeviceContext& dc, int from, int to) {
  CTmbDoc* doc = GetDocument();
  if (!doc) return 0;
  const CCharDataFull& rec = doc->m_char;
  // Point display: the written points stamped as the pen drew them.
  if (rec.m_param[kParamPenMode]) return StampCharacterPoints(dc);
  if (rec.m_param[kParamDisplayMode] != 0) return 0;
  auto source = std::make_unique<CStrokeWork>();
  auto converted = std::make_unique<CStrokeWork>();
  rec.ToStrokeWork(*source);
  rec.CopySettingsToWork(*converted);
  converted->ConvertCharacter(*source);
  converted->m_nWindow = m_nIndex;
  converted->SelectBrushState(nullptr);
  converted->m_drawFlags[0] = 0;
  return converted->DrawCharacter(&dc, from, to, *source);
}

int CTmbView::DrawCharacterStrokesAlt(tmb::DeviceContext& dc, int from, int to) {
  const std::array<int32_t, 2> saved = m_renderWords;
  m_renderWords = {3, 101};
  const int result = DrawCharacterStrokes(dc, from, to);
  m_renderWords = saved;
  return result;
}

void CTmbView::RedrawStrokesIfChanged(tmb::DeviceContext& dc) {
  CCharDataFull* rec = DrawnRecord();
  if (!rec) return;
  if (rec->m_nOutlineDirty != 1) {
    const int pointDisplay = rec->m_param[kParamPenMode];
    rec->m_param[kParamPenMode] = 1;
    DrawCharacterStrokes(dc, 0, -1);
    rec->m_param[kParamPenMode] = pointDisplay;
  }
  rec->m_nOutlineDirty = 1;
}

void CTmbView::PaintWritingArea(tmb::DeviceContext& dc) {
  CCharDataFull* rec = DrawnRecord();
  OffscreenScope offscreen(*this, dc);
  const tmb::Point o = gDrawState.m_ptCanvasOrigin;
  const CRegistrationPanel& panel = gDrawState.m_toolPanel;
  if (panel.m_bShown) {
    // The panel's page: blank paper but for the writing box and the panel.
    const tmb::Colour around = m_nKind == kKindDrawB ? gDrawState.m_crBackB : gDrawState.m_crBackA;
    FillAroundRect(dc, ClientRectLogical(), gDrawState.m_rcCanvas, around);
    dc.FillSolidRect(gDrawState.m_rcCanvas, kWhite);
    const tmb::Rect& r = panel.m_rcWriting;
    if (m_bOffscreen) {
      dc.BitBlt(r.left + o.x, r.top + o.y, r.Width(), r.Height(), &m_dcBack, r.left, r.top, tmb::kSrcCopy);
    }
    DrawRegistrationPanel(dc);
    return;
  }
  const tmb::Colour around = m_nKind == kKindDrawB ? gDrawState.m_crBackB : gDrawState.m_crBackA;
  FillAroundRect(dc, ClientRectLogical(), gDrawState.m_rcCanvas, around);
  if (m_bOffscreen) {
    const tmb::Surface& back = *m_pShownBitmap;
    dc.BitBlt(o.x, o.y, back.width(), back.height(), &m_dcBack, 0, 0, tmb::kSrcCopy);
  } else {
    // Before the window's brush state exists there is only blank paper to show.
    dc.FillSolidRect(gDrawState.m_rcCanvas, kWhite);
  }
  if (!rec) return;
  CEditRegions& regions = rec->m_regions.m_list;
  regions.m_bDrawn = 0;  // the paper was painted over the frames
  if (m_bGuidesDrawn || rec->m_param[kParamGuideMode] == 1) DrawGuides(dc);
  if (m_nMode == kModeEdit && regions.m_nDisplay) regions.ShowAll(dc);
}

void CTmbView::ClearWritingArea(tmb::DeviceContext& dc, int mode) {
  CTmbDoc* doc = GetDocument();
  if (!doc) return;
  CCharDataFull& rec = doc->m_char;
  {
    OffscreenScope offscreen(*this, dc);
    if (m_bOffscreen) {
      const tmb::Colour fill = PaletteRgb(m_bBackgroundOption ? tmb::Colour(rec.m_param[kParamBackColour]) : kWhite);
      m_pShownBitmap->Fill(fill);
    }
  }
  CEditRegions& regions = rec.m_regions.m_list;
  const uint8_t toShow = regions.m_nDisplay;
  regions.m_bDrawn = 0;
  regions.m_nDisplay = 0;
  if (mode == 2) {
    if (rec.m_param[kParamResyncBrush]) SyncBrushState();
    CCellRectTable::Clear(regions);
    m_nAutoCapture = 0;
    TabletInkOf(m_nIndex).ClearInk();
    doc->m_nLastPainted = 0;
  }
  if (mode == 0 || mode == 2) {
    PaintWritingArea(dc);
    RefreshRegistrationPanel(dc);
  }
  if (mode == 2) {
    if (m_bGuidesDrawn || rec.m_param[kParamGuideMode] == 2) DrawGuides(dc);
  } else {
    m_bGuidesDrawn = 0;
  }
  regions.m_nDisplay = toShow;
}

void CTmbView::ClearWritingArea(tmb::DeviceContext* pDC) {
  if (pDC) ClearWritingArea(*pDC, 0);
}

void CTmbView::DrawGuides(tmb::DeviceContext& dc) {
  CCharDataFull* rec = DrawnRecord();
  if (!rec || gDrawState.m_toolPanel.m_bShown) return;
  if (!rec->m_param[kParamGuideWidth] || !rec->m_param[kParamGuideHeight] || !m_pBrushState) return;
  const tmb::Pen pen = dc.SelectPen(tmb::Pen::Solid(1, PaletteRgb(kGuideGrey)));
  // The grid is laid out on the paper, which starts at the canvas origin.
  const tmb::Point origin = dc.viewportOrigin();
  dc.SetViewportOrigin({origin.x + gDrawState.m_ptCanvasOrigin.x, origin.y + gDrawState.m_ptCanvasOrigin.y});
  DcLineSink lines(dc);
  const tmb::Surface& back = m_pBrushState->m_bitmap;
  rec->DrawGuideLines(back.width(), back.height(), &lines);
  dc.SetViewportOrigin(origin);
  dc.SelectPen(pen);
  m_bGuidesDrawn = 1;
}

void CTmbView::RefreshWritingArea() {
  ClientDC dc(*this);
  PaintWritingArea(dc);
}

void CTmbView::DrawPenDotOnCharacterView(int x, int y, tmb::Colour colour) {
  tmb::Surface* back = BackBuffer();
  if (!back || back->IsNull() || !back->Bounds().Contains({x, y})) return;
  back->SetPixel(x, y, colour);
  RefreshWritingArea();
}

void CTmbView::RepaintNow() {
  ReleaseOffscreenDCs();
  ClientDC dc(*this);
  PaintCharacterView(dc);
}

void CTmbView::RepaintBackBuffer() {
  ClientDC dc(*this);
  {
    OffscreenScope offscreen(*this, dc);
    if (m_bOffscreen) gAnalysisOverlay.Draw(m_dcBack, true, true);
  }
  PaintWritingArea(dc);
}

void CTmbView::RedrawGuides() {
  ClientDC dc(*this);
  DrawGuides(dc);
}

void CTmbView::DrawDot(tmb::DeviceContext& dc, int x, int y, tmb::Colour pen, tmb::Colour brush) {
  const tmb::Pen oldPen = dc.SelectPen(tmb::Pen::Solid(1, pen));
  const tmb::Brush oldBrush = dc.SelectBrush(tmb::Brush::Solid(brush));
  dc.Ellipse(x - 2, y - 2, x + 2, y + 2);
  dc.SelectBrush(oldBrush);
  dc.SelectPen(oldPen);
}
