#include "platform/ui/binding.h"

namespace tmb::ui {

Binding UnsignedEdit(int id, unsigned* member, unsigned min, unsigned max, std::string label) {
  return {id, BindKind::kUnsigned, member, double(min), double(max), std::move(label), {}, 0};
}

Binding SignedEdit(int id, int* member, int min, int max, std::string label) {
  return {id, BindKind::kSigned, member, double(min), double(max), std::move(label), {}, 0};
}

Binding FloatEdit(int id, float* member, float min, float max, std::string label) {
  return {id, BindKind::kFloat, member, double(min), double(max), std::move(label), {}, 0};
}

Binding TextEdit(int id, std::string* member, std::string label) {
  return {id, BindKind::kText, member, 0, 0, std::move(label), {}, 0};
}

Binding CheckBox(int id, int* member, std::string label) {
  return {id, BindKind::kCheck, member, 0, 1, std::move(label), {}, 0};
}

Binding RadioGroup(int id, int* member, std::vector<std::string> buttons, std::string label) {
  double last = double(buttons.size()) - 1;
  return {id, BindKind::kRadio, member, -1, last, std::move(label), std::move(buttons), 0};
}

Binding Slider(int id, int* member, int min, int max, int buddy, std::string label) {
  return {id, BindKind::kSlider, member, double(min), double(max), std::move(label), {}, buddy};
}

Binding ComboIndex(int id, int* member, std::vector<std::string> items, std::string label) {
  double last = double(items.size()) - 1;
  return {id, BindKind::kCombo, member, -1, last, std::move(label), std::move(items), 0};
}

Binding ActionButton(int id, int action, std::string label) {
  return {id, BindKind::kButton, std::monostate{}, 0, 0, std::move(label), {}, action};
}

}  // namespace tmb::ui
