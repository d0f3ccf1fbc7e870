// The handwritten-registration panel that drawing window A shows on its paper: the list of
// characters to write, what each has on disc, the options, the folder and the panel's
// rectangles. The readers of the lists and the picture names are here too, plain C++;
// the drawing view paints the panel and runs its buttons.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/geometry/text_row.h"
#include "platform/gdi/font.h"
#include "platform/gdi/geometry.h"

// A list file larger than this is not read.
constexpr size_t kMaxCharacterListBytes = size_t(1) << 20;
// The folder field of a list information file.
constexpr size_t kListFolderField = 260;
// Sizes of the picture box a list information file may set.
constexpr int kMinPictureBox = 256;
constexpr int kMaxPictureBox = 384;

// One character of the list.
struct CRegistrationEntry {
  std::string text;      // the character, UTF-8
  uint32_t code = 0;     // its Unicode code point
  int32_t textPos = 0;   // where it stands in the list text, in UTF-16 units
  int32_t done = 0;      // 1 when its picture exists
};

// What a reader made of a list's bytes.
struct CCharacterList {
  std::vector<CRegistrationEntry> entries;
  std::string text;      // the list as the text box shows it, UTF-8
  int32_t badBytes = 0;  // bytes that were no characters, left out
  int32_t wide = 0;      // read as UTF-16
};

struct CRegistrationPanel {
  int32_t m_bShown = 0;
  tmb::Rect m_rcWriting{};  // where the character is written, in paper coordinates

  // ---- the list
  int32_t m_bWide = 0;     // a grid of boxes (UTF-16 lists), else the text box
  int32_t m_nCurrent = -1;  // index of the current entry, -1 when none
  int32_t m_bAllDone = 0;  // the search for the next character ran past the end
  std::vector<CRegistrationEntry> m_entries;
  std::string m_listText;  // the text box's text for a text list

  // ---- options
  int32_t m_bSaveData = 0;    // a character data file beside each picture
  int32_t m_bCodeNames = 0;   // pictures named by the character code
  int32_t m_bOverwrite = 0;   // a new picture replaces the old one rather than numbering
  int32_t m_bPictureBox = 0;  // the picture box is shown
  int32_t m_nOptionWord = 0;  // the options dialog's fourth option
  int32_t m_bNoCheck = 0;     // every character counts as unwritten
  tmb::Size m_sizePicture{128, 128};  // the picture box, square; the panel is at least as wide
  std::string m_szFolder;  // the picture folder, UTF-8

  // ---- layout, paper coordinates
  tmb::Rect m_rcPanel{};
  tmb::Rect m_rcList{};
  tmb::Rect m_rcPrompt{};
  tmb::Rect m_rcPicture{};
  std::array<tmb::Rect, 4> m_rcButtons{};
  int32_t m_nCellWidth = 12;  // a wide list's box is two cells wide
  int32_t m_nCellHeight = 24;
  // A wide list's rows of boxes, each box one text cell of the drawing state.
  std::vector<CTextRow> m_rows;
  int32_t m_nHover = -1;     // the box under the pointer, -1 none
  int32_t m_nPressed = -1;   // the button held down, -1 none
  int32_t m_bStarted = 0;    // the text box and the folder are set up
  int32_t m_nTextHeight = 16;
  // The text box takes the keyboard when the view gets it, while the panel is shown.
  int32_t m_bFocusEdit = 0;
  int32_t m_bPictureFilled = 0;  // the picture box holds a picture
  tmb::Point m_ptCaret{};  // the text box's caret (x, y + 1) at its last key or click

  // ---- fonts, made once per run by the view
  int32_t m_bFontsMade = 0;
  int32_t m_bLargeText = 0;  // the system's text is taller than 15 pixels
  tmb::Font m_fontPanel;     // prompt and list text
  tmb::Font m_fontButton;    // bold with large text
  tmb::Font m_fontList;      // the characters of a wide list's boxes

  // Takes list as the panel's list: no current entry, done flags looked up.
  void SetList(CCharacterList list);
  // Looks every entry's picture up (none while the no-check option is set).
  void LookUpPictures();
  // Lays the panel out on a paper canvasWidth wide; characterImage is the size of the
  // writing rectangle, centred below the panel. A wide list's box becomes the drawing
  // state's text cell.
  void Layout(int canvasWidth, tmb::Size characterImage, int rowHeight);
  // Lays a wide list's rows of boxes out in the list rectangle, one row of text cells
  // for every ten boxes; a text list has none.
  void LayOutRows();
  // A wide list's rows of boxes: one for every ten boxes and one more.
  int ListRows() const;
  // The entry of the box at paper point (x, y) of a wide list; -1 outside every box.
  int EntryAt(int x, int y) const;
  // The rectangle of entry i's box, and the part of it its character is centred in.
  tmb::Rect BoxOf(int i) const;
  tmb::Rect BoxTextOf(int i) const;
  // The next entry from from on (inclusive) without a picture; -1 when none.
  int NextUnwritten(int from) const;
  // The text of the prompt line.
  std::string Prompt() const;
  // The entry whose character stands at UTF-16 position pos of the text, or the first
  // after it; -1 when none follows.
  int EntryAtTextPos(int pos) const;
  // The picture path for the current entry's next save (UTF-8); empty without one.
  std::string NextPicturePath() const;
};

// ---- readers

// A character list file: FF FE starts UTF-16LE, EF BB BF UTF-8, anything else is code
// page 932. Every printable character is one entry; blanks, line breaks and controls stay
// in the text only; bytes that are no character are counted and left out.
CCharacterList ReadCharacterList(std::span<const uint8_t> bytes);
// A list typed or pasted into the text box.
CCharacterList CharacterListOfText(const std::string& utf8);

// A list information file: picture box size, folder and the UTF-16 codes of the list.
struct CListInfo {
  tmb::Size box{};
  std::string folder;  // as stored, cut at its NUL or the field's end (code page 932)
  CCharacterList list;
};
// 1 when read; 0 for a file too short for its header or its N records, or a negative N.
int ReadListInfo(std::span<const uint8_t> bytes, CListInfo& out);

// ---- picture names

// The base name of entry's pictures: "__" and the character, "_" and its code in at least
// four lower-case hex digits with codeNames, or "_" and the code of a single character not
// allowed in file names.
std::string PictureBaseName(const CRegistrationEntry& entry, bool codeNames);
// The largest picture number of base in folder: 1 for base ".bmp", k for base "_k.bmp";
// 0 when there is none. Numbers too large are held at the largest int.
int LargestPictureNumber(const std::string& folder, const std::string& base);
// The character a picture file name stands for ("__" and a character, or "_" and four
// hex digits, either with a "_k" number): its code point, or -1.
int ParsePictureName(const std::string& fileName);
// A picture of folder that names a registered character.
struct CRegisteredPicture {
  std::string path;  // UTF-8
  std::string text;  // the character, UTF-8
  uint32_t code = 0;
};
// Every "_*.bmp" of folder that names a character, in the order of their names, into
// table; returns the count (0 for a folder that cannot be read).
int ListRegisteredPictures(const std::string& folder, std::vector<CRegisteredPicture>& table);
// The folder a list information file names (code page 932, perhaps a Windows path "c:\x\")
// as a folder of this system: a Windows path or a relative one becomes the folder of its
// last name under userFolder; an empty one "fontbmp" there.
std::string RegistrationFolderOf(const std::string& stored, const std::string& userFolder);
