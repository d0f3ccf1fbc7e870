// The one application-wide state object: mode flags, the current drawing window, the
// character windows of a file, the canvas origin, profile values and start-up paths.
// The shell fills it at start-up; every subsystem reads it.
#pragma once

#include <array>
#include <string>

#include "platform/gdi/geometry.h"

class CDrawState {
 public:
  CDrawState();
  // Back to the construction values (tests start from here).
  void Reset();

  int m_bMultiDoc = 0;        // 1: every window kind has its own document
  int m_nCurDrawKind = 0;     // 0 window A, 2 window B
  int m_nCharWindows = 2;     // character windows that make up one file and animation
  std::array<int, 8> m_charWindowKinds{0, 2};
  tmb::Point m_ptCanvasOrigin{32, 32};
  int m_nWinVersion = 501;    // major x 100 + minor of the system the program emulates
  int m_nProgramVersion = 400;
  int m_nDataVersion = 400;   // data version of the last character block read
  int m_nMaxDataSize = 1;     // size class of the point buffers, 1 to 4
  int m_nMaxPoints = 32000;   // capacity of the work paths
  int m_nStartLoadMode = 0;   // 0 "(Default1)", 1 "(Default2)", 2 a named file
  int m_bBlankIsChar = 0;     // a blank counts as a character of a text
  int m_nPointMarkSide = 3;   // side of the point marks in pixels
  tmb::Size m_textCell{128, 128};  // cell width and height of a text row

  // Pen input settings and the start values that a record reset returns them to.
  int m_nPenDelay = 15;       // minimum interval between two pen samples, milliseconds
  int m_nPenDelayStart = 15;
  int m_nPenSpeed = 0;        // pen speed level
  int m_nPenSpeedStart = 0;
  int m_nPenRestrain = 0;     // pen restraint of stroke capture
  int m_nPenRestrainStart = 0;
  int m_nPenSwitch = 1;       // second pen-input switch of stroke capture
  int m_nLineModeMask = 0;    // the value parameter 176 takes in new records

  std::string m_szCurFolder;     // the data folder: default folder for files (UTF-8)
  std::string m_szCharFilePath;  // path of the current character data file
  std::string m_szLastFolder;    // last folder of the file dialogs
  int m_nStartDrive = 0;
};

extern CDrawState gDrawState;
