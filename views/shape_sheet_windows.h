// What the drawing views ask of the shape sheets floating over them: a sheet's pages
// taken into its window's record, a sheet showing its record again after the record
// changed under it, and both sheets hidden. The main frame installs its own with the
// sheets; until then there are no sheets and the calls do nothing.
#pragma once

class ShapeSheetWindows {
 public:
  virtual ~ShapeSheetWindows() = default;
  // When the sheet of drawing window kind is shown and was the last in front, its pages
  // go into that window's record (no redraw); whether they did.
  virtual bool ApplySheetOf(int /*kind*/) { return false; }
  // The sheet of drawing window kind, when shown, shows every page from its record
  // again; whether it was shown.
  virtual bool ReloadSheetOf(int /*kind*/) { return false; }
  // The sheets of windows A and B are hidden.
  virtual void HideSheets() {}
};

// The installed sheets; the default does nothing.
ShapeSheetWindows& SheetWindows();
// Installs sheets (not owned); nullptr restores the default.
void SetShapeSheetWindows(ShapeSheetWindows* windows);
