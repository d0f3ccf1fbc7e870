// The dialogs of the framed layout (template 276) and of the move of the whole character
// (template 251): one object each for the whole run, so that each opens on the values
// the user chose last.
#pragma once

#include "platform/ui/dialog.h"

class CLayoutDlg : public tmb::ui::ModalDialog {
 public:
  // The first button of each radio group; the others follow it.
  static constexpr int kEdgeRadio = 1100;
  static constexpr int kOperationRadio = 1110;
  static constexpr int kBoxRadio = 1120;
  static constexpr int kDimensionRadio = 1130;
  static constexpr int kMoveXEdit = 303;
  static constexpr int kMoveYEdit = 262;
  static constexpr int kScaleXEdit = 304;
  static constexpr int kScaleYEdit = 263;
  static constexpr int kMaxPercent = 500;

  CLayoutDlg() : ModalDialog(276, "レイアウト") {}

  int m_nEdge = 0;        // LayoutEdge
  int m_nOperation = 3;   // LayoutOperation, 0 to 5; the move first
  int m_nBox = 0;         // LayoutBox
  int m_nDimension = 2;   // LayoutDimension; both ways first
  int m_nMoveX = 0;       // pixels, -10000 to 10000
  int m_nMoveY = 0;
  int m_nScaleX = 100;    // percent, -500 to 500
  int m_nScaleY = 100;

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
  void OnInitDialog(tmb::ui::DialogWindow& window) override;
};

class CMoveDlg : public tmb::ui::ModalDialog {
 public:
  static constexpr int kXEdit = 303;
  static constexpr int kYEdit = 262;

  CMoveDlg() : ModalDialog(251, "全体移动") {}

  int m_nX = 0;  // pixels, -10000 to 10000
  int m_nY = 0;

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
};

extern CLayoutDlg gLayoutDlg;
extern CMoveDlg gMoveDlg;
