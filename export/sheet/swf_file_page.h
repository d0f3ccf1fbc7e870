// The SWF page "swfファイル" (template 282): what the movie of a character's outlines
// carries and how its shapes are filled and lined.
#pragma once

#include "export/sheet/ani_page.h"

class CSwfFilePage : public CAniPage {
  Q_OBJECT

 public:
  explicit CSwfFilePage(CAniSheetValues& values);

 protected:
  std::vector<tmb::ui::Binding> PageBindings() override;
  void OnInitDialog() override;
};
