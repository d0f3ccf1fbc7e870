#include "app/dialogs/area_dialogs.h"

#include <algorithm>
#include <string>
#include <utility>

#include "app/tmb_app.h"
#include "app/window_boxes.h"
#include "core/canvas/work_canvas.h"
#include "platform/service/messages.h"

CGuideLineDlg gGuideLineDlg;
CSaveRangeDlg gSaveRangeDlg;

namespace {

unsigned CanvasSide(int side) { return static_cast<unsigned>(std::max(1, side)); }

}  // namespace

int CZoomForm::Run(CZoomDlg& values) {
  m_values = values;
  if (!tmb::ui::IsAccepted(DoModal(theApp.mainWindow()))) return tmb::kAnswerCancel;
  values = m_values;
  return tmb::kAnswerOk;
}

std::vector<tmb::ui::Binding> CZoomForm::Bindings() {
  using namespace tmb::ui;
  CZoomDlg& v = m_values;
  return {
      RadioGroup(132, &v.m_nMode, {"ピクセル値指定", "比率", "縦横同比", "台形", "傾斜", "楕円"}, "モード"),
      UnsignedEdit(102, &v.m_nHeight, 1, CanvasSide(gWorkCanvas.m_height), "高さ (ピクセル)"),
      UnsignedEdit(103, &v.m_nWidth, 1, CanvasSide(gWorkCanvas.m_width), "幅 (ピクセル)"),
      UnsignedEdit(105, &v.m_nHeightPercent, 1, kMaxPercent, "高さ (%)"),
      UnsignedEdit(108, &v.m_nWidthPercent, 1, kMaxPercent, "幅 (%)"),
      UnsignedEdit(110, &v.m_nSamePercent, 1, kMaxPercent, "縦横同比 (%)"),
      SignedEdit(112, &v.m_nTopPercent, -kMaxEdge, kMaxEdge, "上辺 (%)"),
      SignedEdit(113, &v.m_nBottomPercent, -kMaxEdge, kMaxEdge, "下辺 (%)"),
      SignedEdit(114, &v.m_nAngle, 0, kMaxAngle, "左上内角 (度)"),
  };
}

std::vector<tmb::ui::Binding> CGuideLineDlg::Bindings() {
  using namespace tmb::ui;
  // The arrows run over the whole paper; the edits keep their own limits, which OK checks:
  // the margins take any unsigned number.
  const int paperWidth = static_cast<int>(CanvasSide(gWorkCanvas.m_width));
  const int paperHeight = static_cast<int>(CanvasSide(gWorkCanvas.m_height));
  return {
      UnsignedEdit(kWidthEdit, &m_nWidth, 1, kMaxWidth, "宽"),
      SpinButton(172, kWidthEdit, 0, paperWidth),
      UnsignedEdit(kHeightEdit, &m_nHeight, 1, kMaxHeight, "高"),
      SpinButton(173, kHeightEdit, 0, paperHeight),
      UnsignedEdit(kRightEdit, &m_nRight, 0, kMaxMargin, "右边距"),
      SpinButton(174, kRightEdit, 0, paperWidth),
      UnsignedEdit(kTopEdit, &m_nTop, 0, kMaxMargin, "上边距"),
      SpinButton(175, kTopEdit, 0, paperHeight),
      RadioGroup(132, &m_nDisplay, {"仅在选择时", "总是", "与文字一致时"}, "显示"),
  };
}

void CGuideLineDlg::OnInitDialog(tmb::ui::DialogWindow& window) {
  m_bOption = 0;
  // Every number is checked by OK, the ones handed in too: each edit shows its value as
  // it is, not brought into range, so a value out of range is refused with its range.
  const std::pair<int, unsigned> numbers[] = {
      {kWidthEdit, m_nWidth}, {kHeightEdit, m_nHeight}, {kRightEdit, m_nRight}, {kTopEdit, m_nTop}};
  for (const auto& [id, value] : numbers) window.SetControlText(id, std::to_string(value));
}

void CImageFileSetDlg::AddBox(const tmb::Rect& box) { m_boxes.push_back(FormatBoxText(box)); }

std::vector<tmb::ui::Binding> CImageFileSetDlg::Bindings() {
  using namespace tmb::ui;
  return {
      SignedEdit(303, &m_nLeft, 0, kMaxPosition, "左上の位置: 左"),
      SignedEdit(262, &m_nTop, 0, kMaxPosition, "上"),
      RadioGroup(304, &m_nArea, {"全体", "設定領域のみ"}, "読込・保存の範囲"),
      RadioGroup(305, &m_nAfterLoad, {"手動で貼り付け", "指定位置に自動貼り付け", "現在の領域の左上から自動貼り付け"},
                 "読込後"),
      RadioGroup(405, &m_nScreen, {"描画ウィンドウA", "描画ウィンドウB", "プレビュー", "編集ウィンドウ", "アクティブなウィンドウ"},
                 "保存する画面"),
      ListBox(350, &m_boxes, "領域"),
  };
}

std::vector<tmb::ui::Binding> CSaveRangeDlg::Bindings() {
  using namespace tmb::ui;
  return {RadioGroup(480, &m_nRange, {"全部", "仅指定区域"}, "输出范围")};
}
