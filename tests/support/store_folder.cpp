#include "support/store_folder.h"

#include "core/char_store.h"
#include "core/font_sub_table.h"
#include "core/work_canvas.h"

namespace tmb::test {

ScopedStoreFolder::ScopedStoreFolder() : saved_(gWorkCanvas.m_folder) {
  gWorkCanvas.m_folder = dir_.path().string();
  gFontSubTable.Reset();
  CharStore::ForgetUpgradeAnswer();
}

ScopedStoreFolder::~ScopedStoreFolder() {
  gWorkCanvas.m_folder = saved_;
  gFontSubTable.Reset();
  gFontSubTable.SetValueFunction(nullptr);
  CharStore::ForgetUpgradeAnswer();
}

}  // namespace tmb::test
