// The message service of the running program: message boxes titled with the program's
// name, with the buttons the style asks for, and the desktop's beep.
#pragma once

#include "platform/service/messages.h"

class QWidget;

namespace tmb::ui {

class MessageBoxService final : public MessageService {
 public:
  int Show(int id, const std::string& text, int style) override;
  void Beep() override;
};

}  // namespace tmb::ui
