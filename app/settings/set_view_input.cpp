// The settings panel's input: the scroll codes of its rows, which change the drawn record
// and rebuild the brush outline when a value settles, its focus and its keys.
#include <QKeyEvent>

#include "app/kind_lookup.h"
#include "app/main_frame.h"
#include "app/settings/set_row_values.h"
#include "app/settings/set_view.h"
#include "app/tmb_app.h"
#include "core/document/tmb_doc.h"
#include "core/state/draw_state.h"
#include "core/state/key_up.h"
#include "platform/service/wait_cursor.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/virtual_keys.h"
#include "resources/command_ids.h"
#include "views/tmb_view.h"

namespace {

constexpr int kParamRedrawOnChange = 38;  // the views are redrawn when a slider settles

}  // namespace

void CSetView::OnHScroll(int row, int code, int pos) {
  const int p = RowParam(row);
  CTmbDoc* doc = GetCharDocument();
  if (p < 0 || !doc) return;
  CCharDataFull& rec = doc->m_char;
  const int32_t before = rec.m_param[size_t(p)];
  const int32_t value = RowValueAfter(code, before, rec.m_paramMax[size_t(p)], pos, m_nScale);
  if (value < 0) return;
  rec.m_param[size_t(p)] = value;
  if (value != before) {
    rec.m_nOutlineDirty = 1;
    rec.m_bModified = 1;
  }
  RedrawNow();
  if (code != kScrollThumbTrack) ApplyValue(*doc, p, value);
}

void CSetView::ApplyValue(CTmbDoc& doc, int p, int32_t value) {
  // The last value is only worth remembering while the outline still stands on it: a
  // load, an undo, a sheet or a style may have changed the record since.
  const bool built = m_lastApplied[size_t(p)] == value && doc.m_work.m_param[size_t(p)] == value &&
                     doc.m_char.m_nOutlineDirty == 0;
  if (built) return;
  // A shown sheet of the window takes the settled value into its pages.
  if (CMainFrame* main = theApp.mainFrame()) main->LoadShapeSheetPage(-1, 1, CMainFrame::kCurrentSheet);
  CTmbView* view = CharacterView();
  if (!view) return;
  {
    tmb::WaitCursor wait;
    view->RebuildOutline();
    m_lastApplied[size_t(p)] = value;
    if (doc.m_char.m_param[kParamRedrawOnChange]) view->RepaintNow();
  }
}

void CSetView::focusInEvent(QFocusEvent* event) {
  tmb::ui::View::focusInEvent(event);
  for (int kind : gDrawState.m_charWindowKinds) {
    if (GetDocumentOfKind(kind) == document()) {
      gDrawState.m_nCurDrawKind = kind;
      break;
    }
  }
}

void CSetView::keyReleaseEvent(QKeyEvent* event) {
  tmb::ui::View::keyReleaseEvent(event);
  if (event->isAutoRepeat()) return;
  RecordKeyUp(tmb::ui::VirtualKeyOf(event->key()), 1, 0);
  if (auto* main = qobject_cast<tmb::ui::MainFrame*>(window())) main->ExecuteCommand(tmb::kCmdReplayKey);
}
