#include "platform/ui/colour_boxes.h"

namespace {

constexpr int kMonochromeSetRadio = 556;

}  // namespace

// ---- correction colour

CFixColorDlg::CFixColorDlg()
    : ModelessDialog(178, "修正色の設定"),
      m_colours({{102, 0}, {104, 224, 225}, {185, 186, 187}, SliderScale::kPercent, false}) {}

std::vector<tmb::ui::Binding> CFixColorDlg::Bindings() {
  using namespace tmb::ui;
  std::vector<Binding> lines = {Label(100, "修正色は拡大ウィンドウの右クリックでも設定できます。")};
  for (Binding& b : m_colours.Bindings({"修正色"})) lines.push_back(std::move(b));
  return lines;
}

void CFixColorDlg::OnInitDialog(tmb::ui::DialogWindow& window) {
  m_bActive = 1;
  window.EnableControl(tmb::ui::kIdOk, false);
  window.Control(tmb::ui::kIdOk)->hide();
  window.SetControlText(tmb::ui::kIdCancel, "この設定ボックスを消去");
  m_colours.Attach(window);
  m_colours.OnInitDialog(false);
}

void CFixColorDlg::OnNotify(tmb::ui::DialogWindow&, int id, tmb::ui::Notify code) { m_colours.OnNotify(id, code); }

// ---- conversion to monochrome

CMonochromeDlg::CMonochromeDlg()
    : ModelessDialog(278, "モノクロ化"),
      m_colours({{555, 281}, {104, 224, 225}, {552, 553, 554}, SliderScale::kPercent, false}) {}

std::vector<tmb::ui::Binding> CMonochromeDlg::Bindings() {
  using namespace tmb::ui;
  std::vector<Binding> lines = {
      Label(100, "各部の色に近い色を設定してください。"),
      RadioGroup(kMonochromeSetRadio, &m_nSetRadio, {"set 文字部", "set 非文字部"}, "set"),
  };
  for (Binding& b : m_colours.Bindings({"文字部", "非文字部"})) lines.push_back(std::move(b));
  return lines;
}

void CMonochromeDlg::OnInitDialog(tmb::ui::DialogWindow& window) {
  m_bActive = 1;
  window.SetControlText(tmb::ui::kIdOk, "変換");
  m_colours.Attach(window);
  m_colours.OnInitDialog(false);
}

void CMonochromeDlg::OnNotify(tmb::ui::DialogWindow&, int id, tmb::ui::Notify code) {
  if (m_colours.OnNotify(id, code)) return;
  if (id == kMonochromeSetRadio || id == kMonochromeSetRadio + 1) {
    m_nSetRadio = id - kMonochromeSetRadio;
    m_colours.SelectSlot(m_nSetRadio);
  }
}

void CMonochromeDlg::OnOK() {
  m_bActive = 0;
  emit Convert();
}
