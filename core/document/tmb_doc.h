// The character document of a drawing window: the drawn record that pen input fills, the
// working record the brush engine and the conversion write, a float-point buffer and
// three base records (the one-level undo copy, the temporary save and a spare). It owns
// the road between the windows and character data files: open, one-touch conversion
// (settings only), save and save as. A file holds one block per character window; a load
// gives part 1 and part 2 to windows A and B, or to a scratch record, as the file-choice
// mode says. The user interface wraps it in its framework document.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "core/geometry/fpoint.h"
#include "core/record/char_data.h"
#include "core/record/char_data_full.h"

// The path of the default file, which loads settings only and never becomes the path of
// the characters; it is read from the data folder.
inline constexpr char kDefaultCharFile[] = "standerd.wdf";
inline constexpr char kCharFileFilter[] = "(*.wdf)|*.wdf|(*.*)|*.*||";

enum BaseRecord { kBaseUndo = 0, kBaseTempSave = 1, kBaseSpare = 2 };

// The font-mode state of a document that asks for its text to be laid out again.
inline constexpr int32_t kFontModeRelayout = 2;

class CTmbDoc {
 public:
  // Allocates the attribute buffers of the drawn record and the float points; a float
  // buffer that cannot be had leaves the document without it (beep and 62043).
  CTmbDoc();
  ~CTmbDoc();
  CTmbDoc(const CTmbDoc&) = delete;
  CTmbDoc& operator=(const CTmbDoc&) = delete;

  // A new document: the drawn record's defaults, no path, no undo copy or temporary save,
  // empty working and base records. Returns 1.
  int OnNewDocument();
  void SaveUndoCopy();
  void TempSave();
  // Brings the undo copy (kBaseUndo, then spent) or the temporary save (kBaseTempSave)
  // back into the drawn record; 0 when there is none. One taken before a file was opened
  // over it holds another file's character: the documents then lose the current path, so
  // that the title names no file and a save waits for the user to choose one.
  int RestoreBase(BaseRecord which);

  // The open dialog and the load of the chosen file (settings only while busy).
  void OpenFileDialog();
  // The open dialog with the document busy: the file's settings only, the path kept.
  void OnOneTouchConvert();
  // Loads a file dropped on the main window, as the file says.
  int LoadDroppedFile(const std::string& path);
  // Loads the character data file at path (UTF-8) into the character windows as the
  // file-choice settings say. The path becomes the current path only when a window took
  // the file's characters (not settings only). 1 when some window loaded, else 0 (the
  // failure was reported, except for the default file and the start file).
  int LoadFile(const std::string& path, int settingsOnly);
  // Completes a loaded record: the effect definition from text 0, the loaded and
  // changed flags, and the pictures the view has shown become the record's picture
  // sources (a temporary picture of the reader is no longer named by its text).
  void AfterLoad(CCharDataFull& record);
  // Writes one block per character window to path through a temporary file that replaces
  // it only when complete. 1 on success (the records are no longer modified); 0 after
  // 62047, with the previous file and the modified flags as they were.
  int SaveCharacterFile(const std::string& path);
  // Saves to the current path when the document has one; 1 when saved.
  int SaveToCurrentPath();
  // The save dialog and the save; the path becomes the current path once saved.
  int SaveAs();

  CCharDataFull m_char;  // the drawn record
  CCharDataFull m_work;  // the working record
  std::unique_ptr<CFPoint[]> m_pFloatPoints;  // kMaxCharPoints, or null
  std::array<CCharData, 3> m_base;            // BaseRecord
  int32_t m_bUndoValid = 0;
  int32_t m_bTempSaved = 0;
  int32_t m_bBusy = 0;      // while the one-touch conversion's dialog runs
  int32_t m_nReserved = 0;
  int32_t m_bHasPath = 0;   // the characters were loaded from or saved to the current path
  int32_t m_nIndex = 0;     // the index of the window showing the document: 0 (A) or 1 (B)
  int32_t m_nLastPainted = 0;  // the point count when the character was last painted
  // Set by a load of the user's file: the first stroke written after it takes the undo
  // copy, so that one undo takes that stroke back and leaves the file's character. Any
  // undo copy taken clears it.
  int32_t m_bUndoAtNextStroke = 0;
  // The undo copy and the temporary save were taken before the last full open of a file
  // into this window, so each holds the character that open replaced.
  int32_t m_bUndoBeforeOpen = 0;
  int32_t m_bTempSaveBeforeOpen = 0;
  int32_t m_bLiveDrawn = 0;    // a stroke was drawn live since the document began
  // The brush set is to be painted in m_crBrushCharPending at the next paint.
  int32_t m_bBrushCharPending = 0;
  tmb::Colour m_crBrushCharPending = 0;
  // kFontModeRelayout after the font pages changed what the font mode's text is laid out
  // from (pictures, the released axis lines, or the block confirmed).
  int32_t m_nFontModeState = 0;

 private:
  // The character windows no longer hold the current file's characters: no current path
  // (an overwrite save does nothing), and the title names no file.
  void ForgetCurrentFile();

  std::unique_ptr<uint8_t[]> m_attr;
  std::unique_ptr<uint8_t[]> m_attr2;
  bool m_bConvertedOnce = false;
};
