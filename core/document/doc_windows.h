// What the character document asks of the windows: the document of a window kind, and
// the views and frames it refreshes around a load. The application installs its own;
// until then no window has a document and the view calls do nothing.
#pragma once

#include <string>

class CCharDataFull;
class CTmbDoc;

class TmbDocWindows {
 public:
  virtual ~TmbDocWindows() = default;
  // The document that serves window kind (kind -1: the current drawing window); null
  // when that window has none.
  virtual CTmbDoc* DocumentOfKind(int /*kind*/) { return nullptr; }
  // The view of drawing window kind shows background picture `picture` (0 or 1) from
  // the path in text 3 or 4 of its document's drawn record (an empty path shows none).
  virtual void LoadImageIntoView(int /*kind*/, int /*picture*/) {}
  // The view of drawing window kind after a load filled its record: title, sheets,
  // settings pane and the character repainted.
  virtual void RefreshAfterLoad(int /*kind*/) {}
  // The main window and the shape sheets repainted at once after a file dialog.
  virtual void UpdateWindowAndSheets() {}
  // Every view of doc shows it again.
  virtual void UpdateAllViews(CTmbDoc& /*doc*/) {}
  // path became the current character data file by a full load or a save.
  virtual void NoteCurrentFile(const std::string& /*path*/) {}
};

// The installed windows; the empty default until another is set.
TmbDocWindows& DocWindows();
// Installs windows (not owned); nullptr restores the default.
void SetTmbDocWindows(TmbDocWindows* windows);
// The document of window kind, through the installed windows.
CTmbDoc* TmbDocOfKind(int kind);
// The drawn record of the document of window kind, or null when that window has none.
CCharDataFull* DrawnRecordOfKind(int kind);
