#include "app/settings_glue.h"

#include <algorithm>
#include <array>

#include "app/dialogs/area_dialogs.h"
#include "app/dialogs/pen_dialogs.h"
#include "core/document/tmb_doc.h"
#include "core/record/char_data_full.h"
#include "core/state/draw_state.h"
#include "platform/service/machine.h"
#include "views/tmb_view.h"

namespace {

// The guide frame: width, height, right margin, top margin and display mode.
constexpr std::array<int, 5> kGuideParams = {32, 33, 34, 35, 36};
constexpr int kRegistrationParam = 334;

}  // namespace

void RunPenSettings() {
  CBrushSetDlg dlg;
  dlg.m_nSpeed = gDrawState.m_nPenSpeed;
  dlg.m_nDelay = unsigned(std::max(0, gDrawState.m_nPenDelay));
  dlg.m_nRestrain = gDrawState.m_nPenRestrain;
  dlg.m_bChangeSpeed = gDrawState.m_bChangeMouseSpeed;
  dlg.m_bPlainTabletLine = gDrawState.m_nPenSwitch;
  if (!tmb::ui::IsAccepted(dlg.DoModal())) return;
  gDrawState.m_nPenSpeed = dlg.m_nSpeed;
  gDrawState.m_nPenDelay = int(dlg.m_nDelay);
  gDrawState.m_nPenRestrain = dlg.m_nRestrain;
  gDrawState.m_bChangeMouseSpeed = dlg.m_bChangeSpeed;
  gDrawState.m_nPenSwitch = dlg.m_bPlainTabletLine;
  tmb::Machine().SetMouseSpeedLevel(gDrawState.m_nPenSpeed);
}

int RunGuideFrameDialog(CCharDataFull& rec) {
  CGuideLineDlg& dlg = gGuideLineDlg;
  auto param = [&rec](size_t i) { return rec.m_param[size_t(kGuideParams[i])]; };
  dlg.m_nWidth = unsigned(std::max(0, param(0)));
  dlg.m_nHeight = unsigned(std::max(0, param(1)));
  dlg.m_nRight = unsigned(std::max(0, param(2)));
  dlg.m_nTop = unsigned(std::max(0, param(3)));
  dlg.m_nDisplay = param(4);
  if (!tmb::ui::IsAccepted(dlg.DoModal())) return 0;
  const std::array<int32_t, 5> values = {int32_t(dlg.m_nWidth), int32_t(dlg.m_nHeight), int32_t(dlg.m_nRight),
                                         int32_t(dlg.m_nTop), dlg.m_nDisplay};
  for (size_t i = 0; i < kGuideParams.size(); ++i) rec.m_param[size_t(kGuideParams[i])] = values[i];
  return dlg.m_bOption ? 2 : 1;
}

void RunGuideFrameCommand(CTmbView& view) {
  CTmbDoc* doc = view.GetDocument();
  if (!doc || RunGuideFrameDialog(doc->m_char) == 0) return;
  // The capture of the option into the image editor comes with the image view.
  view.RefreshWritingArea();
  view.RedrawGuides();
}

void EditSaveRange() {
  CSaveRangeDlg& dlg = gSaveRangeDlg;
  dlg.m_nRange = gDrawState.m_nSaveRange;
  if (tmb::ui::IsAccepted(dlg.DoModal())) gDrawState.m_nSaveRange = dlg.m_nRange;
}

int RunAutoRegistration(CTmbView& view) {
  CTmbDoc* doc = view.GetDocument();
  if (!gDrawState.m_bAutoRegistration || !doc) return 0;
  CCharDataFull* rec = &doc->m_char;
  rec->m_param[kRegistrationParam] = 1;
  rec->m_bChanged = 1;
  view.RepaintNow();
  rec->m_param[kRegistrationParam] = 0;
  return 1;
}
