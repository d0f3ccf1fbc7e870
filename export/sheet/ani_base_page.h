// The motion page "動作" (template 257): frames, morphing and warping, direction, the
// conversion degree's median, split position, stretch, the style of the transition
// frames and, through its own dialog, the medians of six more bars.
#pragma once

#include <string>
#include <vector>

#include "export/sheet/ani_page.h"

// The conversion styles the transition frames may take, as the motion pages list them.
std::vector<std::string> TransitionStyleNames();

class CAniBasePage : public CAniPage {
  Q_OBJECT

 public:
  static constexpr int kFramesEdit = 306;
  static constexpr int kFramesSpin = 411;
  static constexpr int kMedianButton = 605;
  static constexpr int kShowButton = 403;  // "表示": confirms, then shows the animation

  explicit CAniBasePage(CAniSheetValues& values);
  bool StoresOnConfirm() const override { return false; }
  // Leaving the page fits the file page's waits to a changed frame count.
  bool OnKillActive() override;

 protected:
  std::vector<tmb::ui::Binding> PageBindings() override;
  void OnPageNotify(int id, tmb::ui::Notify code) override;
};
