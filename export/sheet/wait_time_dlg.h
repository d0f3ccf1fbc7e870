// "ウェイトタイム" (template 274): the wait of every frame, one line each; the selected
// lines take a value, are spread evenly between the first and the last selected, or all
// lines are refilled from the first, middle and last waits.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/record/char_data.h"
#include "platform/ui/dialog.h"

class QListWidget;

class CWaitTimeDlg : public tmb::ui::ModalDialog {
 public:
  static constexpr int kList = 522;
  static constexpr int kValueEdit = 524;
  static constexpr int kSetButton = 525;
  static constexpr int kSpreadButton = 526;  // "等差化"
  static constexpr int kResetButton = 527;

  CWaitTimeDlg() : ModalDialog(274, "ウェイトタイム") {}

  std::array<int32_t, kValueTableSize> m_waits{};  // 1/100 s, per frame
  int m_nCount = 0;                                // the frames listed
  int m_nFirst = 0, m_nMiddle = 0, m_nLast = 0;    // the simple waits
  int m_nValue = 10;                               // what "設定" gives

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
  void OnInitDialog(tmb::ui::DialogWindow& window) override;
  void OnNotify(tmb::ui::DialogWindow& window, int id, tmb::ui::Notify code) override;

 private:
  int Lines() const;
  // The list shows the waits again, keeping its selection.
  void ShowWaits(QListWidget& list) const;

  std::vector<std::string> m_lines;
};
