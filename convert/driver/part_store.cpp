#include "convert/driver/part_store.h"

namespace {

CharacterPartStore gNoStore;
CharacterPartStore* gStore = &gNoStore;

}  // namespace

CharacterPartStore& CurrentPartStore() { return *gStore; }

void SetCharacterPartStore(CharacterPartStore* store) { gStore = store ? store : &gNoStore; }
