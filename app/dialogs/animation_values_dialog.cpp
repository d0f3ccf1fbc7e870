#include "app/dialogs/animation_values_dialog.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/ui/radio_choice.h"

namespace {

constexpr int kShiftEdit = 334;
constexpr int kShiftSlider = 440;
constexpr int kSplitEdit = 402;
constexpr int kSplitSlider = 409;
constexpr int kStretchEdit = 436;
constexpr int kStretchSlider = 435;
constexpr int kPercentMax = 100;
constexpr int kStretchMax = 10;

QSlider* SliderOf(tmb::ui::DialogWindow& window, int id) { return qobject_cast<QSlider*>(window.Control(id)); }

}  // namespace

int CDlg220::SpanFrames() const {
  return int(std::min<unsigned>(m_nFrames, unsigned(std::numeric_limits<int>::max())));
}

std::vector<tmb::ui::Binding> CDlg220::Bindings() {
  using namespace tmb::ui;
  return {
      SliderBeside(kShiftSlider, &m_nSlider440, 0, 0, kShiftEdit, "440"),
      SliderBeside(kStretchSlider, &m_nSlider435, 0, kStretchMax, kStretchEdit, "435"),
      Slider(415, &m_nSlider415, 0, kPercentMax, 0, "415"),
      Slider(414, &m_nSlider414, 0, kPercentMax, 0, "414"),
      Slider(412, &m_nSlider412, 0, kPercentMax, 0, "412"),
      Slider(413, &m_nSlider413, 0, kPercentMax, 0, "413"),
      Slider(411, &m_nSlider411, 0, kPercentMax, 0, "411"),
      SliderBeside(kSplitSlider, &m_nSlider409, 0, kPercentMax, kSplitEdit, "409"),
      Slider(333, &m_nSlider333, 0, kPercentMax, 0, "333"),
      UnsignedEdit(306, &m_nFrames, 0, std::numeric_limits<int>::max(), "コマ枚数"),
      TextEdit(308, &m_strName, "ファイル名基本部"),
      CheckBox(188, &m_bCheck188, "188"),
      TextEdit(320, &m_strFolder, "保存フォルダ"),
      FloatEdit(kShiftEdit, &m_fShift, 0.0f, kMaxShift, "334"),
      tmb::ui::RadioChoice(367, &m_nRadio367, {"順次", "指定中央値"}),
      UnsignedEdit(366, &m_nValue366, 0, 1000, "366"),
      tmb::ui::RadioChoice(368, &m_nRadio368, {"しない", "する"}),
      tmb::ui::RadioChoice(365, &m_nRadio365, {"A→B", "B→A"}),
      tmb::ui::RadioChoice(369, &m_nRadio369, {"しない", "する"}),
      tmb::ui::RadioChoice(388, &m_nRadio388, {"BMP", "PNG", "JPEG"}),
      CheckBox(393, &m_bCheck393, "AVIファイル"),
      CheckBox(394, &m_bCheck394, "圧縮保存"),
      tmb::ui::RadioChoice(389, &m_nRadio389, {"全範囲", "選択範囲", "自動設定"}),
      UnsignedEdit(395, &m_nValue395, 0, 1000, "395"),
      SignedEdit(399, &m_nValue399, -100, 1000, "横"),
      SignedEdit(400, &m_nValue400, -100, 1000, "縦"),
      SignedEdit(kSplitEdit, &m_nSplit, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), "分割位置"),
      tmb::ui::RadioChoice(430, &m_nRadio430, {"0", "1"}),
      CheckBox(431, &m_bCheck431, "１枚ごとにクリップボードに送付"),
      SignedEdit(kStretchEdit, &m_nStretch, 0, kStretchMax, "伸張許容度"),
      CheckBox(437, &m_bCheck437, "MNGファイル"),
      SignedEdit(438, &m_nValue438, 0, 10000, "438"),
  };
}

void CDlg220::OnInitDialog(tmb::ui::DialogWindow& window) {
  const int n = SpanFrames();
  if (QSlider* shift = SliderOf(window, kShiftSlider)) {
    QSignalBlocker block(shift);
    shift->setRange(-n, n);
    shift->setValue(m_nSlider440);
  }
}

void CDlg220::OnNotify(tmb::ui::DialogWindow& window, int id, tmb::ui::Notify code) {
  // One frame at least for the division, so a count of 0 never divides by it.
  const int divisor = std::max(1, SpanFrames());
  if (code == tmb::ui::Notify::kScroll) {
    QSlider* slider = SliderOf(window, id);
    if (!slider) return;
    if (id == kShiftSlider) {
      const float shift = float(slider->value()) * kMaxShift / float(divisor);
      window.SetControlText(kShiftEdit, QString::number(double(shift), 'g', 6).toStdString());
    } else if (id == kSplitSlider) {
      window.SetControlText(kSplitEdit, std::to_string(slider->value()));
    } else if (id == kStretchSlider) {
      window.SetControlText(kStretchEdit, std::to_string(slider->value()));
    }
  } else if (code == tmb::ui::Notify::kKillFocus && id == kShiftEdit) {
    bool ok = false;
    const double shift = qobject_cast<QLineEdit*>(window.Control(kShiftEdit))->text().toDouble(&ok);
    if (!ok || !std::isfinite(shift)) return;
    QSlider* slider = SliderOf(window, kShiftSlider);
    const double position = std::clamp(shift * divisor / double(kMaxShift), double(slider->minimum()),
                                       double(slider->maximum()));
    QSignalBlocker block(slider);
    slider->setValue(int(std::lround(position)));
  }
}
