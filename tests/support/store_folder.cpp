#include "support/store_folder.h"

#include "core/canvas/work_canvas.h"
#include "core/store/char_store.h"
#include "core/store/font_sub_table.h"
#include "core/store/held_strokes.h"

namespace tmb::test {

ScopedStoreFolder::ScopedStoreFolder() : saved_(gWorkCanvas.m_folder) {
  gWorkCanvas.m_folder = dir_.path().string();
  gFontSubTable.Reset();
  CharStore::ForgetUpgradeAnswer();
  ReleaseHeldCharacters();
}

ScopedStoreFolder::~ScopedStoreFolder() {
  gWorkCanvas.m_folder = saved_;
  gFontSubTable.Reset();
  gFontSubTable.SetValueFunction(nullptr);
  CharStore::ForgetUpgradeAnswer();
  ReleaseHeldCharacters();
}

}  // namespace tmb::test
