#include "platform/ui/radio_choice.h"

namespace tmb::ui {

Binding RadioChoice(int id, int* member, std::vector<std::string> buttons, std::string label) {
  std::vector<int> ids = {id};
  for (size_t i = 1; i < buttons.size(); ++i) ids.push_back(id + kSecondButton * int(i));
  return RadioButtons(std::move(ids), member, std::move(buttons), std::move(label));
}

}  // namespace tmb::ui
