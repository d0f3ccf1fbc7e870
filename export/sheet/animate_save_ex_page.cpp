#include "export/sheet/animate_save_ex_page.h"

#include "core/state/mouse_messages.h"
#include "export/animation/anim_sheet_copies.h"
#include "platform/service/file_chooser.h"
#include "platform/ui/radio_choice.h"

namespace {

constexpr char kListFilter[] = "(*.txt;*.doc;)|*.txt;*.doc;|(*.*)|*.*||";

}  // namespace

CAnimateSaveExPage::CAnimateSaveExPage(CAniSheetValues& values)
    : CAniPage(300, "ファイル拡張", kAnimPageSaveEx, values) {}

std::vector<tmb::ui::Binding> CAnimateSaveExPage::PageBindings() {
  using namespace tmb::ui;
  CAnimateSaveExValues& v = m_values.saveEx;
  return {
      CheckBox(609, &v.m_bInheritArea, "第一ファイルからの設定継承: 保存領域"),
      CheckBox(608, &v.m_bInheritName, "第一ファイルからの設定継承: 保存ファイル名"),
      RadioChoice(607, &v.m_nChain, {"連鎖", "一組ごと"}, "構成"),
      RadioChoice(617, &v.m_nSplitOutput, {"OFF", "位置分割", "ステップ分割"}, "ブロック設定時の特殊分割出力"),
      PushButton(kRunListButton, "読込・実行"),
  };
}

void CAnimateSaveExPage::OnPageNotify(int id, tmb::ui::Notify code) {
  if (code == tmb::ui::Notify::kClicked && id == kRunListButton) ReadAndRun();
}

void CAnimateSaveExPage::ReadAndRun() {
  tmb::FileChoice choice;
  choice.filter = kListFilter;
  choice.defaultExtension = "txt";
  std::string path;
  const bool chosen = tmb::Choosers().OpenFile(choice, path);
  FlushMouseMessages();
  if (!chosen || !UpdateData(true)) return;
  // Kept also when no drawn record takes the confirmed page.
  StoreAnimChain(m_values.saveEx);
  gAnimListFile = path;
  Confirm();
}
