#include "support/recorded_character_file.h"

#include "convert/presets/param_defaults.h"
#include "support/drawing_windows.h"
#include "support/recorded_character.h"

namespace tmb::test {

bool WriteRecordedCharacterFile(const std::string& path) {
  DrawingWindows windows;
  for (CTmbDoc* doc : {windows.docA.get(), windows.docB.get()}) {
    doc->OnNewDocument();
    // The settings window A starts with, whatever the character slots hold now.
    GetSlotParamDefaults(doc->m_char.m_param, {}, 0);
  }
  AppendRecordedCharacter(*windows.a);
  return windows.docA->SaveCharacterFile(path) == 1;
}

}  // namespace tmb::test
