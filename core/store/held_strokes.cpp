#include "core/store/held_strokes.h"

#include <algorithm>
#include <array>

#include "core/store/wide_log_font.h"
#include "core/store/wide_text.h"

namespace {

// What temporary set 1 or 2 holds in memory, and whether a load may write its files.
struct SetInMemory {
  HeldCharacters characters;
  bool holdOnly = false;
};
std::array<SetInMemory, 2> gSets;

SetInMemory* SlotOfSet(int set) { return set == 1 || set == 2 ? &gSets[size_t(set - 1)] : nullptr; }

// The store's own rule: a font character by its code and font, a picture by its name.
bool SameCharacter(const CTextCharEntry& a, const CTextCharEntry& b) {
  if (a.IsPicturePlace() != b.IsPicturePlace()) return false;
  if (a.IsPicturePlace()) return Cp932FileName(a.Picture()) == Cp932FileName(b.Picture());
  return FirstCharUnit(a.Char()) == FirstCharUnit(b.Char()) &&
         CWideLogFont::StoreKey(a.m_font) == CWideLogFont::StoreKey(b.m_font);
}

std::unique_ptr<CStrokePath> SizedCopy(const CStrokePath& path) {
  auto copy = std::make_unique<CStrokePath>(std::max(path.GetCount(), 1));
  copy->CopyFrom(path);
  return copy;
}

}  // namespace

HeldCharacters HeldCharactersOfSet(int set) {
  const SetInMemory* slot = SlotOfSet(set);
  return slot ? slot->characters : nullptr;
}

void HoldCharacters(int set, HeldCharacters characters) {
  if (SetInMemory* slot = SlotOfSet(set)) slot->characters = std::move(characters);
}

void ReleaseHeldCharacters() { gSets = {}; }

void SetHoldOnly(int set, bool on) {
  if (SetInMemory* slot = SlotOfSet(set)) slot->holdOnly = on;
}

bool IsHoldOnly(int set) {
  const SetInMemory* slot = SlotOfSet(set);
  return slot && slot->holdOnly;
}

HeldCharacter HoldCopy(const CTextCharEntry& entry, const CStrokePath& path1, const CStrokePath* path2) {
  HeldCharacter held;
  held.entry = entry;
  held.path1 = SizedCopy(path1);
  if (path2) held.path2 = SizedCopy(*path2);
  return held;
}

bool LoadHeldCharacter(int set, const CTextCharEntry& entry, CStrokePath& path1, CStrokePath& path2) {
  const HeldCharacters held = HeldCharactersOfSet(set);
  if (!held) return false;
  for (auto it = held->rbegin(); it != held->rend(); ++it) {
    if (!SameCharacter(it->entry, entry)) continue;
    path1.CopyFrom(*it->path1);
    if (it->path2) {
      path2.CopyFrom(*it->path2);
    } else {
      path2.SetCount(0);
    }
    return true;
  }
  return false;
}
