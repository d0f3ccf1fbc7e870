// The document of the windows that hold no character of their own: the image editor, the
// zoom view and the preview. Their views work on global pictures and on the character
// documents; the document itself holds nothing, so it reports no changes of its own.
#pragma once

#include <functional>

#include "platform/ui/document.h"

class CDummyDoc final : public tmb::ui::Document {
  Q_OBJECT

 public:
  // The framework's new-document step; always succeeds.
  bool OnNewDocument() { return true; }

  // Saves the picture under a name the user chooses; true when it was saved. The save
  // belongs to the image editor's view, which hands it over here; without one there is
  // nothing to save.
  bool SaveImageAs();
  void SetImageSaver(std::function<bool()> saver) { m_saveImage = std::move(saver); }

 private:
  std::function<bool()> m_saveImage;
};
