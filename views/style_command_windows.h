// What the style commands of the drawing view ask of the windows around it: the shape
// sheet reloaded from the record and the preview brought forward and redrawn. The shell
// installs its own as those windows come; until then the calls do nothing.
#pragma once

class StyleCommandWindows {
 public:
  virtual ~StyleCommandWindows() = default;
  // The shape sheet of the current drawing window shows the record's values again.
  virtual void ReloadShapeSheet() {}
  // The preview window comes to the front.
  virtual void ShowPreview() {}
  // The preview window redraws at once from its picture.
  virtual void RedrawPreview() {}
};

// The installed windows; the default does nothing.
StyleCommandWindows& StyleWindows();
// Installs windows (not owned); nullptr restores the default.
void SetStyleCommandWindows(StyleCommandWindows* windows);
