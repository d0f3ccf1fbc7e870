// What a paint of the drawing view settles before it draws: the first written character
// copied into the image editor, the picture the back buffer is (the window's own, the
// preview's or the first character window's), and a brush set rendered again when the
// brush it was made from changed.
#include <algorithm>
#include <iterator>
#include <tuple>

#include "brush/render/brush_state.h"
#include "core/canvas/work_canvas.h"
#include "core/document/tmb_doc.h"
#include "core/record/char_data_full.h"
#include "core/state/draw_state.h"
#include "imageedit/editor/bmp_view.h"
#include "imageedit/editor/shown_editor.h"
#include "resources/command_ids.h"
#include "views/pre_view.h"
#include "views/tmb_view.h"
#include "views/view_params.h"

namespace {

// The capture waits for a character of more than this many points.
constexpr int kCapturePoints = 5;
// The parameters whose change asks for the brush set to be rendered again: the brush
// kind, the style, the scatter, the brush size, the line-mode mask and parameter 181, as
// the change detection of a record names them.
constexpr int kBrushSetParams[] = {10, 37, 40, 41, 176, 181};
// With the preview as its picture the view draws on a blank copy of the canvas.
constexpr int kParamPreviewBlank = 76;

}  // namespace

void CTmbView::CaptureFirstCharacter(const CCharDataFull& rec) {
  if (m_nAutoCapture >= 1 || rec.m_nPoints <= kCapturePoints || !m_bCaptureOption) return;
  const int state = m_nAutoCapture;
  gPendingCaptureKind = m_nKind;
  if (state == -1) SendFrameCommand(tmb::kCmdShowEditor);
  if (CBmpView* editor = ShownImageEditor()) editor->CaptureNow();
  if (state == -1) SendFrameCommand(m_nKind == kKindDrawB ? tmb::kCmdShowB : tmb::kCmdShowA);
  // A capture no editor took is not left for a later one to find.
  gPendingCaptureKind = -1;
  m_nAutoCapture = 1;
}

tmb::Surface* CTmbView::ShownBitmap() {
  if (!m_pBrushState) return nullptr;
  if (!m_bPreviewSource) return &m_pBrushState->m_bitmap;
  if (m_nPreviewSelector == 0) {
    CTmbView* first = gDrawState.m_nCharWindows > 0 ? ViewOfKind(gDrawState.m_charWindowKinds[0]) : nullptr;
    return first && first->m_pBrushState ? &first->m_pBrushState->m_bitmap : &m_pBrushState->m_bitmap;
  }
  if (!m_previewBlank.IsNull()) return &m_previewBlank;
  CPre_View* preview = CPre_View::Instance();
  return preview && !preview->m_bmpPreview.IsNull() ? &preview->m_bmpPreview : &m_pBrushState->m_bitmap;
}

void CTmbView::TakeShownPicture(const CCharDataFull& rec) {
  m_previewBlank.Destroy();
  if (!m_bPreviewSource || m_nPreviewSelector != 1 || !rec.m_param[kParamPreviewBlank]) return;
  // The preview's own picture stays as it is: the character is drawn on a blank page.
  ReleaseOffscreenDCs();
  if (m_previewBlank.Create(gWorkCanvas.m_width, gWorkCanvas.m_height, tmb::PixelFormat::kColour32)) {
    m_previewBlank.Fill(tmb::Colour(rec.m_param[kParamBackColour]));
  }
}

void CTmbView::RenderBrushSetIfChanged(tmb::DeviceContext& dc) {
  CCharDataFull* rec = DrawnRecord();
  if (!rec || !m_pBrushState || !m_pBrushState->m_bCreated) return;
  static_assert(std::size(kBrushSetParams) == std::tuple_size_v<decltype(m_brushSetSource)>);
  bool changed = rec->m_flags[kFlagRedrawA] != 0 || rec->m_flags[kFlagRedrawB] != 0;
  for (size_t k = 0; k < m_brushSetSource.size(); ++k) {
    changed = changed || rec->m_param[size_t(kBrushSetParams[k])] != m_brushSetSource[k];
  }
  if (!changed) return;
  rec->m_brushValues[kBrushRenderRequest] = 1;
  RenderBrushSetNow(dc);
  rec->m_flags[kFlagRedrawA] = rec->m_flags[kFlagRedrawB] = 0;
}

void CTmbView::NoteBrushSetSource() {
  if (const CCharDataFull* rec = DrawnRecord()) {
    for (size_t k = 0; k < m_brushSetSource.size(); ++k) m_brushSetSource[k] = rec->m_param[size_t(kBrushSetParams[k])];
  }
}
