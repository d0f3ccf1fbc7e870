// The region dialog (template 226): the region of the image editor or of the preview as
// six edits that keep each other consistent, and the list of recorded regions, which the
// list box always shows as it is. The window over the region dialog's data.
#pragma once

#include <string>
#include <vector>

#include "imageedit/editor/area_setting.h"
#include "platform/ui/dialog.h"

// The view a region dialog works on.
class CAreaTarget {
 public:
  virtual ~CAreaTarget() = default;
  // The view's region; false when it has none.
  virtual bool GetRegion(tmb::Rect& region) = 0;
  // Makes region the view's region (valid) and redraws the view.
  virtual void SetRegion(const tmb::Rect& region) = 0;
  // The whole picture (the image editor) or the whole paper (the preview) as region.
  virtual void SelectWhole() = 0;
};

class CAreaSettingDlg : public tmb::ui::ModalDialog {
 public:
  static constexpr int kList = 350;
  static constexpr int kRecord = 349;
  static constexpr int kDelete = 351;
  static constexpr int kSetByHand = 360;
  static constexpr int kTakeCurrent = 361;
  static constexpr int kSetWhole = 362;

  CAreaSettingDlg() : ModalDialog(226, "領域の設定") {}

  // Shows state; returns the dialog's result. Unless cancelled the state holds the
  // user's region and recorded list.
  int Run(CAreaSettingState& state);

  // The view the buttons work on; null: the image editor's or the preview's window as
  // the state's target says (tests give their own).
  CAreaTarget* m_pTarget = nullptr;

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
  void OnInitDialog(tmb::ui::DialogWindow& window) override;
  void OnNotify(tmb::ui::DialogWindow& window, int id, tmb::ui::Notify code) override;

 private:
  CAreaTarget* Target();
  // The edit id lost the focus: its value, when it reads as a number in range, moves the
  // others along; everything stays on the paper.
  void FieldLeft(tmb::ui::DialogWindow& window, int id);
  void ShowList(tmb::ui::DialogWindow& window);
  void TakeRecorded(tmb::ui::DialogWindow& window);

  CAreaSettingState* m_pState = nullptr;
  std::vector<std::string> m_lines;  // the list box: one line per recorded region
};

extern CAreaSettingDlg gAreaSettingDlg;

// The region dialog's runner, installed at start-up.
int RunAreaSettingWindow(CAreaSettingState& state);
