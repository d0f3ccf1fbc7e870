#include "core/store/text_store.h"

#include "core/path/stroke_path.h"
#include "core/store/char_store.h"
#include "core/text/text_settings.h"

namespace {

CTextCharEntry TextEntry(std::string_view text) {
  CTextCharEntry entry;
  entry.SetChar(text);
  entry.m_bHidden = 0;
  return entry;
}

}  // namespace

int LoadTextCharacter(CStrokePath& path, std::string_view text) {
  path.SetCount(0);
  CharStore store;
  if (store.MakeFileNames(CharStore::kMainSet, false, true) == 1) {
    CStrokePath unused(0);
    store.LoadCharacter(TextEntry(text), path, unused);
  }
  return 1;
}

int SaveTextCharacter(const CStrokePath& path, std::string_view text) {
  CharStore store;
  if (store.MakeFileNames(CharStore::kMainSet, false, true) != 1) return -1;
  return store.AddFontCharacter(TextEntry(text), path) == 1 ? 1 : -1;
}

void RoundTripTextCharacter(CStrokePath& path) {
  SaveTextCharacter(path, "r");
  CStrokePath copy(path.GetCapacity());
  LoadTextCharacter(copy, "t");
  path.CopyFrom(copy);
}
