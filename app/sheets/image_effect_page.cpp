#include "app/sheets/image_effect_page.h"

#include <climits>

#include "core/file/path_helpers.h"
#include "core/file/stored_path.h"
#include "core/record/char_data_full.h"
#include "core/state/draw_state.h"
#include "platform/service/file_chooser.h"
#include "platform/text/code_page.h"

namespace {

constexpr char kScriptFilter[] = "(ef*.txt)|ef*.txt|(*.txt)|*.txt|(*.*)|*.*||";
constexpr int kSaveUnderName = 1;
constexpr int kSaveAskingName = 2;

}  // namespace

std::vector<tmb::ui::Binding> CImageEffectPage::PageBindings() {
  using namespace tmb::ui;
  ImageEffectValues& v = m_values;
  return {
      CheckBox(392, &v.m_bApply, "効果を掛ける"),
      SignedEdit(390, &v.m_nMarginX, INT_MIN, INT_MAX, "余白: 横"),
      SignedEdit(391, &v.m_nMarginY, INT_MIN, INT_MAX, "余白: 縦"),
      SignedEdit(326, &v.m_nSampleX, INT_MIN, INT_MAX, "指定点 X (左上から)"),
      SignedEdit(327, &v.m_nSampleY, INT_MIN, INT_MAX, "指定点 Y (左上から)"),
      // 326 and 390 belong to edits, so the second buttons take ids of their own.
      RadioButtons({325, 710}, &v.m_nBackground, {"用紙色", "指定点の色"}, "効果に使う背景色"),
      RadioButtons({389, 711, 712}, &v.m_nArea, {"自動設定", "指定領域", "全範囲"}, "効果範囲"),
      TextEdit(kFileEdit, &v.m_strFile, "効果定義ファイル"),
      PushButton(kChangeFile, "ファイル変更"),
      PushButton(kEditScript, "編集"),
      PushButton(kSaveScript, "保存"),
  };
}

void CImageEffectPage::OnControlNotify(int id, tmb::ui::Notify code) {
  if (code != tmb::ui::Notify::kClicked || !m_pRecord) return;
  switch (id) {
    case kChangeFile: ChangeFile(); break;
    case kEditScript: EditScript(); break;
    case kSaveScript: SaveScript(); break;
    default: break;
  }
}

void CImageEffectPage::ChangeFile() {
  if (!ExchangeValues(true)) return;
  tmb::FileChoice choice;
  choice.filter = kScriptFilter;
  choice.fileName = "*.txt";
  choice.defaultExtension = "txt";
  choice.folder = m_values.m_strFile.empty() ? gDrawState.m_szLastFolder
                                             : GetDirectoryOfPath(ResolveStoredPath(tmb::Utf8ToSjisLossy(m_values.m_strFile)));
  std::string path;
  if (!tmb::Choosers().OpenFile(choice, path)) return;
  CEffectDef& effect = m_pRecord->m_effect;
  effect.m_strFile = tmb::Utf8ToSjisLossy(path);
  // A file that cannot run is told about; its name stays, as the user chose it.
  effect.ReportScript(effect.Reload(1));
  m_values.m_strFile = path;
  ShowValues();
}

void CImageEffectPage::EditScript() {
  if (!ExchangeValues(true)) return;
  std::string name = tmb::Utf8ToSjisLossy(m_values.m_strFile);
  if (m_pRecord->m_effect.EditScript(name) != 1) return;
  m_values.m_strFile = tmb::SjisToUtf8Lossy(name);
  ShowValues();
}

void CImageEffectPage::SaveScript() {
  if (!ExchangeValues(true)) return;
  std::string name = tmb::Utf8ToSjisLossy(m_values.m_strFile);
  if (m_pRecord->m_effect.SaveScriptAs(name, name.empty() ? kSaveAskingName : kSaveUnderName) != 1) return;
  m_values.m_strFile = tmb::SjisToUtf8Lossy(name);
  ShowValues();
}
