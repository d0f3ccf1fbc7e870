// The document of the windows that hold no character of their own: the image editor, the
// zoom view and the preview. Their views work on global pictures and on the character
// documents; the document itself holds nothing, so it reports no changes of its own.
#pragma once

#include <functional>

#include "app/char_document.h"

class CDummyDoc final : public PictureDocument {
  Q_OBJECT

 public:
  // The framework's new-document step; always succeeds.
  bool OnNewDocument() { return true; }

  // The picture's save belongs to the image editor's view, which hands it over here;
  // without one there is nothing to save.
  void SaveImageAs() override;
  void SetImageSaver(std::function<bool()> saver) { m_saveImage = std::move(saver); }

 private:
  std::function<bool()> m_saveImage;
};
