// The main window's Settings menu: the standard settings, the typeface option, keeping the
// conversion values, the detailed conversion switches of the current character and the
// style commands, which the drawing view takes; the pen, guide-frame and save-range
// dialogs and automatic registration.
#include <algorithm>
#include <functional>

#include "app/conversion_switches.h"
#include "app/dialogs/conv_option_dialog.h"
#include "app/frame_command_helpers.h"
#include "app/main_frame.h"
#include "app/settings/settings_glue.h"
#include "app/tmb_document.h"
#include "core/record/param_defaults.h"
#include "resources/command_ids.h"
#include "resources/style_commands.h"

namespace {

constexpr int kKeepConversionParam = 380;
constexpr int kStandardSettingsAction = 3;

// Changes the drawn record of the current drawing window and marks its outline for a
// rebuild.
void ChangeCurrentRecord(const std::function<void(ParamBlock&)>& change) {
  CTmbDocument* doc = GetCharDocumentOfKind(kKindCurrentDraw);
  if (!doc) return;
  CCharDataFull& rec = *doc->DrawnRecord();
  change(rec.m_param);
  rec.m_nOutlineDirty = 1;
}

void Toggle(ParamBlock& params, int index) { params[size_t(index)] = params[size_t(index)] ? 0 : 1; }

}  // namespace

void CMainFrame::RegisterSettingCommands() {
  OnCommand(tmb::kCmdStandardSettings, OnCurrentView(&CTmbView::RunSettingAction, kStandardSettingsAction));
  OnCommand(tmb::kCmdConvOption, RunConvOptionDialog);

  OnCommand(tmb::kCmdPenSettings, [] { RunPenSettings(); });
  OnCommand(tmb::kCmdGuideFrame, [] { RunGuideFrameCommand(); });
  OnCommand(tmb::kCmdSaveRange, [] { EditSaveRange(); });
  OnCommand(tmb::kCmdAutoRegistration, [] { RunAutoRegistrationCommand(); });
  OnUpdate(tmb::kCmdAutoRegistration, [](tmb::ui::CommandUpdate& u) { u.SetCheck(IsAutoRegistrationOn()); });

  OnCommand(tmb::kCmdKeepConversion, [] { ChangeCurrentRecord([](ParamBlock& p) { Toggle(p, kKeepConversionParam); }); });
  OnUpdate(tmb::kCmdKeepConversion,
           CheckFromRecord([](const CCharDataFull& rec) { return rec.m_param[kKeepConversionParam] != 0; }));

  for (const SwitchCommand& c : SwitchCommands()) {
    const int index = kStyleFlagFirst + c.i;
    OnCommand(c.id, [index] { ChangeCurrentRecord([index](ParamBlock& p) { Toggle(p, index); }); });
    OnUpdate(c.id, CheckFromRecord([index](const CCharDataFull& rec) { return rec.m_param[size_t(index)] != 0; }));
  }
  for (const SwitchValueCommand& c : SwitchValueCommands()) {
    const size_t index = size_t(kStyleFlagFirst + c.i);
    const int value = c.value;
    OnCommand(c.id, [index, value] { ChangeCurrentRecord([=](ParamBlock& p) { p[index] = value; }); });
    OnUpdate(c.id, CheckFromRecord([=](const CCharDataFull& rec) { return rec.m_param[index] == value; }));
  }
  OnCommand(tmb::kCmdSwitchesAllOn, [] { ChangeCurrentRecord([](ParamBlock& p) { InitStyleEnableFlags(nullptr, p); }); });
  OnCommand(tmb::kCmdSwitchesAllOff, [] {
    ChangeCurrentRecord([](ParamBlock& p) {
      std::fill_n(p.begin() + kStyleFlagFirst, kStyleFlagCount, 0);
    });
  });
  for (int id : {tmb::kCmdSwitchesAllOn, tmb::kCmdSwitchesAllOff}) {
    OnUpdate(id, CheckFromRecord([](const CCharDataFull&) { return false; }));
  }

  for (const tmb::StyleCommand& style : tmb::StyleCommands()) {
    const int id = style.id;
    OnCommand(id, [this, id] { SendToViewOfKind(kKindCurrentDraw, id); });
  }
}
