#include "app/dialogs/font_mode_dialogs.h"

#include "core/store/char_store.h"
#include "platform/service/font_chooser.h"
#include "platform/text/code_page.h"
#include "platform/ui/binding_form.h"
#include "platform/ui/list_rows.h"

namespace {

constexpr size_t kMaxNameBytes = 256;

}  // namespace

void CImageListDlg::FillFromStore() {
  m_names.clear();
  CharStore store;
  if (store.MakeFileNames(CharStore::kMainSet, false, false) != 1) return;
  for (int i = 0; i < store.GetPictureCount(); ++i) {
    std::string name = tmb::Utf16ToSjis(store.PictureRecord(i).Name()).value_or("?");
    if (name.size() > kMaxNameBytes) name.resize(kMaxNameBytes);
    m_names.push_back(std::move(name));
  }
}

std::vector<tmb::ui::Binding> CImageListDlg::Bindings() {
  using namespace tmb::ui;
  m_nChosen = -1;
  m_strChosen.clear();
  m_lines.clear();
  for (const std::string& name : m_names) m_lines.push_back(tmb::SjisToUtf8Lossy(name));
  return {
      Label(0, "ロゴ画像はテスト機能です：テキストに「#」を入力し、リストのその行にフォーカスしてから、ここで任意の画像ファイルを選んでください。"),
      SelectList(kList, &m_lines, false, "画像"),
  };
}

void CImageListDlg::OnInitDialog(tmb::ui::DialogWindow& window) {
  window.SetControlText(tmb::ui::kIdOk, "新規画像ファイル");
}

void CImageListDlg::OnNotify(tmb::ui::DialogWindow& window, int id, tmb::ui::Notify code) {
  if (id != kList || code != tmb::ui::Notify::kDoubleClick) return;
  const int row = tmb::ui::SelectedRow(window.Control(kList));
  if (row < 0 || size_t(row) >= m_names.size()) return;
  m_nChosen = row;
  m_strChosen = m_names[size_t(row)];
  window.accept();
}

std::vector<tmb::ui::Binding> CFontModeOptionDlg::Bindings() {
  using namespace tmb::ui;
  return {
      CheckBox(551, &m_bOutlineEffect, "[アウトライン]-[部分体]効果をフォントに対しても付与"),
      ActionButton(kRelease, kActionRelease, "解除"),
  };
}

std::vector<tmb::ui::Binding> CFontAxisOptionDlg::Bindings() {
  using namespace tmb::ui;
  return {
      CheckBox(576, &m_bLimitWidth, "する"),
      SignedEdit(577, &m_nWidthLimit, 1, 1024, "ピクセル以上の幅値をこの値に抑える"),
      CheckBox(574, &m_bAutoFit, "エッジへのオートフィット"),
      CheckBox(578, &m_bWhiteOnBlack, "確認表示を白文字／黒地で行う"),
      CheckBox(575, &m_bJoinNear, "近接線の内部結合"),
      CheckBox(579, &m_bDropBranches, "エッジの枝線の削除"),
      // The two runs start at neighbouring ids: the buttons after the first take ids of
      // their own.
      RadioButtons({590, 5901, 5902}, &m_nSlantTolerance, {"弱", "中", "強"}, "斜行ラインの許容度"),
      RadioButtons({591, 5911, 5912}, &m_nUnevenLimit, {"しない", "通常", "強く"}, "幅線の凹凸制限"),
  };
}

std::vector<tmb::ui::Binding> CDlg267::Bindings() {
  using namespace tmb::ui;
  return {
      TextEdit(476, &m_strText, "文字"),
      RadioButtons({480, 304, 305}, &m_nMode, {"なし", "モード 1", "モード 2"}, "モード"),
      SignedEdit(483, &m_nValue, 0, 100, "値"),
      ActionButton(477, 1, "実行 1"),
      ActionButton(482, 2, "実行 2"),
      PushButton(481, "フォント"),
  };
}

void CDlg267::OnInitDialog(tmb::ui::DialogWindow& window) {
  for (int id : {483, 482, 486, 487}) window.EnableControl(id, m_nMode == 1);
  for (int id : {477, 481, 476, 485, 484}) window.EnableControl(id, m_nMode == 2);
}

void CDlg267::OnNotify(tmb::ui::DialogWindow& window, int id, tmb::ui::Notify code) {
  if (code != tmb::ui::Notify::kClicked) return;
  if (id == 481) {
    tmb::Font font = PlatformFontOf(m_font);
    if (tmb::ChooseFont(font)) TakePlatformFont(font, m_font);
    return;
  }
  if (id == 480 || id == 304 || id == 305) {
    window.form()->UpdateData(true);
    OnInitDialog(window);
  }
}
