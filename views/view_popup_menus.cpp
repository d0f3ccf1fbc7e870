// The drawing view's right-button menus, chosen by what the view is doing, and the
// frame-part commands of the edit-mode menu on the drawn record.
#include "views/view_popup_menus.h"

#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>

#include "convert/presets/style_def_tree.h"
#include "core/canvas/work_canvas.h"
#include "core/document/tmb_doc.h"
#include "core/state/draw_state.h"
#include "platform/service/messages.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/popup_menus.h"
#include "resources/menus.h"
#include "resources/string_table.h"
#include "views/layout_dialogs.h"
#include "views/tmb_view.h"
#include "views/tmb_view_area.h"
#include "views/view_params.h"

namespace {

constexpr int kMsgStyleCaption = 62137;
// The style popup's place in the drawing-mode menu.
constexpr int kStylePopupPosition = 2;
// The style menu's place in the menu bar of a drawing window, and the length of the bar
// that holds it.
constexpr int kStyleMenuBarPosition = 1;
constexpr int kMenuBarWithStyles = 9;

StyleMenuFiller& Filler() {
  static StyleMenuFiller filler;
  return filler;
}

}  // namespace

int gRegionsExist = 0;
int gSavedPartExists = 0;
int gRegionsAndSaved = 0;

void NoteFramePartFlags(const CCharDataFull& rec) {
  gRegionsExist = rec.m_regions.m_list.m_nCount != 0 ? 1 : 0;
  gSavedPartExists = rec.m_nFrameFirst != 0 || rec.m_nFrameEnd != 0 ? 1 : 0;
  gRegionsAndSaved = gRegionsExist && gSavedPartExists ? 1 : 0;
}

void SetStyleMenuFiller(StyleMenuFiller filler) { Filler() = std::move(filler); }

void FillStyleMenu(QMenu& menu) {
  if (Filler()) Filler()(menu);
}

int CTmbView::ContextMenuOf() const {
  if (gWorkCanvas.m_bInkActive) return -1;
  const CCharDataFull* rec = DrawnRecord();
  if (gDrawState.m_toolPanel.m_bShown) return tmb::kPopupEdit;
  if (rec && rec->m_param[kParamDisplayMode] != 0) return tmb::kPopupConverted;
  return m_nMode == kModeDraw ? tmb::kPopupDrawing : tmb::kPopupEdit;
}

void CTmbView::ShowContextMenu(tmb::Point device) {
  const int popup = ContextMenuOf();
  if (popup < 0) return;
  ReleaseOffscreenDCs();
  const tmb::Point p = LogicalOf(device);
  if (popup == tmb::kPopupDrawing || popup == tmb::kPopupEdit) {
    m_ptErase = {p.x - gDrawState.m_ptCanvasOrigin.x, p.y - gDrawState.m_ptCanvasOrigin.y};
  }
  const CCharDataFull* rec = DrawnRecord();
  if (popup == tmb::kPopupEdit && !gDrawState.m_toolPanel.m_bShown && rec) NoteFramePartFlags(*rec);
  auto* main = qobject_cast<tmb::ui::MainFrame*>(window());
  if (!main) return;
  QMenu menu(this);
  menu.setObjectName(QStringLiteral("viewPopup%1").arg(popup));
  if (!main->FillPopupMenu(menu, tmb::kMenuViewPopups, popup)) return;
  if (popup == tmb::kPopupDrawing) {
    auto* styles = new QMenu(QString::fromStdString(tmb::LoadStringText(kMsgStyleCaption)), &menu);
    styles->setObjectName(QStringLiteral("stylePopup"));
    FillStyleMenu(*styles);
    const QList<QAction*> items = menu.actions();
    menu.insertMenu(items.value(kStylePopupPosition), styles);
  }
  tmb::ui::PopupMenus().Track(menu, m_pArea->viewport()->mapToGlobal(QPoint(device.x, device.y)));
}

void CTmbView::InsertStyleMenu() {
  auto* main = qobject_cast<tmb::ui::MainFrame*>(window());
  if (!main || m_bPrintPreview || gStyleDefRoot.entries().empty() || !frame()) return;
  if (main->ActiveChildFrame() != frame()) return;
  QMenuBar* bar = main->menuBar();
  // A bar that already holds the style menu (or any longer bar) stays as it is.
  const QList<QAction*> tops = bar->actions();
  if (tops.size() >= kMenuBarWithStyles) return;
  auto* styles = new QMenu(QStringLiteral("字体(&S)"), bar);
  styles->setObjectName(QStringLiteral("styleMenu"));
  FillStyleMenu(*styles);
  bar->insertMenu(tops.value(kStyleMenuBarPosition), styles);
}

void CTmbView::ShowStyleMenu() {
  ReleaseOffscreenDCs();
  QMenu menu(this);
  menu.setObjectName(QStringLiteral("stylePopup"));
  FillStyleMenu(menu);
  const tmb::Rect& c = gDrawState.m_rcCanvas;
  const tmb::Point s{m_pArea->horizontalScrollBar()->value(), m_pArea->verticalScrollBar()->value()};
  tmb::ui::PopupMenus().Track(menu, m_pArea->viewport()->mapToGlobal(QPoint(c.right - s.x, c.bottom - s.y)));
}

void CTmbView::ClearFramePart(int mode) {
  CTmbDoc* doc = GetDocument();
  if (!doc) return;
  CCharDataFull& rec = doc->m_char;
  bool done = true;
  if (mode == kFrameCut) {
    doc->SaveUndoCopy();
    ApplyLayout(gLayoutDlg, 1, 0, 0);
  } else {
    // What moves or cuts strokes can be undone.
    if (mode != kFrameKeep && mode != kFrameRange && mode != kFrameCopy) doc->SaveUndoCopy();
    done = rec.ReplaceFramePart(mode, rec.m_regions.m_list.GetCurrent(), doc->m_base[kBaseSpare]) == 1;
  }
  if (!done) tmb::Beep();
  ReleaseOffscreenDCs();
  if (mode != kFrameKeep) {
    ClientDC dc(*this);
    PrepareOffscreenDCs(dc);
    PaintCharacterView(dc);
  }
  if (done && (mode == kFrameCutForNew || mode == kFrameKeepForNew)) {
    m_nMode = kModeDraw;
    rec.m_nFramePending = mode == kFrameCutForNew ? 1 : 2;
  }
}
