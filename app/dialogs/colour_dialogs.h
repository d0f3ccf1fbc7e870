// The modal colour dialogs of the image effects: the detail values of the special effects
// (template 179) and the colour change of the image editor (template 217), each shown on
// a copy of the values the effects keep and edited with one colour-slot editor; and the
// box of template 196.
#pragma once

#include <functional>
#include <optional>

#include "platform/ui/colour_slot_editor.h"
#include "core/effect/effect_dialogs.h"
#include "platform/ui/dialog.h"

class CEffectDetailForm final : public tmb::ui::ModalDialog {
 public:
  CEffectDetailForm();

  // Shows values; unless cancelled the user's input goes back into them.
  int Run(CEffectDetailDlg& values);

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
  void OnInitDialog(tmb::ui::DialogWindow& window) override;
  void OnNotify(tmb::ui::DialogWindow& window, int id, tmb::ui::Notify code) override;
  // Side by side, so that the dialog fits a 768-pixel screen.
  int Columns() const override { return 2; }

 private:
  CEffectDetailDlg m_values;
  ColourSlotEditor m_colours;
};

class CColorChangeForm final : public tmb::ui::ModalDialog {
 public:
  CColorChangeForm();

  // Shows values; unless cancelled the user's input and the action of the button that
  // ended the dialog (0 for OK) go back into them.
  int Run(CColorChangeDlg& values);

  // The colour at the upper-left corner of the image editor's set region; none when the
  // editor has none. Button 332 takes it, and beeps without it. Unset, the running image
  // editor answers.
  std::function<std::optional<tmb::Colour>()> m_regionCornerColour;

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
  void OnInitDialog(tmb::ui::DialogWindow& window) override;
  void OnNotify(tmb::ui::DialogWindow& window, int id, tmb::ui::Notify code) override;
  int Columns() const override { return 2; }

 private:
  CColorChangeDlg m_values;
  ColourSlotEditor m_colours;
};

// A box of its own that binds nothing.
class CDlg196 : public tmb::ui::ModalDialog {
 public:
  CDlg196() : ModalDialog(196, "Tamberi") {}

 protected:
  std::vector<tmb::ui::Binding> Bindings() override { return {}; }
};
