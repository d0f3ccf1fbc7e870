#include "app/sheets/outlines_dlg.h"

#include "app/dialogs/font_page_dialog.h"
#include "brush/render/outline_preview.h"
#include "core/record/char_data_full.h"
#include "core/record/log_font.h"
#include "core/state/draw_state.h"
#include "platform/service/font_chooser.h"
#include "views/tmb_view.h"

namespace {

// The mode set; 481 and 482 are controls of their own, so its further buttons are not
// numbered on from 480.
constexpr int kModeButtons[] = {480, 740, 741};
constexpr int kPreviewButton = 488;

}  // namespace

std::vector<tmb::ui::Binding> COutlinesDlg::PageBindings() {
  using namespace tmb::ui;
  OutlinesDlgValues& v = m_values;
  return {
      RadioButtons({std::begin(kModeButtons), std::end(kModeButtons)}, &v.m_nMode, {"0", "1", "2"}, "モード"),
      Label(482, "モード 0"),
      Label(486, "モード 0"),
      Label(487, "モード 0"),
      TextEdit(476, &v.m_strText, "文字列"),
      PushButton(kFontButton, "フォント"),
      Label(493, "モード 1"),
      Label(484, "モード 1"),
      SignedEdit(494, &v.m_nValue494, 1, 10, "494"),
      SignedEdit(495, &v.m_nValue495, 1, 10, "495"),
      SignedEdit(508, &v.m_nValue508, 8, 256, "508"),
      SignedEdit(509, &v.m_nValue509, 8, 256, "509"),
      SignedEdit(506, &v.m_nValue506, 1, 64, "506"),
      SignedEdit(507, &v.m_nValue507, 1, 64, "507"),
      PushButton(kPreviewButton, "プレビュー"),
      Label(497, "モード 2"),
      PushButton(kFontPageButton, "フォント設定"),
  };
}

void COutlinesDlg::OnControlNotify(int id, tmb::ui::Notify code) {
  if (code != tmb::ui::Notify::kClicked) return;
  if (id == kFontPageButton) {
    // A copy of the block goes to the font page; OK brings it back.
    CTextSettings& block = m_pRecord ? m_pRecord->m_textSettings[0] : m_block;
    CFontPageDlg fontPage(m_nWindowKind);
    if (!tmb::ui::IsAccepted(fontPage.Run(block))) return;
    if (m_pRecord) {
      m_block.CopyFrom(block, 0);
      m_pRecord->m_nOutlineDirty = 1;
      m_pRecord->m_bModified = 1;
    }
    ShowValues();
    return;
  }
  if (id == kFontButton) {
    tmb::Font font = PlatformFontOf(m_block.m_template.m_font);
    if (tmb::ChooseFont(font)) TakePlatformFont(font, m_block.m_template.m_font);
    return;
  }
  if (id == kPreviewButton) {
    // The contours of the sheet's window's picture, over the image editor's picture while
    // an editor is open.
    PreviewOutlineOnView(CTmbView::ViewOfKind(m_nWindowKind));
    return;
  }
  for (int button : kModeButtons) {
    if (id == button) ApplyEnabling();
  }
}

void COutlinesDlg::ApplyEnabling() {
  const int mode = CheckedButton(kModeButtons);
  // In this order, so 476 ends enabled only in mode 1.
  EnableControls({482, 476, 486, 487}, mode <= 0);
  EnableControls({481, 476, 493, 484, 494}, mode == 1);
  EnableControls({488, 497}, mode == 2);
}
