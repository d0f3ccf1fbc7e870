// The file page "ファイル" (template 292): the file-name base and save folder, the frame
// pictures and movies to write, the save range and margins, and the waits of the
// frames, simple or one per frame through their own dialog.
#pragma once

#include "export/sheet/ani_page.h"

class CAniSavePage : public CAniPage {
  Q_OBJECT

 public:
  static constexpr int kBaseEdit = 308;
  static constexpr int kFolderEdit = 320;
  static constexpr int kBrowseButton = 314;
  static constexpr int kAviCheck = 393;
  static constexpr int kWaitButton = 523;
  static constexpr int kRegionButton = 398;
  static constexpr int kTestCheck = 439;

  explicit CAniSavePage(CAniSheetValues& values);
  // The page of the most controls.
  int Columns() const override { return 3; }

 protected:
  std::vector<tmb::ui::Binding> PageBindings() override;
  void OnInitDialog() override;
  void OnPageNotify(int id, tmb::ui::Notify code) override;

 private:
  void Browse();
  void EditWaits();
  void EditRegion();
};
