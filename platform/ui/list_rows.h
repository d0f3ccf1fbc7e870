// The lines and the selection of a list box made by a binding table, for the dialogs
// that change a list while it is shown and act on the lines the user selected.
#pragma once

#include <string>
#include <vector>

class QFont;
class QWidget;

namespace tmb::ui {

// Shows lines in the list control; rows still present stay selected. Nothing for a
// control that is no list.
void SetListLines(QWidget* control, const std::vector<std::string>& lines);
// The selected rows in ascending order; none for a control that is no list.
std::vector<int> SelectedRows(QWidget* control);
// The first selected row (the one of a single-selection list); -1 when none.
int SelectedRow(QWidget* control);
// Selects exactly rows (rows outside the list are ignored).
void SelectRows(QWidget* control, const std::vector<int>& rows);
// The font of lists whose lines are laid out in columns: the desktop's fixed-pitch font.
QFont ListFont();

}  // namespace tmb::ui
