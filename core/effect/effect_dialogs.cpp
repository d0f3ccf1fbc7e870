#include "core/effect/effect_dialogs.h"

#include "platform/service/messages.h"

namespace {

EffectDialogRunner gCancelRunner;
EffectDialogRunner* gRunner = &gCancelRunner;

}  // namespace

// Constructed in this order before the program starts.
COneTouchEffectDlg gOneTouchEffectDlg;
CEffectDetailDlg gEffectDetailDlg;
CZoomDlg gZoomDlg;
CColorChangeDlg gColorChangeDlg;

RgbSlot RgbSlotOf(tmb::Colour colour) {
  return {uint8_t(tmb::RedOf(colour)), uint8_t(tmb::GreenOf(colour)), uint8_t(tmb::BlueOf(colour))};
}

tmb::Colour ColourOfSlot(const RgbSlot& slot) { return tmb::MakeRgb(slot[0], slot[1], slot[2]); }

int EffectDialogRunner::Run(CEffectDetailDlg&) { return tmb::kAnswerCancel; }
int EffectDialogRunner::Run(CColorChangeDlg&) { return tmb::kAnswerCancel; }
int EffectDialogRunner::Run(CZoomDlg&) { return tmb::kAnswerCancel; }
int EffectDialogRunner::Run(COneTouchEffectDlg&) { return tmb::kAnswerCancel; }
int EffectDialogRunner::Run(CEffectScriptDlg&) { return tmb::kAnswerCancel; }

void SetEffectDialogRunner(EffectDialogRunner* runner) { gRunner = runner ? runner : &gCancelRunner; }

int CEffectDetailDlg::DoModal() { return gRunner->Run(*this); }
int CColorChangeDlg::DoModal() { return gRunner->Run(*this); }
int CZoomDlg::DoModal() { return gRunner->Run(*this); }
int COneTouchEffectDlg::DoModal() { return gRunner->Run(*this); }
int CEffectScriptDlg::DoModal() { return gRunner->Run(*this); }
