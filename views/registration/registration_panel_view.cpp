// The registration panel on drawing window A's paper: showing and hiding it, its layout
// with the text box, its painting (buttons, list boxes, prompt, picture box) and the mouse
// over its buttons and boxes.
#include <QScrollBar>
#include <algorithm>

#include "core/canvas/work_canvas.h"
#include "core/document/tmb_doc.h"
#include "core/state/draw_state.h"
#include "platform/gdi/font.h"
#include "platform/text/code_page.h"
#include "platform/ui/font_chooser_dialog.h"
#include "views/registration/key_edit.h"
#include "views/tmb_view.h"
#include "views/tmb_view_area.h"

namespace {

constexpr tmb::Colour kWhite = 0xFFFFFF;
constexpr tmb::Colour kLight = 0xC0C0C0;
constexpr tmb::Colour kDark = 0x404040;
constexpr tmb::Colour kButtonFace = 0xC0C0C0;
constexpr tmb::Colour kButtonShadow = 0x606060;
constexpr tmb::Colour kCurrentBox = 0xFF0000;
constexpr tmb::Colour kDoneBox = 0x0000FF;
constexpr tmb::Colour kOpenBox = 0x80FFFF;
constexpr tmb::Colour kHoverBox = 0x008080;
constexpr tmb::Colour kButtonHighlightLarge = 0xE0E0E0;
constexpr char kPanelFace[] = "ＭＳ ゴシック";
constexpr int kShiftJisCharSet = 128;
// Text taller than this is large: buttons take a bold face and a softer highlight.
constexpr int kLargeTextAscent = 15;
constexpr const char* kButtonLabels[] = {"確定･保存", "次へ", "ﾃｷｽﾄ読込", "ｵﾌﾟｼｮﾝ"};
enum MouseEvent { kMousePress = 0, kMouseMove = 1, kMouseRelease = 2 };

CRegistrationPanel& Panel() { return gDrawState.m_toolPanel; }

// r moved from paper to logical coordinates.
tmb::Rect OnWindow(tmb::Rect r) {
  r.Offset(gDrawState.m_ptCanvasOrigin.x, gDrawState.m_ptCanvasOrigin.y);
  return r;
}

void Frame3d(tmb::DeviceContext& dc, const tmb::Rect& r, tmb::Colour light, tmb::Colour dark) {
  dc.FillSolidRect({r.left, r.top, r.right, r.top + 1}, light);
  dc.FillSolidRect({r.left, r.top, r.left + 1, r.bottom}, light);
  dc.FillSolidRect({r.left, r.bottom - 1, r.right, r.bottom}, dark);
  dc.FillSolidRect({r.right - 1, r.top, r.right, r.bottom}, dark);
}

void TextIn(tmb::DeviceContext& dc, const tmb::Rect& r, const std::string& utf8, const tmb::Font& font, bool centred) {
  const tmb::Font old = dc.SelectFont(font);
  const std::u16string text = tmb::Utf8ToUtf16(utf8).value_or(u"");
  const tmb::Size extent = dc.GetTextExtent(text);
  const int x = centred ? r.left + (r.Width() - extent.cx) / 2 : r.left + 2;
  dc.TextOut(x, r.top + (r.Height() - extent.cy) / 2, text);
  dc.SelectFont(old);
}

tmb::Font PanelFont(int height, int weight) {
  tmb::Font font;
  font.height = -height;
  font.weight = weight;
  font.faceName = kPanelFace;
  font.charSet = kShiftJisCharSet;
  return font;
}

}  // namespace

void CTmbView::ShowRegistrationPanel(int state) {
  ReleaseOffscreenDCs();
  CRegistrationPanel& panel = Panel();
  if (!panel.m_bShown) {
    m_nMode = kModeDraw;
    SetMouseSpeedForMode(1);
    panel.m_bFocusEdit = 0;
    if (m_edit) m_edit->hide();
    // The characters written in the mode were saved or cleared: the window takes back the
    // one it held before, and the last one written stays one undo away (with nothing
    // written since the last clear, the undo copy already holds it).
    CTmbDoc* doc = GetDocument();
    if (m_pPanelKept && doc) {
      if (doc->m_char.m_nPoints > 0) doc->SaveUndoCopy();
      doc->m_char.CopyFrom(*m_pPanelKept);
      doc->m_char.m_nOutlineDirty = 1;
    }
    m_pPanelKept.reset();
    // The window shows its whole character again.
    if (m_bInitialised) {
      ClientDC dc(*this);
      PaintCharacterView(dc);
    }
    Invalidate();
    return;
  }
  if (state == 1) {
    if (CTmbDoc* doc = GetDocument()) {
      doc->SaveUndoCopy();
      if (!m_pPanelKept) m_pPanelKept = std::make_unique<CCharData>();
      m_pPanelKept->CopyFrom(doc->m_char);
    }
  }
  gDrawState.SetRegistrationFlags(1);
  panel.Layout(gWorkCanvas.m_width, gDrawState.m_sizeCharImage, gDrawState.m_nRowHeight);
  panel.m_fontList.height = -(panel.m_nCellHeight * 3 / 4);
  for (int i = 0; i < 4; ++i) {
    m_buttons[size_t(i)].m_rect = panel.m_rcButtons[size_t(i)];
    m_buttons[size_t(i)].m_bEnabled = 1;
  }
  if (m_edit) {
    if (panel.m_bWide) {
      m_edit->hide();
    } else {
      // The list's place, kept inside the panel's frame, which it would cover as wide.
      const tmb::Rect p = OnWindow(panel.m_rcPanel);
      const tmb::Rect l = OnWindow(panel.m_rcList);
      const tmb::Rect r{std::max(l.left, p.left + 1), std::max(l.top, p.top + 1), std::min(l.right, p.right - 1),
                        std::min(l.bottom, p.bottom - 1)};
      m_edit->setGeometry(r.left - m_pArea->horizontalScrollBar()->value(),
                          r.top - m_pArea->verticalScrollBar()->value(), r.Width(), r.Height());
      m_edit->setFont(tmb::ui::ToQFont(panel.m_fontPanel));
      m_edit->show();
    }
  }
  // Entered from the edit mode, the picture box takes the image editor's selection, shown
  // or not.
  if (state == 1 && m_nMode == kModeEdit) TakeEditorSelection(kIntoPictureBox);
  if (state == 1) {
    panel.m_nCurrent = -1;
    ClearPanelWritingBox();
  }
  Invalidate();
}

void CTmbView::ClearPanelWritingBox() {
  CTmbDoc* doc = GetDocument();
  if (!doc) return;
  // The writing box starts clear, so that a confirm saves only what is written into it;
  // the character put aside is not changed by that, so its modified flag stays.
  const int32_t modified = doc->m_char.m_bModified;
  if (m_bInitialised) {
    ClearAll();
  } else {
    // Before the first paint nothing is drawn yet: the paint finds the record empty.
    doc->m_char.ClearPoints();
  }
  doc->m_char.m_bModified = modified;
}

void CTmbView::CreatePanelFonts(tmb::DeviceContext& dc) {
  CRegistrationPanel& panel = Panel();
  if (panel.m_bFontsMade) return;
  tmb::TextMetrics metrics;
  panel.m_bLargeText = dc.GetTextMetrics(metrics) && metrics.ascent > kLargeTextAscent ? 1 : 0;
  const int row = std::max(gDrawState.m_nRowHeight, panel.m_nTextHeight);
  panel.m_fontPanel = PanelFont(row * 6 / 10, 400);
  panel.m_fontButton = PanelFont(row * 7 / 10, panel.m_bLargeText ? 700 : 400);
  panel.m_fontList = PanelFont(panel.m_nCellHeight * 3 / 4, 400);
  panel.m_bFontsMade = 1;
}

void CTmbView::DrawRegistrationPanel(tmb::DeviceContext& dc) {
  CRegistrationPanel& panel = Panel();
  if (!panel.m_bShown || m_nKind != kKindDrawA) return;
  if (!panel.m_bFontsMade) CreatePanelFonts(dc);
  const tmb::Rect whole = OnWindow(panel.m_rcPanel);
  {
    // The panel lies on the paper as the back buffer holds it.
    OffscreenScope offscreen(*this, dc);
    const tmb::Rect& r = panel.m_rcPanel;
    if (m_bOffscreen) {
      dc.BitBlt(whole.left, whole.top, r.Width(), r.Height(), &m_dcBack, r.left, r.top, tmb::kSrcCopy);
    } else {
      dc.FillSolidRect(whole, kWhite);
    }
  }
  Frame3d(dc, whole, kLight, kDark);
  // The writing box sunk into the page, its frame just outside what a confirm saves.
  const tmb::Rect writing = OnWindow(panel.m_rcWriting);
  Frame3d(dc, {writing.left - 1, writing.top - 1, writing.right + 1, writing.bottom + 1}, kDark, kLight);
  for (int i = 0; i < 4; ++i) {
    const tmb::Rect b = OnWindow(panel.m_rcButtons[size_t(i)]);
    dc.FillSolidRect(b, kButtonFace);
    const bool pressed = panel.m_nPressed == i;
    const tmb::Colour highlight = panel.m_bLargeText ? kButtonHighlightLarge : kWhite;
    Frame3d(dc, b, pressed ? kButtonShadow : highlight, pressed ? highlight : kButtonShadow);
    TextIn(dc, b, kButtonLabels[i], panel.m_fontButton, true);
  }
  if (panel.m_bWide) {
    for (int i = 0; i < int(panel.m_entries.size()); ++i) {
      const CRegistrationEntry& e = panel.m_entries[size_t(i)];
      const tmb::Colour fill = i == panel.m_nCurrent ? kCurrentBox
                               : i == panel.m_nHover ? kHoverBox
                               : e.done              ? kDoneBox
                                                     : kOpenBox;
      const tmb::Rect box = OnWindow(panel.BoxOf(i));
      dc.FillSolidRect(box, fill);
      Frame3d(dc, box, kLight, kDark);
      TextIn(dc, OnWindow(panel.BoxTextOf(i)), e.text, panel.m_fontList, true);
    }
  }
  const tmb::Rect prompt = OnWindow(panel.m_rcPrompt);
  dc.FillSolidRect(prompt, kWhite);
  TextIn(dc, prompt, panel.Prompt(), panel.m_fontPanel, false);
  if (panel.m_bPictureBox) PaintRegistrationPanel(dc);
}

void CTmbView::PaintRegistrationPanel(tmb::DeviceContext& dc) {
  const CRegistrationPanel& panel = Panel();
  if (!panel.m_bPictureBox || panel.m_rcPicture.IsEmpty()) return;
  const tmb::Rect box = OnWindow(panel.m_rcPicture);
  dc.FillSolidRect(box, kWhite);
  if (panel.m_bPictureFilled && !m_panelPicture.IsNull()) {
    tmb::DeviceContext picture(&m_panelPicture);
    dc.StretchBlt(box.left, box.top, box.Width(), box.Height(), &picture, 0, 0, m_panelPicture.width(),
                  m_panelPicture.height(), tmb::kSrcCopy);
  }
  Frame3d(dc, box, kDark, kLight);
}

void CTmbView::PanelListMouse(tmb::DeviceContext& dc, int x, int y, int event) {
  CRegistrationPanel& panel = Panel();
  const int box = panel.EntryAt(x, y);
  if (event == kMouseRelease && box >= 0) {
    panel.m_nCurrent = box;
    panel.m_bAllDone = 0;
  }
  panel.m_nHover = event == kMouseMove ? box : -1;
  DrawRegistrationPanel(dc);
}

void CTmbView::RefreshRegistrationPanel(tmb::DeviceContext& dc) {
  if (Panel().m_bShown && m_nKind == kKindDrawA) PaintRegistrationPanel(dc);
}

void CTmbView::RefreshPanelText() {
  ClientDC dc(*this);
  DrawRegistrationPanel(dc);
}

int CTmbView::RouteRegistrationMouse(tmb::DeviceContext& dc, int x, int y, int event) {
  CRegistrationPanel& panel = Panel();
  if (!panel.m_bShown) return 0;
  const bool in = panel.m_rcWriting.Contains({x, y});
  // A stroke that leaves the writing box goes on.
  if (m_bStrokeActive && !in && m_nMode == kModeDraw) return 0;
  m_nMode = in ? kModeDraw : kModeEdit;
  SetMouseSpeedForMode(1);
  if (m_nMode == kModeDraw) return 0;
  if (event != kMouseMove) {
    for (int i = 0; i < 4; ++i) {
      const CViewInputRecord& b = m_buttons[size_t(i)];
      if (!b.m_rect.Contains({x, y}) || !b.m_bEnabled) continue;
      if (event == kMousePress) {
        panel.m_nPressed = i;
        DrawRegistrationPanel(dc);
        return 1;
      }
      const bool wasPressed = panel.m_nPressed == i;
      panel.m_nPressed = -1;
      DrawRegistrationPanel(dc);
      if (!wasPressed) return 1;
      switch (i) {
        case 0: ConfirmAndSave(dc); break;
        case 1: NextCharacter(dc); break;
        case 2: ReadCharacterText(dc); break;
        default: PanelOptions(); break;
      }
      return 1;
    }
    if (event == kMouseRelease && panel.m_nPressed >= 0) {
      panel.m_nPressed = -1;
      DrawRegistrationPanel(dc);
    }
  }
  if (event != kMousePress && panel.m_bWide) PanelListMouse(dc, x, y, event);
  return 1;
}
