// The file extension page "ファイル拡張" (template 300): the settings the continuous
// file processing inherits from the first file, its chaining, and the special split
// output of blocked regions.
#pragma once

#include "export/sheet/ani_page.h"

class CAnimateSaveExPage : public CAniPage {
  Q_OBJECT

 public:
  // "読込・実行": the continuous file processing, which this program does not run.
  static constexpr int kRunListButton = 606;

  explicit CAnimateSaveExPage(CAniSheetValues& values);

 protected:
  std::vector<tmb::ui::Binding> PageBindings() override;
  void OnInitDialog() override;
};
