#include "resources/string_table.h"

#include <algorithm>
#include <iterator>

namespace tmb {
namespace {

struct StringEntry {
  int id;
  const char* text;
};

// Sorted by id.
constexpr StringEntry kStrings[] = {
    {62043, "Memory Error"},
    {62044, "Error : Create Palette"},
    {62045, "The limit with capacity of drawing data"},
    {62047, "Error : Open File"},
    {62048, "This is not a bitmap file "},
    {62063, "Error : Create Bitmap"},
    {62136, "Cannot create the work bitmaps (stage %1)"},
};

const StringEntry* Find(int id) {
  auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                             [](const StringEntry& e, int key) { return e.id < key; });
  return it != std::end(kStrings) && it->id == id ? it : nullptr;
}

}  // namespace

std::string LoadStringText(int id) {
  const StringEntry* e = Find(id);
  return e ? e->text : std::string();
}

bool HasString(int id) { return Find(id) != nullptr; }

}  // namespace tmb
