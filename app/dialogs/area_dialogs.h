// The dialogs of sizes and areas on the paper: the scaling of a picture region (template
// 149, on the values the image effects keep), the reference lines (template 150), the placement of picture files (template 219)
// and the range a saved picture covers (template 323). Ranges that depend on the paper
// are taken from the work canvas each time a dialog opens.
#pragma once

#include <limits>
#include <string>
#include <vector>

#include "core/effect/effect_dialogs.h"
#include "platform/gdi/geometry.h"
#include "platform/ui/dialog.h"

// Shows the effects' scaling values (template 149).
class CZoomForm final : public tmb::ui::ModalDialog {
 public:
  static constexpr unsigned kMaxPercent = 500;
  static constexpr int kMaxEdge = 500;
  static constexpr int kMaxAngle = 359;

  CZoomForm() : ModalDialog(149, "拡大縮小") {}

  // Shows values; unless cancelled the user's input goes back into them.
  int Run(CZoomDlg& values);

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;

 private:
  CZoomDlg m_values;
};

class CGuideLineDlg : public tmb::ui::ModalDialog {
 public:
  static constexpr unsigned kMaxWidth = 1000;
  static constexpr unsigned kMaxHeight = 1500;
  static constexpr unsigned kMaxMargin = std::numeric_limits<unsigned>::max();
  static constexpr int kWidthEdit = 102, kHeightEdit = 103, kRightEdit = 105, kTopEdit = 108;

  CGuideLineDlg() : ModalDialog(150, "参考线") {}

  int m_bOption = 0;       // cleared when the dialog opens
  unsigned m_nWidth = 0;   // 102, with spin 172
  unsigned m_nHeight = 0;  // 103, with spin 173
  unsigned m_nRight = 0;   // 105: right margin, with spin 174
  unsigned m_nTop = 0;     // 108: top margin, with spin 175
  int m_nDisplay = 0;      // 132: only while selected / always / when matching a character

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
  void OnInitDialog(tmb::ui::DialogWindow& window) override;
};

class CImageFileSetDlg : public tmb::ui::ModalDialog {
 public:
  static constexpr int kMaxPosition = 10000;

  CImageFileSetDlg() : ModalDialog(219, "画像ファイルの設定") {}

  // Adds a line for box to list 350.
  void AddBox(const tmb::Rect& box);

  int m_nLeft = 0;        // 303: upper-left position
  int m_nTop = 0;         // 262
  int m_nArea = 0;        // 304: whole / set area only
  int m_nAfterLoad = 0;   // 305: paste by hand / at the given position / at the area's corner
  int m_nScreen = 0;      // 405: window A / B / preview / edit window / active window
  std::vector<std::string> m_boxes;  // 350

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
};

class CSaveRangeDlg : public tmb::ui::ModalDialog {
 public:
  CSaveRangeDlg() : ModalDialog(323, "输出选项") {}

  int m_nRange = 0;  // 480: 0 the whole picture, 1 the set area only

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
};

extern CGuideLineDlg gGuideLineDlg;
extern CSaveRangeDlg gSaveRangeDlg;
