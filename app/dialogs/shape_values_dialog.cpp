#include "app/dialogs/shape_values_dialog.h"

#include "app/dialogs/pen_dialogs.h"
#include "core/state/draw_state.h"
#include "app/main_frame.h"
#include "app/tmb_app.h"
#include "core/state/mouse_messages.h"
#include "platform/ui/view.h"
#include "views/tmb_view.h"

bool EditShapeValues(CTmbView& view) {
  CDlg147 dialog;
  dialog.m_nFirst = view.m_renderWords[0];
  dialog.m_nSecond = view.m_renderWords[1];
  if (!tmb::ui::IsAccepted(dialog.DoModal(theApp.mainWindow()))) return false;
  FlushMouseMessages();
  view.m_renderWords = {dialog.m_nFirst, dialog.m_nSecond};
  view.RebuildOutline();
  if (CMainFrame* frame = theApp.mainFrame()) {
    if (tmb::ui::View* panel = frame->FindViewOfKind(kKindSettings)) panel->RedrawNow();
  }
  view.RedrawInSteps(0);
  return true;
}
