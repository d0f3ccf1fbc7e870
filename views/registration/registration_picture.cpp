// Pictures of the registration panel: the image editor's selection taken into the picture
// box or the writing box, and the listing of the pictures a folder holds.
#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/state/draw_state.h"
#include "imageedit/editor/bmp_view.h"
#include "imageedit/editor/shown_editor.h"
#include "platform/service/file_chooser.h"
#include "platform/service/messages.h"
#include "platform/text/code_page.h"
#include "views/tmb_view.h"

namespace {

constexpr int kListingLineHeight = 25;
constexpr tmb::Colour kWhite = 0xFFFFFF;

CRegistrationPanel& Panel() { return gDrawState.m_toolPanel; }

// The image editor's picture and the square at the top left of its shown selection (the
// smaller side of the selection); false while the editor shows none.
bool EditorSelectionSquare(const tmb::Surface*& picture, tmb::Rect& square) {
  const CBmpView* shown = ShownImageEditor();
  if (!shown) return false;
  const CBmpView& editor = *shown;
  tmb::Rect r = editor.m_region;
  r.Normalize();
  r = tmb::Rect::Intersection(r, editor.m_bmpWork.Bounds());
  if (editor.m_nFrameState != 1 || editor.m_bmpWork.IsNull() || r.IsEmpty()) return false;
  const int side = std::min(r.Width(), r.Height());
  picture = &editor.m_bmpWork;
  square = {r.left, r.top, r.left + side, r.top + side};
  return true;
}

// from's part source stretched over part of to, smoothly.
void StretchPart(tmb::Surface& to, const tmb::Rect& part, const tmb::Surface& from, const tmb::Rect& source) {
  tmb::DeviceContext src(const_cast<tmb::Surface*>(&from));
  tmb::DeviceContext dst(&to);
  dst.SetStretchMode(tmb::kHalftone);
  dst.StretchBlt(part.left, part.top, part.Width(), part.Height(), &src, source.left, source.top, source.Width(),
                 source.Height(), tmb::kSrcCopy);
}

}  // namespace

bool CTmbView::TakeEditorSelection(int target) {
  const tmb::Surface* picture = nullptr;
  tmb::Rect square;
  if (!EditorSelectionSquare(picture, square)) return false;
  CRegistrationPanel& panel = Panel();
  if (target == kIntoPictureBox) {
    const tmb::Size box = panel.m_sizePicture;
    if (!m_panelPicture.Create(std::max(box.cx, 1), std::max(box.cy, 1), tmb::PixelFormat::kColour32)) return false;
    StretchPart(m_panelPicture, m_panelPicture.Bounds(), *picture, square);
    panel.m_bPictureFilled = 1;
    return true;
  }
  tmb::Surface* back = ShownBitmap();
  if (!back || back->IsNull()) return false;
  StretchPart(*back, panel.m_rcWriting, *picture, square);
  return true;
}

void CTmbView::StretchPanelPictureIntoWritingBox() {
  tmb::Surface* back = ShownBitmap();
  if (!back || back->IsNull() || m_panelPicture.IsNull()) return;
  StretchPart(*back, Panel().m_rcWriting, m_panelPicture, m_panelPicture.Bounds());
}

void CTmbView::CopySelectionToPanel(tmb::DeviceContext& dc) {
  if (!TakeEditorSelection(kIntoWritingBox)) {
    tmb::Beep();
    return;
  }
  PaintWritingArea(dc);
}

int CTmbView::ShowPictureListing() {
  std::string folder;
  const std::string start = Panel().m_szFolder.empty() ? gDrawState.m_szUserFolder : Panel().m_szFolder;
  if (!tmb::Choosers().ChooseFolder(start, folder)) return 0;
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  std::vector<CRegisteredPicture> table;
  const int count = ListRegisteredPictures(folder, table);
  ClientDC client(*this);
  tmb::DeviceContext& dc = client.dc();
  const tmb::Point o = gDrawState.m_ptCanvasOrigin;
  dc.FillSolidRect(gDrawState.m_rcCanvas, kWhite);
  int y = o.y;
  for (const CRegisteredPicture& p : table) {
    char code[16];
    std::snprintf(code, sizeof code, "%4x", unsigned(p.code));
    std::string line = p.text;
    // The character in a column two wide, as "%2s" gives it for a single byte.
    if (line.size() < 2) line.insert(line.begin(), 2 - line.size(), ' ');
    line += std::string("  ") + code + "  " + p.path;
    dc.TextOut(o.x, y, tmb::Utf8ToUtf16(line).value_or(u""));
    y += kListingLineHeight;
  }
  return count;
}
