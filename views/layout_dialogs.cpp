// The binding tables of the layout and move dialogs.
#include "views/layout_dialogs.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/ui/binding_form.h"

CLayoutDlg gLayoutDlg;
CMoveDlg gMoveDlg;

namespace {

// Offsets reach 10000 pixels either way, whatever the paper; the sums stay far from the
// int range.
constexpr int kMaxOffset = 10000;

// The grid column right of the edits and their arrows.
constexpr int kSecondColumn = 3;

}  // namespace

std::vector<tmb::ui::Binding> CLayoutDlg::Bindings() {
  using namespace tmb::ui;
  return {
      RadioGroup(kEdgeRadio, &m_nEdge, {"左辺", "上辺", "右辺", "下辺", "縦中央軸", "横中央軸"}, "基準"),
      RadioGroup(kOperationRadio, &m_nOperation,
                 {"縁／軸合わせ", "均等配置", "大きさの相同化", "移動", "拡大縮小（％）", "用紙の中央に配置"}, "操作"),
      RadioGroup(kBoxRadio, &m_nBox, {"枠内文字の最小範囲", "枠自体"}, "範囲"),
      RadioGroup(kDimensionRadio, &m_nDimension, {"横・幅", "縦・高さ", "双方"}, "方向"),
      SignedEdit(kMoveXEdit, &m_nMoveX, -kMaxOffset, kMaxOffset, "移動 X"),
      SpinButton(456, kMoveXEdit, -kMaxOffset, kMaxOffset),
      SignedEdit(kMoveYEdit, &m_nMoveY, -kMaxOffset, kMaxOffset, "移動 Y"),
      SpinButton(457, kMoveYEdit, -kMaxOffset, kMaxOffset),
      SignedEdit(kScaleXEdit, &m_nScaleX, -kMaxPercent, kMaxPercent, "拡大縮小 X（％）"),
      SpinButton(458, kScaleXEdit, -kMaxPercent, kMaxPercent),
      SignedEdit(kScaleYEdit, &m_nScaleY, -kMaxPercent, kMaxPercent, "拡大縮小 Y（％）"),
      SpinButton(459, kScaleYEdit, -kMaxPercent, kMaxPercent),
  };
}

void CLayoutDlg::OnInitDialog(tmb::ui::DialogWindow& window) {
  auto* note = new QLabel(
      QStringLiteral("※レイアウトコマンドは[部分編集]モードで設定した領域枠の箇所のみに対して効果を及ぼします。"),
      &window);
  note->setWordWrap(true);
  if (auto* column = qobject_cast<QVBoxLayout*>(window.layout())) column->insertWidget(0, note);
  // The range and direction choices stand beside the edge and the operation, so that the
  // dialog fits a screen of 768 pixels.
  auto* grid = qobject_cast<QGridLayout*>(window.form()->layout());
  if (!grid) return;
  int row = 0;
  for (int radio : {kBoxRadio, kDimensionRadio}) {
    QWidget* button = window.Control(radio);
    QWidget* group = button ? button->parentWidget() : nullptr;
    if (!group || grid->indexOf(group) < 0) continue;
    grid->removeWidget(group);
    grid->addWidget(group, row++, kSecondColumn, Qt::AlignTop);
  }
}

std::vector<tmb::ui::Binding> CMoveDlg::Bindings() {
  using namespace tmb::ui;
  return {
      SignedEdit(kXEdit, &m_nX, -kMaxOffset, kMaxOffset, "X"),
      SpinButton(457, kXEdit, -kMaxOffset, kMaxOffset),
      SignedEdit(kYEdit, &m_nY, -kMaxOffset, kMaxOffset, "Y"),
      SpinButton(456, kYEdit, -kMaxOffset, kMaxOffset),
  };
}
