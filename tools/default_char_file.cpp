#include "tools/default_char_file.h"

#include "core/record/char_slots.h"
#include "core/state/draw_state.h"
#include "platform/file/safe_save.h"

int WriteDefaultCharFile(const std::filesystem::path& path) {
  // No data folder: the defaults then name their files without one.
  gDrawState.m_szCurFolder.clear();
  InitCharacterSlots();
  tmb::SafeSave save(path);
  if (!save.Begin()) return 0;
  for (int part = 1; part <= 2; ++part) {
    if (!gCharSlots[part - 1].WriteBlock(save.file(), part)) return 0;
  }
  return save.Commit() ? 1 : 0;
}
