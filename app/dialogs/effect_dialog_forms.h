// Shows the dialogs the image effects ask for on the values they keep; installed at
// start-up.
#pragma once

#include "app/dialogs/area_dialogs.h"
#include "app/dialogs/colour_dialogs.h"
#include "app/dialogs/effect_script_forms.h"
#include "core/effect/effect_dialogs.h"

class CEffectDialogForms final : public EffectDialogRunner {
 public:
  int Run(CEffectDetailDlg& dialog) override { return m_detail.Run(dialog); }
  int Run(CColorChangeDlg& dialog) override { return m_change.Run(dialog); }
  int Run(CZoomDlg& dialog) override { return m_zoom.Run(dialog); }
  int Run(COneTouchEffectDlg& dialog) override { return m_oneTouch.Run(dialog); }
  int Run(CEffectScriptDlg& dialog) override { return m_script.Run(dialog); }

  CEffectDetailForm m_detail;
  CColorChangeForm m_change;
  CZoomForm m_zoom;
  COneTouchEffectForm m_oneTouch;
  CEffectScriptForm m_script;
};

extern CEffectDialogForms gEffectDialogForms;
