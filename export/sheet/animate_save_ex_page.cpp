#include "export/sheet/animate_save_ex_page.h"

#include "platform/ui/radio_choice.h"

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

void CAnimateSaveExPage::OnInitDialog() {
  if (QWidget* run = Control(kRunListButton)) run->setEnabled(false);
}
