// The controls of a binding table, laid out one per row with their labels (in columns
// side by side where asked), and the data exchange between them and the bound members.
#pragma once

#include <QWidget>

class QGridLayout;
class QLineEdit;
#include <functional>
#include <map>
#include <set>
#include <vector>

#include "platform/ui/binding.h"

namespace tmb::ui {

// Tells that the number typed into edit lies outside min..max (61502 for a fractional
// number, else 61501) and gives the edit back the focus with its text selected.
void RefuseNumber(QLineEdit& edit, double min, double max, bool fractional);

class BindingForm : public QWidget {
  Q_OBJECT

 public:
  // With columns above 1 the rows are shared out over that many columns of about equal
  // height, in table order.
  explicit BindingForm(std::vector<Binding> table, QWidget* parent = nullptr, int columns = 1);

  // Saving (true): controls to members, each number checked against its range; on the
  // first bad one the range message is shown, the focus goes back to that control and
  // the result is false with the members from that one on left as they were. Only
  // controls the user changed since the last exchange are saved: the others leave their
  // members as they are, even a value outside the control's range. Loading (false):
  // members to controls; a number outside its range shows the nearest one in range, a
  // radio value that names no button checks none.
  bool UpdateData(bool save);
  // The control of id (a radio group's buttons have ids id, id + 1, ...).
  QWidget* Control(int id) const;
  // The table the form was built from.
  const std::vector<Binding>& table() const { return table_; }
  // Called with the action number when an action button is pressed.
  void SetActionHandler(std::function<void(int)> handler) { onAction_ = std::move(handler); }
  // Called with the control id when a control tells its dialog something.
  void SetNotifyHandler(std::function<void(int, Notify)> handler) { onNotify_ = std::move(handler); }

 private:
  void Build();
  // The rows of the table in their grids, one column or several side by side.
  void BuildRows();
  void AddRow(QGridLayout& grid, int row, const Binding& b);
  // The height of a binding's row, in rows of one line.
  static int RowUnits(const Binding& b);
  bool SaveOne(const Binding& b);
  void LoadOne(const Binding& b);
  QWidget* BuildRadio(const Binding& b);
  QWidget* BuildControl(const Binding& b);
  void MirrorSlider(const Binding& slider, int position);
  // An edit that a slider or spin mirrors moves it when the user leaves the edit (spins
  // also follow each number typed: spinsOnly).
  void MirrorEdit(int editId, bool spinsOnly = false);
  void Tell(int id, Notify code);
  // The control of binding id changed since the last exchange (not by a load).
  void Touch(int id);
  // An edit's text changed: told unless the form is loading its controls.
  void TellChange(int id);

  std::vector<Binding> table_;
  int columns_ = 1;
  std::map<int, QWidget*> controls_;
  // The bindings whose controls changed since they were last loaded or saved.
  std::set<int> touched_;
  bool loading_ = false;
  std::function<void(int)> onAction_;
  std::function<void(int, Notify)> onNotify_;
  // The arrows and the slider of an edit stand in its row, right of it, the slider's
  // caption after it.
  void PlaceBesideEdits();
};

}  // namespace tmb::ui
