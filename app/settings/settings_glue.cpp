#include "app/settings/settings_glue.h"

#include "app/dialogs/area_dialogs.h"
#include "app/dialogs/pen_dialogs.h"
#include "app/frame_command_helpers.h"
#include "app/tmb_app.h"
#include "core/record/char_data_full.h"
#include "core/state/draw_state.h"
#include "core/state/mouse_speed.h"
#include "imageedit/view/bmp_view_window.h"
#include "views/tmb_view.h"

namespace {

constexpr int kStoreLoaderParam = 334;
// The guide frame: cell width and height, the right and top margins, the display mode.
constexpr int kGuideWidth = 32;
constexpr int kGuideHeight = 33;
constexpr int kGuideRight = 34;
constexpr int kGuideTop = 35;
constexpr int kGuideDisplay = 36;

bool Accepted(tmb::ui::ModalDialog& dlg) { return tmb::ui::IsAccepted(dlg.DoModal(theApp.mainWindow())); }

}  // namespace

int RunPenSettings() {
  CBrushSetDlg& dlg = gBrushSetDlg;
  dlg.m_nSpeed = gDrawState.m_nPenSpeed;
  dlg.m_nDelay = static_cast<unsigned>(gDrawState.m_nPenDelay);
  dlg.m_nRestrain = gDrawState.m_nPenRestrain;
  dlg.m_bChangeSpeed = gDrawState.m_bChangeMouseSpeed;
  dlg.m_bPlainTabletLine = gDrawState.m_nPenSwitch;
  if (!Accepted(dlg)) return 0;
  gDrawState.m_nPenSpeed = dlg.m_nSpeed;
  gDrawState.m_nPenDelay = static_cast<int>(dlg.m_nDelay);
  gDrawState.m_nPenRestrain = dlg.m_nRestrain;
  gDrawState.m_bChangeMouseSpeed = dlg.m_bChangeSpeed;
  gDrawState.m_nPenSwitch = dlg.m_bPlainTabletLine;
  // The pointer stays the user's own unless the view may change it.
  if (gDrawState.m_bChangeMouseSpeed) SetMouseSpeedLevel(gDrawState.m_nPenSpeed);
  // The speed each view last set for its mode is stale: the next move sets it again.
  gDrawState.m_nMouseSpeedMode = -1;
  for (int kind : {kKindDrawA, kKindDrawB}) {
    if (CTmbView* view = CTmbView::ViewOfKind(kind)) view->ClearPendingStroke();
  }
  return 1;
}

int RunGuideFrameDialog(CCharDataFull& record) {
  CGuideLineDlg& dlg = gGuideLineDlg;
  ParamBlock& p = record.m_param;
  dlg.m_nWidth = static_cast<unsigned>(p[kGuideWidth]);
  dlg.m_nHeight = static_cast<unsigned>(p[kGuideHeight]);
  dlg.m_nRight = static_cast<unsigned>(p[kGuideRight]);
  dlg.m_nTop = static_cast<unsigned>(p[kGuideTop]);
  dlg.m_nDisplay = p[kGuideDisplay];
  if (!Accepted(dlg)) return 0;
  p[kGuideWidth] = static_cast<int32_t>(dlg.m_nWidth);
  p[kGuideHeight] = static_cast<int32_t>(dlg.m_nHeight);
  p[kGuideRight] = static_cast<int32_t>(dlg.m_nRight);
  p[kGuideTop] = static_cast<int32_t>(dlg.m_nTop);
  p[kGuideDisplay] = dlg.m_nDisplay;
  return dlg.m_bOption ? 2 : 1;
}

int RunGuideFrameCommand() {
  CTmbView* view = CommandView();
  CTmbDocument* doc = view ? GetCharDocumentOfKind(kKindCurrentDraw) : nullptr;
  if (!doc) return 0;
  const int result = RunGuideFrameDialog(*doc->DrawnRecord());
  if (result == 0) return 0;
  view->RefreshWritingArea();
  view->RedrawGuides();
  // The dialog's option takes the image editor's picture in again, when it is open.
  if (result == 2) {
    if (CBmpViewWindow* editor = CBmpViewWindow::Instance()) editor->editor().CaptureWindowImage(0, 0, kKindImageEditor);
  }
  return result;
}

int EditSaveRange() {
  CSaveRangeDlg& dlg = gSaveRangeDlg;
  dlg.m_nRange = gDrawState.m_nSaveRange;
  if (!Accepted(dlg)) return 0;
  gDrawState.m_nSaveRange = dlg.m_nRange;
  return 1;
}

bool IsAutoRegistrationOn() { return gDrawState.m_toolPanel.m_bShown != 0; }

int RunAutoRegistrationCommand() {
  CTmbView* view = CommandView();
  CTmbDocument* doc = view ? GetCharDocumentOfKind(kKindCurrentDraw) : nullptr;
  if (!doc) return 0;
  return RunAutoRegistration(*doc->DrawnRecord(), [view] { view->RepaintNow(); });
}

int RunAutoRegistration(CCharDataFull& record, const std::function<void()>& repaintNow) {
  if (!IsAutoRegistrationOn()) return 0;
  record.m_param[kStoreLoaderParam] = 1;
  record.m_nOutlineDirty = 1;
  if (repaintNow) repaintNow();
  record.m_param[kStoreLoaderParam] = 0;
  return 1;
}
