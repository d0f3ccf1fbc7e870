#include "core/state/draw_state.h"

#include <algorithm>

#include "core/canvas/work_canvas.h"
#include "core/path/path_sequence.h"
#include "platform/service/messages.h"

namespace {

constexpr int kMsgNoWorkBitmap = 62136;

}  // namespace

CDrawState gDrawState;
int gPrintSourceKind = -1;

CDrawState::CDrawState() {
  m_windowOpen.fill(-1);
  m_bChangeMouseSpeedDefault = m_nWinVersion < kPointerSpeedVersion ? 1 : 0;
}

void CDrawState::Reset() { *this = CDrawState(); }

void CDrawState::SetRegistrationFlags(int on) {
  m_toolPanel.m_bShown = on ? 1 : 0;
  m_toolPanel.m_bFocusEdit = on ? 1 : 0;
}

int CDrawState::MeasureScreen(const ScreenMetrics& metrics) {
  m_sizeScreen = metrics.screen;
  m_nRowHeight = metrics.textHeight + metrics.externalLeading;
  m_nAveCharWidth = metrics.aveCharWidth;
  // Small screen fonts give rows too tight for the panel's controls.
  if (metrics.ascent < 16) m_nRowHeight = m_nRowHeight * 10 / 7;
  m_rcCanvas = {m_ptCanvasOrigin.x, m_ptCanvasOrigin.y, m_ptCanvasOrigin.x + m_sizeCanvas.cx,
                m_ptCanvasOrigin.y + m_sizeCanvas.cy};
  m_szWindowsFolder = "c:\\windows";
  m_folderCopies.fill(m_szCurFolderCrt);
  return 1;
}

void CDrawState::LayoutWindows(const tmb::Rect& client, const ScreenMetrics& metrics) {
  const int w = client.Width();
  const int h = client.Height();
  const int g = metrics.captionButtonHeight;
  const int s = metrics.scrollBarWidth;
  const int row = m_nRowHeight;
  const int cw = m_sizeCanvas.cx;
  const int ch = m_sizeCanvas.cy;
  const int oy = m_ptCanvasOrigin.y;

  const int drawH = std::min(h - 2 * g, ch + 2 * row + 2 * oy);
  m_nPanelWidth = 14 * row / 2;
  const int panelW = m_nPanelWidth + row / 2;
  const int drawW = std::min(cw + 4 * row, w - 4 * row);
  const int rowH = std::max(drawH, 23 * row);
  const int totalW = drawW + panelW + s;
  const int x0 = (w - totalW) / 2;

  m_layout[kLayoutDrawPane] = {0, 0, drawW, rowH};
  m_layout[kLayoutPanelPane] = {0, 0, panelW, rowH};
  m_layout[kLayoutTreePane] = {0, 0, 0, rowH};
  m_layout[kLayoutFrameA] = {x0, 2 * g, x0 + totalW, rowH + 2 * g};
  m_layout[kLayoutFrameB] = m_layout[kLayoutFrameA];
  m_layout[kLayoutFrameB].Offset(g, g);
  m_layout[kLayoutPicturePane] = {0, 0, drawW, drawH};
  m_layout[kLayoutZoomPane] = {0, 0, drawW / 3, drawH};
  const int x1 = (w - (drawW + drawW / 3)) / 2;
  m_layout[kLayoutEditorFrame] = {x1, g, x1 + drawW + drawW / 3 + s, drawH + g};
  m_layout[kLayoutPreviewFrame] = {0, 0, drawW + g / 2, drawH};
  m_layout[kLayoutListFrame] = {0, 0, 500, 500};
}

int CDrawState::StartCanvas(const ScreenMetrics& metrics) {
  m_nMaxDataSize = std::clamp(m_nMaxDataSize, kMinMaxDataSize, kMaxMaxDataSize);
  m_nMaxPoints = std::clamp(kPointsPerDataSize * m_nMaxDataSize, kMinPoints, kMaxPointsLimit);
  // A canvas without area cannot get its work bitmaps.
  if (m_sizeCanvas.cx <= 0 || m_sizeCanvas.cy <= 0) {
    tmb::ShowMessage(kMsgNoWorkBitmap, tmb::kMsgOk, {"6"});
    return -1;
  }
  // The paper's work bitmaps are made afresh at its size; the drawing needs them.
  gWorkCanvas.DeleteBitmaps();
  gWorkCanvas.Init(m_sizeCanvas.cx, m_sizeCanvas.cy, m_szUserFolder, m_nMaxPoints, m_ptCanvasOrigin.x,
                   m_ptCanvasOrigin.y);
  tmb::DeviceContext screen;
  if (gWorkCanvas.CreateBitmaps(&screen) != 1) return -1;
  gPathSequence.Init(1);
  MeasureScreen(metrics);
  m_bmpWork.Destroy();
  m_bmpWork.SetSizeToCreate(m_sizeCanvas.cx, m_sizeCanvas.cy);
  if (m_bmpWork.Create(&screen, 1) < 0) {
    tmb::ShowMessage(kMsgNoWorkBitmap, tmb::kMsgOk, {"6"});  // after the canvas's own stages 1 to 5
    return -1;
  }
  return 1;
}

int CDrawState::ResolveKind(int kind) const {
  if (kind != kKindCurrentDraw) return kind;
  return m_nCurDrawKind != 0 ? kKindDrawB : kKindDrawA;
}

void CDrawState::ApplyBackScheme(int row) {
  const auto& scheme = kBackSchemes[row == 1 ? 1 : 0];
  m_crBackA = scheme[0];
  m_crBackB = scheme[1];
  m_crBackPreview = scheme[2];
  m_crBackEdit = scheme[3];
}
