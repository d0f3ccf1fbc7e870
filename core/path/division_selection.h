// What point-path appends read of the morph engine's division table: the division-editing
// switch and, while a division is selected, its mode and point range. The morph engine's
// table (gDivisionTable) is the selection unless another is installed.
#pragma once

// The division-editing switch (0 off). Nothing in the path code sets it.
extern int gDivisionEditing;

class DivisionSelection {
 public:
  virtual ~DivisionSelection() = default;
  // The selection mode (1: the current division only, 2: from its end on) while the table
  // is active; 0 when it is not.
  virtual int ActiveMode() const { return 0; }
  // The point range [lo, hi) of the current division: from the previous division's end
  // (0 for the first) to the current division's end.
  virtual void GetCurrentRange(int& lo, int& hi) const {
    lo = 0;
    hi = 0;
  }
};

// The installed selection, or the morph engine's division table.
const DivisionSelection& CurrentDivisionSelection();
// Installs a selection (not owned); null restores the division table.
void InstallDivisionSelection(const DivisionSelection* selection);
