#include "app/sheets/scale_page.h"

#include <climits>

namespace {

// A signed edit with its spin; the values have no range of their own.
void AddSpinEdit(std::vector<tmb::ui::Binding>& lines, int edit, int spin, int* member, const char* label) {
  lines.push_back(tmb::ui::SignedEdit(edit, member, INT_MIN, INT_MAX, label));
  lines.push_back(tmb::ui::SpinButton(spin, edit, INT_MIN, INT_MAX));
}

}  // namespace

std::vector<tmb::ui::Binding> CScalePage::PageBindings() {
  using namespace tmb::ui;
  ScaleValues& v = m_values;
  // The templates' radio sets run into each other's ids, so their further buttons take
  // ids of their own from 700 on.
  std::vector<Binding> lines = {
      RadioButtons({394, 700}, &v.m_nMoveOn, {"OFF", "ON"}, "移動"),
      RadioButtons({391, 701}, &v.m_nMoveUnit, {"ピクセル値", "領域対比率"}, "移動の指定"),
  };
  AddSpinEdit(lines, 371, 373, &v.m_nMoveX, "左右");
  AddSpinEdit(lines, 372, 374, &v.m_nMoveY, "上下");
  lines.push_back(RadioButtons({387, 702, 703}, &v.m_nScaleMode, {"OFF", "全体", "枠単位"}, "拡大縮小"));
  lines.push_back(RadioButtons({375, 704}, &v.m_nScaleUnit, {"比率", "軸回転角度"}, "拡大縮小の指定"));
  AddSpinEdit(lines, 379, 380, &v.m_nScaleX, "左右");
  AddSpinEdit(lines, 381, 382, &v.m_nScaleY, "上下");
  lines.push_back(RadioButtons({388, 705, 706}, &v.m_nRotateMode, {"OFF", "全体", "枠単位"}, "回転"));
  AddSpinEdit(lines, 383, 384, &v.m_nRotateAngle, "角度");
  lines.push_back(RadioButtons({395, 707}, &v.m_nLineOutOn, {"OFF", "ON"}, "ライン出力"));
  AddSpinEdit(lines, 392, 393, &v.m_nLineOutStart, "開始位置 (%)");
  AddSpinEdit(lines, 389, 390, &v.m_nLineOutAmount, "出力量 (%)");
  lines.push_back(RadioButtons({386, 708, 709}, &v.m_nLineOutDirection, {"順行", "双方向", "逆行"}, "方向"));
  return lines;
}
