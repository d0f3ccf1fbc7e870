#include "app/sheets/write_base_pages.h"

namespace {

constexpr int kSmoothEdit = 518;
constexpr int kSmoothSlider = 428;

}  // namespace

std::vector<tmb::ui::Binding> CWriteLiteRepBaseDlg::PageBindings() {
  using namespace tmb::ui;
  WriteLiteRepBaseValues& v = m_values;
  return {
      SignedEdit(kSmoothEdit, &v.m_nSmooth, 1, 50, "線質: 滑らかさ"),
      Slider(kSmoothSlider, nullptr, 1, 50, kSmoothEdit, "弱 - 強"),
      CheckBox(688, &v.m_bSoftEdge, "エッジのソフト化"),
      RadioGroup(301, &v.m_nCrushType, {"草書", "隷書", "行書"}, "崩し: 基本型"),
      CheckBox(679, &v.m_bKeepHardness, "保持: 基本硬度"),
      CheckBox(682, &v.m_bKeepShort, "保持: 短線"),
      CheckBox(681, &v.m_bKeepNonDown, "保持: 非下向線"),
      CheckBox(685, &v.m_bKeepTurn, "保持: 転折"),
      CheckBox(684, &v.m_bSlantStrong, "連綿: 斜行部強化"),
      CheckBox(686, &v.m_bLightBase, "軽み: 基礎調整"),
      CheckBox(689, &v.m_bLightCursive, "軽み: 草書時強調"),
      CheckBox(680, &v.m_bRaiseRight, "オプション: 右上げ"),
      CheckBox(683, &v.m_bHige, "オプション: ヒゲ付け"),
  };
}

std::vector<tmb::ui::Binding> CWriteBasicPage::PageBindings() {
  using namespace tmb::ui;
  WriteBasicValues& v = m_values;
  return {
      SignedEdit(kSmoothEdit, &v.m_nSmooth, 1, 50, "平滑度"),
      Slider(kSmoothSlider, nullptr, 1, 50, kSmoothEdit, "弱 - 强"),
      CheckBox(680, &v.m_bRaiseRight, "右上倾斜"),
      CheckBox(683, &v.m_bHige, "装饰笔画"),
      RadioGroup(690, &v.m_nKeepTurn, {"弱", "中", "强"}, "保持转折"),
  };
}
