// One binding table drives a dialog or page: each line names a control id, its kind, the
// member it exchanges with and the inclusive range the member must keep. The same table
// lays the controls out and moves the values between members and controls.
#pragma once

#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "platform/gdi/geometry.h"

namespace tmb::ui {

enum class BindKind {
  kUnsigned, kSigned, kFloat, kText, kCheck, kRadio, kSlider, kCombo, kButton,
  kPush, kSpin, kList, kFrame, kSwatch, kLabel,
  kMultiText, kSelectList,
};

// What a control tells its dialog: a button was pressed (a radio button too) or a combo
// item chosen, a slider moved, an edit was left, a swatch took the focus, the text of an
// edit changed (each key, never while the dialog loads its controls), a line of a list
// was double-clicked.
enum class Notify { kClicked, kScroll, kKillFocus, kSetFocus, kChanged, kDoubleClick };

using BoundMember = std::variant<std::monostate, int*, unsigned*, float*, std::string*, std::vector<std::string>*>;

struct Binding {
  int id = 0;
  BindKind kind = BindKind::kText;
  BoundMember member;
  double min = 0;                    // inclusive range of numbers and sliders
  double max = 0;
  std::string label;                 // text beside the control, or the group's caption
  std::vector<std::string> options;  // radio buttons (ids id, id + 1, ...) or combo items
  int buddy = 0;                     // slider, spin: the edit it mirrors; button: its action number
  int beside = 0;                    // slider, spin: the edit whose row it stands in, right of it
  int factor = 1;                    // slider: its edit shows the position times factor
  std::vector<int> ids;              // radio buttons whose ids do not follow each other
  std::function<Colour()> colour;    // swatch: the colour it shows, read at each paint
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
// A slider whose edit shows the position times factor and which stands at the edit's
// value divided by factor (rounded toward zero); member, when given, gets the edit's value.
Binding ScaledSlider(int id, int* member, int min, int max, int buddy, int factor, std::string label);
// A slider that stands beside edit, which its dialog keeps in step with it on a scale of
// its own: the form mirrors nothing between them.
Binding SliderBeside(int id, int* member, int min, int max, int edit, std::string label);
Binding ComboIndex(int id, int* member, std::vector<std::string> items, std::string label);
// A button that stores action into the dialog's action member and ends it as OK does.
Binding ActionButton(int id, int action, std::string label);

// Radio buttons with the listed ids, in order; member holds the index, -1 for none.
Binding RadioButtons(std::vector<int> ids, int* member, std::vector<std::string> buttons, std::string label);
// A button that tells the dialog and leaves it open.
Binding PushButton(int id, std::string label);
// Up and down arrows that step the number in edit buddy within min..max.
Binding SpinButton(int id, int buddy, int min, int max);
// A list of lines, shown as they stand in member; the user does not edit it.
Binding ListBox(int id, std::vector<std::string>* member, std::string label);
// A captioned frame around a part of the dialog.
Binding GroupFrame(int id, std::string label);
// A field painted all over in colour(); it shows no text and tells the dialog when it
// takes the focus.
Binding Swatch(int id, std::function<Colour()> colour, std::string label);
// A fixed text.
Binding Label(int id, std::string text);
// Free text over several lines (line ends kept as typed).
Binding MultiLineEdit(int id, std::string* member, std::string label);
// A list of lines the user selects from (several at once when multiple is set) and
// double-clicks; list_rows.h reads and sets the selection.
Binding SelectList(int id, std::vector<std::string>* member, bool multiple, std::string label);

}  // namespace tmb::ui
