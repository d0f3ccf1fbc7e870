// The small floating window of the animation sheet. Closing it only hides it, through
// its owner.
#pragma once

#include <functional>

#include "platform/ui/mini_frame.h"

class CAniPSheet;

class CAniSheetFrame : public tmb::ui::MiniFrame {
  Q_OBJECT

 public:
  CAniSheetFrame(const QString& title, QWidget* owner);

  CAniPSheet* m_pSheet = nullptr;  // owned as the frame's content
  std::function<void()> m_onClose;

 protected:
  void closeEvent(QCloseEvent* event) override;
};
