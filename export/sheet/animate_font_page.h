// The font correction page "フォント形状補正" (template 294): the edge emphasis, softness
// and outline smoothing that correct the shapes of a font's characters in an animation,
// and a switch that leaves the correction out for now.
#pragma once

#include "export/sheet/ani_page.h"

class CAnimateFont : public CAniPage {
  Q_OBJECT

 public:
  static constexpr int kEdgeEdit = 593;
  static constexpr int kSoftnessEdit = 595;
  static constexpr int kSmoothingEdit = 597;
  static constexpr int kOffCheck = 615;

  explicit CAnimateFont(CAniSheetValues& values);

 protected:
  std::vector<tmb::ui::Binding> PageBindings() override;
};
