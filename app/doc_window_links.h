// What the character documents of the engine ask of the windows, answered by the running
// application: documents by window kind, refreshes after a load, the main window's
// repaint after a file dialog.
#pragma once

#include "core/document/doc_windows.h"

class CDocWindowLinks final : public TmbDocWindows {
 public:
  CTmbDoc* DocumentOfKind(int kind) override;
  // The picture goes into the image editor, which opens for it.
  void LoadImageIntoView(int kind, int picture) override;
  void RefreshAfterLoad(int kind) override;
  void UpdateWindowAndSheets() override;
  void UpdateAllViews(CTmbDoc& doc) override;
};
