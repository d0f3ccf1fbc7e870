#include "convert/presets/preset_sheets.h"

#include "convert/presets/preset_list.h"

namespace {

constexpr int kConversionTypePresets[] = {0, 3, 2, 4, 1};
constexpr const char* kConversionTypeNames[] = {"無変換", "行書・細字", "行書・標準", "草書", "旧版"};
constexpr int kModelStylePresets[] = {10, 9, 11, 13, 12};
constexpr const char* kModelStyleNames[] = {"手本一", "手本二", "手本三", "手本四", "連綿草"};

}  // namespace

CPresetSheetList PresetSheetOf(int id) {
  if (id == kStyleSheetConversionTypes) return {kConversionTypePresets, kConversionTypeNames};
  return {kModelStylePresets, kModelStyleNames};
}
