// Shows the dialogs the image effects ask for on the values they keep; installed at
// start-up. The one-touch effect and the script editing are not shown here and answer
// Cancel.
#pragma once

#include "app/dialogs/area_dialogs.h"
#include "app/dialogs/colour_dialogs.h"
#include "imageedit/effects/effect_dialogs.h"

class CEffectDialogForms final : public EffectDialogRunner {
 public:
  int Run(CEffectDetailDlg& dialog) override { return m_detail.Run(dialog); }
  int Run(CColorChangeDlg& dialog) override { return m_change.Run(dialog); }
  int Run(CZoomDlg& dialog) override { return m_zoom.Run(dialog); }
  using EffectDialogRunner::Run;

  CEffectDetailForm m_detail;
  CColorChangeForm m_change;
  CZoomForm m_zoom;
};

extern CEffectDialogForms gEffectDialogForms;
