// Menu resources: each menu is a table of lines. A popup line opens a sub-menu whose
// lines follow it one level deeper; an id of 0 is a separator.
#pragma once

#include <cstddef>
#include <span>

namespace tmb {

constexpr int kMenuPopup = -1;

// Menu resource ids.
constexpr int kMenuMain = 128;       // the main window without a child window
constexpr int kMenuCharacter = 1233; // drawing windows, settings and preview
constexpr int kMenuPicture = 1229;   // image editor and zoom
constexpr int kMenuViewPopups = 227; // the drawing views' popup menus, by position

// Popups of kMenuViewPopups.
enum ViewPopup {
  kPopupPreview = 2,
  kPopupEdit = 3,
  kPopupCopyDirection = 5,
  kPopupConverted = 6,
  kPopupDrawing = 11,
};

struct MenuLine {
  int level;         // 0 for the menu bar's own popups
  int id;            // command id, kMenuPopup or 0 (separator)
  const char* text;  // with & before the access key
};

// The lines of menu id; empty when the resources hold no such menu.
std::span<const MenuLine> FindMenuResource(int id);

}  // namespace tmb
