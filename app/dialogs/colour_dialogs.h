// The modal colour dialogs of the image effects: the detail values of the special effects
// (template 179), the colour change of the image editor (template 217) and the box of
// template 196. Each edits its colours with one colour-slot editor.
#pragma once

#include <functional>
#include <optional>

#include "app/dialogs/colour_slot_editor.h"
#include "platform/ui/dialog.h"

class CEffectDetailDlg : public tmb::ui::ModalDialog {
 public:
  // The slots, in order.
  enum Slot { kOutline = 0, kEmboss, kLithograph, kGradientLeft, kGradientRight, kSlotCount };

  CEffectDetailDlg();

  ColourSlotEditor m_colours;
  int m_nSetRadio = 0;       // 132: the slot the "set" buttons chose
  int m_nPaleStrength = 0;   // 102, percent
  int m_nLithoDensity = 0;   // 103, percent
  int m_nEmbossHeight = 0;   // 105
  int m_nShadowHeight = 0;   // 108
  int m_nCutFrameWidth = 0;  // 112
  int m_nAgeing = 0;         // 110
  unsigned m_nOutlineWidth = 0;  // 113
  unsigned m_nBlur = 0;          // 114
  int m_bEmbossOutline = 0;      // 176
  int m_bTransparentBack = 0;    // 188
  int m_bOutlineGradient = 0;    // 235
  int m_bEmbossGradient = 0;     // 189
  int m_bCharGradientFold = 0;   // 464
  int m_bPaperGradientFold = 0;  // 465

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
  void OnInitDialog(tmb::ui::DialogWindow& window) override;
  void OnNotify(tmb::ui::DialogWindow& window, int id, tmb::ui::Notify code) override;
};

class CColorChangeDlg : public tmb::ui::ModalDialog {
 public:
  enum Slot { kCharPart = 0, kPaperPart, kBackground, kZoomPick, kSlotCount };
  // The actions of the buttons that end the dialog.
  enum Action {
    kChangeCharPart = 1, kChangePaperPart, kSetBackground, kChangeZoomPick, kShiftChannels, kBinarise,
  };

  CColorChangeDlg();

  ColourSlotEditor m_colours;
  int m_nRedShift = 0;    // 107, -255..255
  int m_nGreenShift = 0;  // 231
  int m_nBlueShift = 0;   // 232
  // The colour at the upper-left corner of the image editor's set region; none when the
  // editor has no region. Button 332 takes it, or beeps without it.
  std::function<std::optional<tmb::Colour>()> m_regionCornerColour;

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
  void OnInitDialog(tmb::ui::DialogWindow& window) override;
  void OnNotify(tmb::ui::DialogWindow& window, int id, tmb::ui::Notify code) override;
};

// A box of its own that binds nothing.
class CDlg196 : public tmb::ui::ModalDialog {
 public:
  CDlg196() : ModalDialog(196, "Tamberi") {}

 protected:
  std::vector<tmb::ui::Binding> Bindings() override { return {}; }
};

extern CEffectDetailDlg gEffectDetailDlg;
extern CColorChangeDlg gColorChangeDlg;
