// The file extension page "ファイル拡張" (template 300): the settings the continuous
// file processing inherits from the first file, its chaining, and the special split
// output of blocked regions.
#pragma once

#include "export/sheet/ani_page.h"

class CAnimateSaveExPage : public CAniPage {
  Q_OBJECT

 public:
  // "読込・実行": names the list file of the continuous file processing and confirms
  // the page; the run over the list is not made here.
  static constexpr int kRunListButton = 606;

  explicit CAnimateSaveExPage(CAniSheetValues& values);

 protected:
  std::vector<tmb::ui::Binding> PageBindings() override;
  void OnPageNotify(int id, tmb::ui::Notify code) override;

 private:
  void ReadAndRun();
};
