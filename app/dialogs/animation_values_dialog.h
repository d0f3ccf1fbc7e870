// The box of animation values of template 220: frame count, names and folders, the
// output switches and three values with sliders. No command opens it.
#pragma once

#include <string>

#include "platform/ui/dialog.h"

class CDlg220 : public tmb::ui::ModalDialog {
 public:
  // 334 runs 0.0 to kMaxShift; its slider runs -n..n over it, n the frame count.
  static constexpr float kMaxShift = 5.0f;

  CDlg220() : ModalDialog(220, "Tamberi") {}

  int m_nSlider440 = 0;  // over 334
  int m_nSlider435 = 0;  // over 436
  int m_nSlider415 = 0;
  int m_nSlider414 = 0;
  int m_nSlider412 = 0;
  int m_nSlider413 = 0;
  int m_nSlider411 = 0;
  int m_nSlider409 = 0;  // over 402
  int m_nSlider333 = 0;
  unsigned m_nFrames = 0;  // 306
  std::string m_strName;   // 308
  int m_bCheck188 = 0;
  std::string m_strFolder;  // 320
  float m_fShift = 0;       // 334
  int m_nRadio367 = 0;
  unsigned m_nValue366 = 0;
  int m_nRadio368 = 0;
  int m_nRadio365 = 0;
  int m_nRadio369 = 0;
  int m_nRadio388 = 0;
  int m_bCheck393 = 0;
  int m_bCheck394 = 0;
  int m_nRadio389 = 0;
  unsigned m_nValue395 = 0;
  int m_nValue399 = 0;
  int m_nValue400 = 0;
  int m_nSplit = 0;  // 402
  int m_nRadio430 = 0;
  int m_bCheck431 = 0;
  int m_nStretch = 0;  // 436
  int m_bCheck437 = 0;
  int m_nValue438 = 0;

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
  void OnInitDialog(tmb::ui::DialogWindow& window) override;
  void OnNotify(tmb::ui::DialogWindow& window, int id, tmb::ui::Notify code) override;

 private:
  // The frame count as the slider over 334 uses it: never below 0.
  int SpanFrames() const;
};
