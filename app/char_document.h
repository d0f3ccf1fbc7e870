// What the shell asks of the character document of a drawing window: open, load, save
// and whether it holds changes.
#pragma once

#include <string>

#include "platform/ui/document.h"

class CCharDataFull;

class CharDocument : public tmb::ui::Document {
  Q_OBJECT

 public:
  // Loads a character data file (mode 0: as the file says); 1 loaded, 0 failed (the
  // failure has been reported).
  virtual int LoadFile(const std::string& path, int mode) = 0;
  // Loads a file dropped on the main window.
  virtual void LoadDroppedFile(const std::string& path) = 0;
  // The open dialog and the load of the chosen file.
  virtual void OpenFileDialog() = 0;
  // The settings of a chosen file only, keeping the characters and the current file.
  virtual void OnOneTouchConvert() = 0;
  // Keeps a copy of the drawn character for the Edit menu's restore.
  virtual void TempSave() = 0;
  virtual void SaveAs() = 0;
  virtual void SaveToCurrentPath() = 0;
  // Whether the document has a file to save to.
  virtual bool HasPath() const = 0;
  // The drawn character record of the window.
  virtual CCharDataFull* DrawnRecord() = 0;
};

// The document of the image editor, the zoom view and the preview.
class PictureDocument : public tmb::ui::Document {
  Q_OBJECT

 public:
  // Saves the picture under a name the user chooses.
  virtual void SaveImageAs() = 0;
};
