#include "support/recorded_character_file.h"

#include "convert/presets/param_defaults.h"
#include "support/drawing_windows.h"
#include "support/recorded_character.h"

namespace tmb::test {

bool WriteWindowACharacterFile(const std::string& path, const std::function<void(CCharData&)>& draw) {
  DrawingWindows windows;
  for (CTmbDoc* doc : {windows.docA.get(), windows.docB.get()}) {
    doc->OnNewDocument();
    // The settings window A starts with, whatever the character slots hold now.
    GetSlotParamDefaults(doc->m_char.m_param, {}, 0);
  }
  draw(*windows.a);
  return windows.docA->SaveCharacterFile(path) == 1;
}

bool WriteRecordedCharacterFile(const std::string& path) {
  return WriteWindowACharacterFile(path, [](CCharData& a) { AppendRecordedCharacter(a); });
}

}  // namespace tmb::test
