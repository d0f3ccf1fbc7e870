#include "app/dialogs/setting_dialogs.h"

#include <QString>

#include "core/state/draw_state.h"

CStartSettingDlg gStartSettingDlg;
CBasicSettingDlg gBasicSettingDlg;

std::vector<tmb::ui::Binding> CStartSettingDlg::Bindings() {
  using namespace tmb::ui;
  return {
      SignedEdit(570, &m_nHeight, CDrawState::kMinCanvasSide, CDrawState::kMaxCanvasSide, "高さ"),
      SignedEdit(571, &m_nWidth, CDrawState::kMinCanvasSide, CDrawState::kMaxCanvasSide, "幅"),
      CheckBox(569, &m_bNoShow, "起動時にこのダイアログを表示しない"),
  };
}

std::vector<tmb::ui::Binding> CBasicSettingDlg::Bindings() {
  using namespace tmb::ui;
  return {
      UnsignedEdit(102, &m_nWidth, CDrawState::kMinCanvasSide, CDrawState::kMaxCanvasSide, "幅 (標準 500×750)"),
      UnsignedEdit(110, &m_nHeight, CDrawState::kMinCanvasSide, CDrawState::kMaxCanvasSide, "高さ"),
      SignedEdit(111, &m_nDataSize, 1, 5, "標準 × (倍)"),
      CheckBox(433, &m_bNoShow, "起動時に設定用ダイアログを表示しない"),
  };
}

std::vector<tmb::ui::Binding> CInitSettingDlg::Bindings() {
  using namespace tmb::ui;
  return {
      SignedEdit(429, &m_nWidth, kMinSide, kMaxSide, "最大画像領域: 幅"),
      SignedEdit(428, &m_nHeight, kMinSide, kMaxSide, "高さ"),
      RadioGroup(427, &m_nValueSet, {"ペン・標準", "ペン・特殊", "毛筆・標準", "毛筆・特殊"}, "標準値セット"),
      CheckBox(432, &m_bNoShow, "このダイアログを次回から表示しない"),
  };
}

std::vector<tmb::ui::Binding> CAboutDlg::Bindings() {
  const QString version = QStringLiteral("Tamberi  %1.%2")
                              .arg(gDrawState.m_nProgramVersion / 100)
                              .arg(gDrawState.m_nProgramVersion % 100, 2, 10, QLatin1Char('0'));
  return {tmb::ui::Label(kVersionText, version.toStdString())};
}

void CAboutDlg::OnInitDialog(tmb::ui::DialogWindow& window) {
  // The box only tells: OK closes it, there is nothing to cancel.
  if (QWidget* cancel = window.Control(tmb::ui::kIdCancel)) cancel->hide();
}
