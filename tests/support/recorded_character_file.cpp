#include "support/recorded_character_file.h"

#include <optional>

#include "core/record/param_defaults.h"
#include "core/canvas/work_canvas.h"
#include "support/drawing_windows.h"
#include "support/recorded_character.h"
#include "support/temp_dir.h"

namespace tmb::test {

bool WriteWindowACharacterFile(const std::string& path, const std::function<void(CCharData&)>& draw) {
  DrawingWindows windows;
  for (CTmbDoc* doc : {windows.docA.get(), windows.docB.get()}) {
    doc->OnNewDocument();
    // The settings window A starts with, whatever the character slots hold now.
    GetSlotParamDefaults(doc->m_char.m_param, {}, 0);
  }
  draw(*windows.a);
  // Saving looks into the character store: before a start has given it the user's folder
  // it looks into a folder of its own, not into the current one.
  std::optional<TempDir> store;
  const std::string folder = gWorkCanvas.m_folder;
  if (folder.empty()) {
    store.emplace();
    gWorkCanvas.m_folder = store->path().string();
  }
  const bool saved = windows.docA->SaveCharacterFile(path) == 1;
  gWorkCanvas.m_folder = folder;
  return saved;
}

bool WriteRecordedCharacterFile(const std::string& path) {
  return WriteWindowACharacterFile(path, [](CCharData& a) { AppendRecordedCharacter(a); });
}

}  // namespace tmb::test
