// The effect dialogs for tests: each dialog runs the function the test gave it (which may
// change the dialog's values) and answers what that returns; a dialog without one answers
// Cancel. Every run is counted.
#pragma once

#include <functional>

#include "core/effect/effect_dialogs.h"
#include "platform/service/messages.h"

namespace tmb::test {

class ScriptedEffectDialogs final : public EffectDialogRunner {
 public:
  ScriptedEffectDialogs() { SetEffectDialogRunner(this); }
  ~ScriptedEffectDialogs() override { SetEffectDialogRunner(nullptr); }

  int Run(CEffectDetailDlg& d) override { return Answer(detail, d); }
  int Run(CColorChangeDlg& d) override { return Answer(colourChange, d); }
  int Run(CZoomDlg& d) override { return Answer(zoom, d); }
  int Run(COneTouchEffectDlg& d) override { return Answer(oneTouch, d); }
  int Run(CEffectScriptDlg& d) override { return Answer(script, d); }

  std::function<int(CEffectDetailDlg&)> detail;
  std::function<int(CColorChangeDlg&)> colourChange;
  std::function<int(CZoomDlg&)> zoom;
  std::function<int(COneTouchEffectDlg&)> oneTouch;
  std::function<int(CEffectScriptDlg&)> script;
  int runs = 0;

 private:
  template <class Dialog>
  int Answer(const std::function<int(Dialog&)>& f, Dialog& d) {
    ++runs;
    return f ? f(d) : kAnswerCancel;
  }
};

}  // namespace tmb::test
