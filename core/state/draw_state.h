// The one application-wide state object: mode flags, the current drawing window, the
// character windows of a file, the canvas origin, profile values and start-up paths.
// The shell fills it at start-up; every subsystem reads it.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "core/canvas/work_bitmap.h"
#include "core/state/registration_panel.h"
#include "core/state/screen_metrics.h"
#include "platform/gdi/font.h"
#include "platform/gdi/geometry.h"

// Window kinds: the small integers that name the windows.
enum WindowKind {
  kKindCurrentDraw = -1,  // the current drawing window, A or B
  kKindDrawA = 0,
  kKindImageEditor = 1,
  kKindDrawB = 2,
  kKindPreview = 3,
  kKindFontAxis = 4,
  kKindSettings = 5,
  kKindDataTree = 6,
  kKindZoom = 7,
};

// Entries of the window-layout table that the window layout fills.
enum LayoutEntry {
  kLayoutDrawPane = 0,
  kLayoutPicturePane = 1,
  kLayoutPreviewFrame = 3,
  kLayoutListFrame = 4,
  kLayoutPanelPane = 5,
  kLayoutTreePane = 6,
  kLayoutZoomPane = 7,
  kLayoutFrameA = 10,
  kLayoutFrameB = 11,
  kLayoutEditorFrame = 12,
};

// Start modes of the start file.
enum StartLoadMode { kStartDefault1 = 0, kStartDefault2 = 1, kStartNamedFile = 2 };

// The first system version whose pointer takes a speed (major x 100 + minor): older ones
// take acceleration thresholds, and change the pointer for the pen unless told not to.
inline constexpr int kPointerSpeedVersion = 501;

class CDrawState {
 public:
  static constexpr size_t kLayoutEntries = 75;
  static constexpr size_t kWindowFlags = 15;
  static constexpr size_t kMaxBoxes = 60;
  static constexpr int kMinMaxDataSize = 1;
  static constexpr int kMaxMaxDataSize = 4;
  static constexpr int kPointsPerDataSize = 32000;
  static constexpr int kMinPoints = 32000;
  static constexpr int kMaxPointsLimit = 320000;
  // The paper sizes the settings dialogs accept.
  static constexpr int kMinCanvasSide = 300;
  static constexpr int kMaxCanvasSide = 3000;
  static constexpr int kDefaultCanvasWidth = 500;
  static constexpr int kDefaultCanvasHeight = 750;
  // Background colour schemes, A, B, preview, editor: row 0 the defaults.
  static constexpr tmb::Colour kBackSchemes[2][4] = {
      {0x408060, 0x306038, 0xFFC080, 0x404080},
      {0xA0A0A0, 0xC0C0C0, 0x808080, 0x404040},
  };

  CDrawState();
  // Back to the construction values (tests start from here).
  void Reset();

  // Screen measure: resolution, text row height and the canvas rectangle. Returns 1.
  int MeasureScreen(const ScreenMetrics& metrics);
  // Window layout from the main window's client rectangle.
  void LayoutWindows(const tmb::Rect& client, const ScreenMetrics& metrics);
  // Canvas start-up: point capacity, work canvas (whose store folder is the user's data
  // folder) and its bitmaps, screen measure, the work bitmap. 1, or -1 on failure (the
  // user was told).
  int StartCanvas(const ScreenMetrics& metrics);
  // The kind a lookup of kind -1 means: window B whenever the current drawing kind is
  // non-zero, else window A. Other kinds are returned as they are. View and document
  // lookups both go through here so that they never pair B's view with A's document.
  int ResolveKind(int kind) const;
  // Applies row 0 or 1 of the background colour schemes.
  void ApplyBackScheme(int row);
  // The registration panel shown (on 1) or hidden (0), its text box taking the keyboard
  // while it is shown.
  void SetRegistrationFlags(int on);

  tmb::Rect m_rcMainClient{};  // main client area less the toolbar and status bar
  int m_bMultiDoc = 0;         // 1: every window kind has its own document
  std::array<tmb::Rect, kLayoutEntries> m_layout{};
  // Window flags by kind: 0 once the drawing window of that kind was closed.
  std::array<int, kWindowFlags> m_windowOpen{};
  int m_nCurDrawKind = 0;   // 0 window A, 2 window B (1 and 4 from two sheet commands)
  int m_nCreatingKind = 0;  // kind of the frame being created
  tmb::Colour m_crBackA = kBackSchemes[0][0];
  tmb::Colour m_crBackEdit = kBackSchemes[0][3];
  tmb::Colour m_crBackB = kBackSchemes[0][1];
  tmb::Colour m_crBackPreview = kBackSchemes[0][2];
  tmb::Colour m_crTabletPen = 0xFF0000;
  CWorkBitmap m_bmpClipboard;  // the picture last put on the clipboard; released at close
  int m_bClipboardOwned = 0;
  CWorkBitmap m_bmpWork;       // a work bitmap of the canvas size, made by the canvas start-up
  int m_nCharWindows = 2;     // character windows that make up one file and animation
  std::array<int, 8> m_charWindowKinds{0, 2};
  tmb::Point m_ptCanvasOrigin{32, 32};
  tmb::Rect m_rcCanvas{};
  int m_nWinVersion = kPointerSpeedVersion;  // major x 100 + minor of the system the program emulates
  int m_nProgramVersion = 400;
  int m_nDataVersion = 400;   // data version of the last character block read
  int m_nMaxDataSize = 1;     // size class of the point buffers, 1 to 4
  int m_nStartSetting = 1;    // 0: the start-settings dialog is shown at start-up
  tmb::Size m_sizeScreen{};
  int m_nAveCharWidth = 0;
  int m_nRowHeight = 0;       // the unit of the window layout
  int m_nPanelWidth = 0;      // 7 rows
  std::vector<tmb::Rect> m_boxes;  // user boxes of the area dialog, at most kMaxBoxes
  CRegistrationPanel m_toolPanel;
  int m_nDisplayBits = 32;
  int m_nMaxPoints = 32000;   // capacity of the work paths
  tmb::Size m_sizeCanvas{kDefaultCanvasWidth, kDefaultCanvasHeight};
  int m_bSettingViewButton = 0;
  int m_nSaveRange = 0;       // 0 whole picture, 1 a region
  int m_bViewsReady = 0;
  int m_nPenDelay = 15;       // minimum interval between two pen samples, ms
  int m_nPenDelayStart = 15;
  int m_bDrawTempOriginalLine = 1;
  int m_nRedrawSteps = 1;     // 0 never, 1 after new strokes, 2 always
  int m_nPenRestrain = 0;
  int m_nPenRestrainStart = 0;
  int m_nPenSwitch = 1;       // second pen-input switch of stroke capture
  int m_nPenSpeed = 0;        // pen speed level
  int m_nPenSpeedStart = 0;
  int m_nLineModeMask = 0;    // the value parameter 176 takes in new records
  int m_nMouseSpeedMode = -1;
  int m_bTabletPresent = 0;   // a tablet answered and its context is open
  int m_nPenPressure = -1;    // of the current sample, percent; -1 none, -2 right after a stroke start
  int m_nLiveLineMode = 0;    // 2: a live stroke is drawn as a plain line of width 2, not stamped
  int m_bInkDisplay = 1;      // collected Tablet PC ink shows its own strokes while they are written
  int m_nPressureMax = 0;     // the maximum of the tablet's pressure axis
  int m_bChangeMouseSpeed = 0;
  int m_bChangeMouseSpeedDefault = 0;
  int m_nSavedMouseSpeed = 0;
  int m_nPrintRange = 0;      // 0 whole, 1 region
  int m_nPrintMode = 1;       // 1 vector, 0 image
  int m_nPrintTarget = -1;    // -1 the active window, else a window kind
  int m_nPrintScale = 100;
  int m_nStartCount = 0;      // number of earlier starts
  int m_nStartLoadMode = 0;   // StartLoadMode
  int m_bBlankIsChar = 0;     // a blank counts as a character of a text
  int m_nPointMarkSide = 3;   // side of the point marks in pixels
  tmb::Size m_textCell{128, 128};  // cell width and height of a text row

  // Paths are UTF-8 and of any length.
  std::string m_szCurFolderCrt;  // the current folder at start
  std::string m_szCurFolder;     // the data folder: default folder for files; only read
  std::string m_szUserFolder;    // the user's data folder: the store writes here
  std::string m_szDrawFilePath;  // the folder of character data files
  std::string m_szWindowsFolder = "c:\\windows";
  std::array<std::string, 2> m_folderCopies;  // copies of the start folder
  std::string m_szCharFilePath;     // path of the current character data file
  std::string m_szPictureFilePath;  // path of the picture file dropped on the main window
  std::string m_szLastFolder;       // last folder of the file dialogs
  std::string m_strStartFile = "(Default1)";
  std::string m_szArgT, m_szArgD, m_szArgF;  // values of the /t, /d and /f switches
  int m_bArgT = 0, m_bArgD = 0, m_bArgF = 0;
  int m_nStartDrive = 0;
  int m_bStartDriveIsCdRom = 0;

  int m_nLastKeyChar = 0, m_nLastKeyRepeat = 0, m_nLastKeyFlags = 0;  // the last key
  // The font of the font pages' lists, whose lines are laid out in columns; no face until
  // a font page first needs it.
  tmb::Font m_font;
  int m_nWritingPageSwitch = 1;
  int m_nShapeSheetPage = 1;  // -10 keeps the page last shown
  int m_nSheetClearMode = 0;  // 1: a conversion from the shape sheet hides the sheet
  int m_nDetailMode = 0;      // the auxiliary page's copy of parameter 37, as it stored it
  int m_bNoProgress = 0;      // 1: the progress bar is left alone
  int m_bPaletteDevice = 0;
  int m_bCtrlDown = 0;   // the keys held at the last key press in a drawing view
  int m_bShiftDown = 0;
  int m_bEffectRunning = 0;         // 1 while an effect script runs (the progress display)
  tmb::Colour m_crRightClick = 0;   // the colour a right click took in the zoom window
  tmb::Point m_ptZoomPixel{};       // the picture pixel the zoom window painted last

  // The image editor's share.
  tmb::Point m_ptLastDot{};        // last painted point of paint mode
  int m_nDotSize = 1;              // side of a painted dot (1: one pixel)
  tmb::Colour m_crDot = 0;         // colour of the painted dots
  int m_bDotToDrawWindow = 0;      // paint mode paints into the current drawing window's picture
  int m_nFixColourMode = 0;        // 0 colour, 1 monochrome
  int m_bZoomPanelMode = 0;        // the zoom window shows the current drawing window's writing area
  int m_nPlaceMode = 0;            // after a picture loaded into the clip buffer: 0 say so, 3 nothing
  int m_bImageEditorOpened = 0;    // the image editing view was shown once
  int m_bZoomFollows = 0;          // the zoom window scrolls with the editor's pointer
  int m_nEditorRedrawBits = 0;     // 2: the next redraw resets the horizontal scroll
  tmb::Size m_sizeClipboard{};     // size of the picture last put on the clipboard
  tmb::Size m_sizeCharImage{256, 256};  // size of a saved character image
  int m_bCharImageMono = 1;        // saved character images are 1-bit
  int m_bEditorSync = 0;           // the editor follows the drawing windows, whose paints hide the sheets
};

extern CDrawState gDrawState;
// The kind of the window that was active when printing to the active window began (the
// print itself goes through the current drawing window); -1 before any.
extern int gPrintSourceKind;
