#include "app/sheets/special_shape_page.h"

#include <QSlider>

namespace {

constexpr int kFrontDirectionSlider = 189;
constexpr int kRearDirectionSlider = 190;
constexpr int kDirectionPositions = 72;
constexpr int kDegrees = 360;

}  // namespace

std::vector<tmb::ui::Binding> CSpecialShapePage::PageBindings() {
  using namespace tmb::ui;
  SpecialShapeValues& v = m_values;
  return {
      CheckBox(504, &v.m_bFrontCurve, "端部の湾曲化: 先端 ON"),
      CheckBox(506, &v.m_bRearCurve, "端部の湾曲化: 後端 ON"),
      UnsignedEdit(102, &v.m_nFrontLength, 0, 50, "先端: 長さ"),
      Slider(185, nullptr, 0, 50, 102, ""),
      UnsignedEdit(103, &v.m_nRearLength, 0, 50, "後端: 長さ"),
      Slider(186, nullptr, 0, 50, 103, ""),
      SignedEdit(503, &v.m_nFrontDirection, -kDegrees, kDegrees, "先端: 方向"),
      ScaledSlider(kFrontDirectionSlider, nullptr, -kDirectionPositions, kDirectionPositions, 503, kDirectionFactor,
                   ""),
      SignedEdit(505, &v.m_nRearDirection, -kDegrees, kDegrees, "後端: 方向"),
      ScaledSlider(kRearDirectionSlider, nullptr, -kDirectionPositions, kDirectionPositions, 505, kDirectionFactor,
                   ""),
      RadioGroup(137, &v.m_nSwell, {"OFF", "ライン毎（かな向）", "連続（漢字向）"}, "膨張処理"),
      UnsignedEdit(191, &v.m_nSwellStrength, 0, 50, "強度"),
      Slider(187, nullptr, 0, 50, 191, ""),
      CheckBox(188, &v.m_bCrossRestrain, "交叉抑制"),
      CheckBox(502, &v.m_bTraction, "牽引効果 ON"),
      SignedEdit(304, &v.m_nTractionStrength, 0, 100, "強度"),
      Slider(303, nullptr, 0, 50, 304, ""),
      SignedEdit(306, &v.m_nEffectPoint, 0, 100, "効果点"),
      Slider(305, nullptr, 0, 100, 306, "先端 - 中央 - 後端"),
  };
}

void CSpecialShapePage::OnInitDialog() {
  for (int id : {kFrontDirectionSlider, kRearDirectionSlider}) {
    if (auto* slider = qobject_cast<QSlider*>(Control(id))) {
      slider->setTickPosition(QSlider::TicksBelow);
      slider->setTickInterval(kDirectionTicks);
    }
  }
}
