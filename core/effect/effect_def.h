// An effect definition: a script of named image effects (an ef*.txt file) held as text,
// parsed into the list of effect numbers to run and per-effect tables of numbers,
// switches and colours. Every character record carries one, and the image editor runs
// one on a region of its picture.
#pragma once

#include <array>
#include <string>

#include "core/effect/effect_names.h"
#include "platform/gdi/geometry.h"

namespace tmb {
class DeviceContext;
class Surface;
}  // namespace tmb

// Longest script a definition takes, in bytes of its text; the record block that stores
// the script holds as many characters.
constexpr int kMaxScriptChars = 1 << 16;

class CEffectDef {
 public:
  static constexpr int kMaxEntries = 200;
  // What reading the script file gave when it did not give the text.
  enum ReadFailure { kReadFailed = -1, kReadTooLarge = -2 };

  // The defaults; the shared dialogs are left as they are (see ResetDefaults).
  CEffectDef();

  // Back to the defaults, which then go to the shared dialogs.
  void ResetDefaults();
  // Takes the detail values of the dialogs, the whole canvas as the region, file (code
  // page 932) as the script's name and the colour source; parses the text held (the file
  // is not read). Returns 1.
  int SetFile(const std::string& file, int colourSource);
  // Copies the entries, the region, the current effect, the colours, the sample point and
  // the tables, and with them the script text they were parsed from, so that a copied
  // record saves the script it runs. The file name, the batch suffix and the exchange
  // words stay this definition's own.
  void CopyFrom(const CEffectDef& other);

  // Reads the named file as the script: its length, or a ReadFailure with the text and
  // the tables as they were. Clears the entries; with parse set, parses the new text.
  int Reload(int parse);
  // Parses the text held into the entries and the tables: -1 when no text is held (no
  // entries then), else 1.
  int Parse();
  // Tells the user why a script read with Reload (its result given) cannot run, or that
  // some of its lines were dropped. 1 when it can run.
  int ReportScript(int readResult) const;

  // Writes the text to path (UTF-8) without risk to the previous file: 1, or -1 after
  // telling the user.
  int SaveText(const std::string& path);
  // Saves the text under fileName (code page 932); mode 2 first asks for the name (0 when
  // the user cancels). 1 when saved; 0 with fileName as it was when saving failed.
  int SaveScriptAs(std::string& fileName, int mode);
  // Lets the user edit the text in the script dialog, then saves it when the dialog asks
  // to. 0 when cancelled; 1 when the edited text was taken, saved or not.
  int EditScript(std::string& fileName);
  // The one-touch effect dialog: the action chosen (0 run on the picture, 1 run on many
  // files), or -1 when cancelled or when the script cannot run (the user was told why).
  int RunOneTouchDialog();

  // Runs every entry in order on the region of image, with work as the scratch bitmap;
  // batch is 1 in a run over many files. It lives with the effects it runs (brush/bitmap).
  void Render(tmb::DeviceContext* pDC, tmb::Surface* image, tmb::Surface* work, int batch);

  // The exchange with the shared dialogs.
  void ApplyDetailValues();
  void PushColoursToDialogs() const;
  void PullColoursFromDialogs();
  // The detail dialog: 1 when confirmed (its values taken), 0 when cancelled.
  int RunDetailDialog();

  int m_nEntries = 0;
  std::array<int, kMaxEntries> m_entries{};  // effect numbers in file order
  tmb::Rect m_region{};                      // where the effects apply, picture pixels
  int m_nCurrentEffect = 0;
  tmb::Colour m_crPaper = 0xFFFFFF;  // the colour the paper part of the picture has now
  int m_nColourSource = 0;           // 0 the editor's background colour, 1 the sample point's
  tmb::Point m_ptSample{};           // from the picture's top-left corner
  std::string m_strFile;             // the script's path, code page 932
  std::string m_script;              // the script text, code page 932
  std::string m_strSuffix = "_";     // added to file titles in a run over many files
  // Per effect number: two plain numbers, three switches and two colours.
  std::array<int, kEffectSlots> m_value1{};
  std::array<int, kEffectSlots> m_value2{};
  std::array<int, kEffectSlots> m_flagA{};
  std::array<int, kEffectSlots> m_flagBG{};
  std::array<int, kEffectSlots> m_flagT{};
  std::array<tmb::Colour, kEffectSlots> m_colour1{};
  std::array<tmb::Colour, kEffectSlots> m_colour2{};
  std::array<int, 3> m_exchange{};  // kept for the colour-change dialog
  int m_nDroppedEntries = 0;        // entry lines past kMaxEntries at the last parse

 private:
  void SetDefaults();
};
