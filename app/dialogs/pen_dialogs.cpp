#include "app/dialogs/pen_dialogs.h"

CBrushSetDlg gBrushSetDlg;

std::vector<tmb::ui::Binding> CBrushSetDlg::Bindings() {
  using namespace tmb::ui;
  return {
      Slider(kSpeedSlider, &m_nSpeed, 0, kMaxSpeed, 0, "书写时鼠标的基本移动速度 (慢 - 快)"),
      UnsignedEdit(kDelayEdit, &m_nDelay, 0, kMaxDelay, "笔触纸面的速度 (毫秒, 标准 15)"),
      RadioGroup(561, &m_nRestrain, {"无", "有", "普通线条"}, "书写时的抑扬和停顿"),
      CheckBox(583, &m_bChangeSpeed, "改为上面的速度"),
      CheckBox(666, &m_bPlainTabletLine, "使用 Tablet PC 笔时固定为普通线条"),
  };
}

std::vector<tmb::ui::Binding> CDlg147::Bindings() {
  using namespace tmb::ui;
  return {
      RadioGroup(132, &m_nFirst, {"1", "2"}, ""),
      RadioGroup(145, &m_nSecond, {"1", "2"}, ""),
  };
}
