// One binding table drives a dialog or page: each line names a control id, its kind, the
// member it exchanges with and the inclusive range the member must keep. The same table
// lays the controls out and moves the values between members and controls.
#pragma once

#include <string>
#include <variant>
#include <vector>

namespace tmb::ui {

enum class BindKind { kUnsigned, kSigned, kFloat, kText, kCheck, kRadio, kSlider, kCombo, kButton };

using BoundMember = std::variant<std::monostate, int*, unsigned*, float*, std::string*>;

struct Binding {
  int id = 0;
  BindKind kind = BindKind::kText;
  BoundMember member;
  double min = 0;                    // inclusive range of numbers and sliders
  double max = 0;
  std::string label;                 // text beside the control, or the group's caption
  std::vector<std::string> options;  // radio buttons (ids id, id + 1, ...) or combo items
  int buddy = 0;                     // slider: the edit it mirrors; button: its action number
};

Binding UnsignedEdit(int id, unsigned* member, unsigned min, unsigned max, std::string label);
Binding SignedEdit(int id, int* member, int min, int max, std::string label);
Binding FloatEdit(int id, float* member, float min, float max, std::string label);
Binding TextEdit(int id, std::string* member, std::string label);
Binding CheckBox(int id, int* member, std::string label);
// The index of the chosen button in member, -1 for none.
Binding RadioGroup(int id, int* member, std::vector<std::string> buttons, std::string label);
// A slider whose moves are written into member and, as a decimal number, into edit buddy.
Binding Slider(int id, int* member, int min, int max, int buddy, std::string label);
Binding ComboIndex(int id, int* member, std::vector<std::string> items, std::string label);
// A button that stores action into the dialog's action member and ends it as OK does.
Binding ActionButton(int id, int action, std::string label);

}  // namespace tmb::ui
