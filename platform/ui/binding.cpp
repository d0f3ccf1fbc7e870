#include "platform/ui/binding.h"

namespace tmb::ui {
namespace {

Binding Line(int id, BindKind kind, BoundMember member, double min, double max, std::string label,
             std::vector<std::string> options = {}, int buddy = 0) {
  Binding b;
  b.id = id;
  b.kind = kind;
  b.member = member;
  b.min = min;
  b.max = max;
  b.label = std::move(label);
  b.options = std::move(options);
  b.buddy = buddy;
  return b;
}

}  // namespace

Binding UnsignedEdit(int id, unsigned* member, unsigned min, unsigned max, std::string label) {
  return Line(id, BindKind::kUnsigned, member, double(min), double(max), std::move(label));
}

Binding SignedEdit(int id, int* member, int min, int max, std::string label) {
  return Line(id, BindKind::kSigned, member, double(min), double(max), std::move(label));
}

Binding FloatEdit(int id, float* member, float min, float max, std::string label) {
  return Line(id, BindKind::kFloat, member, double(min), double(max), std::move(label));
}

Binding TextEdit(int id, std::string* member, std::string label) {
  return Line(id, BindKind::kText, member, 0, 0, std::move(label));
}

Binding CheckBox(int id, int* member, std::string label) {
  return Line(id, BindKind::kCheck, member, 0, 1, std::move(label));
}

Binding RadioGroup(int id, int* member, std::vector<std::string> buttons, std::string label) {
  double last = double(buttons.size()) - 1;
  return Line(id, BindKind::kRadio, member, -1, last, std::move(label), std::move(buttons));
}

Binding Slider(int id, int* member, int min, int max, int buddy, std::string label) {
  Binding b = Line(id, BindKind::kSlider, member, double(min), double(max), std::move(label), {}, buddy);
  b.beside = buddy;
  return b;
}

Binding ScaledSlider(int id, int* member, int min, int max, int buddy, int factor, std::string label) {
  Binding b = Slider(id, member, min, max, buddy, std::move(label));
  b.factor = factor == 0 ? 1 : factor;
  return b;
}

Binding SliderBeside(int id, int* member, int min, int max, int edit, std::string label) {
  Binding b = Slider(id, member, min, max, 0, std::move(label));
  b.beside = edit;
  return b;
}

Binding ComboIndex(int id, int* member, std::vector<std::string> items, std::string label) {
  double last = double(items.size()) - 1;
  return Line(id, BindKind::kCombo, member, -1, last, std::move(label), std::move(items));
}

Binding ActionButton(int id, int action, std::string label) {
  return Line(id, BindKind::kButton, std::monostate{}, 0, 0, std::move(label), {}, action);
}

Binding RadioButtons(std::vector<int> ids, int* member, std::vector<std::string> buttons, std::string label) {
  Binding b = RadioGroup(ids.empty() ? 0 : ids.front(), member, std::move(buttons), std::move(label));
  b.ids = std::move(ids);
  return b;
}

Binding PushButton(int id, std::string label) {
  return Line(id, BindKind::kPush, std::monostate{}, 0, 0, std::move(label));
}

Binding SpinButton(int id, int buddy, int min, int max) {
  Binding b = Line(id, BindKind::kSpin, std::monostate{}, double(min), double(max), {}, {}, buddy);
  b.beside = buddy;
  return b;
}

Binding ListBox(int id, std::vector<std::string>* member, std::string label) {
  return Line(id, BindKind::kList, member, 0, 0, std::move(label));
}

Binding GroupFrame(int id, std::string label) {
  return Line(id, BindKind::kFrame, std::monostate{}, 0, 0, std::move(label));
}

Binding Swatch(int id, std::function<Colour()> colour, std::string label) {
  Binding b = Line(id, BindKind::kSwatch, std::monostate{}, 0, 0, std::move(label));
  b.colour = std::move(colour);
  return b;
}

Binding Label(int id, std::string text) { return Line(id, BindKind::kLabel, std::monostate{}, 0, 0, std::move(text)); }

Binding MultiLineEdit(int id, std::string* member, std::string label) {
  return Line(id, BindKind::kMultiText, member, 0, 0, std::move(label));
}

Binding SelectList(int id, std::vector<std::string>* member, bool multiple, std::string label) {
  // max tells the list how many lines may be selected at once.
  return Line(id, BindKind::kSelectList, member, 0, multiple ? 2 : 1, std::move(label));
}

}  // namespace tmb::ui
