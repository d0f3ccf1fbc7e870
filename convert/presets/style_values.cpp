#include "convert/presets/style_values.h"

#include "convert/presets/preset_list.h"
#include "convert/presets/style_def_source.h"
#include "core/record/char_data_full.h"
#include "core/record/char_slots.h"

namespace {

constexpr int kFlyingWhiteParam = 5;
constexpr int kShapeColourParam = 156;
constexpr int kShapeColour2Param = 157;
constexpr int kUncopiedParam = 194;
constexpr int kPenModeParam = 47;
constexpr int kShapeModeOneColour = 3;

}  // namespace

bool StyleApplies(int id) { return id == kStyleFromStyleMenus || PresetOfStyleCommand(id) >= 0; }

CStyleSavedValues SaveStyleValues(const CCharDataFull& rec) { return {rec.m_param, rec.m_paramMax, rec.m_rangeFrom}; }

bool SetStyleValues(CCharDataFull& rec, int id, int slot, const CStyleSavedValues& saved) {
  // The defaults are those of the parameters alone: a style must not take the points, the
  // texts or the background pictures with it. The keep switch is the user's, set on this
  // character by its menu item, for the end of the style to read.
  const CCharDataFull& defaults = gCharSlots[0];
  for (int k = 0; k < kParamCount; ++k) {
    if (k != kUncopiedParam && k != kStyleKeepParam) rec.m_param[size_t(k)] = defaults.m_param[size_t(k)];
  }
  rec.CopySettingsByCategory(kCategoryBrush, &gCharSlots[slot]);
  rec.m_bConvertRequested = 1;
  if (id != kStyleFromStyleMenus) {
    gPresetList.Apply(rec.m_param, PresetOfStyleCommand(id));
    return true;
  }
  StyleDefSource& styles = StyleDefs();
  const bool styled = styles.CollectChosenValues(rec.m_param);
  if (styles.KeepsFlyingWhite()) rec.m_param[kFlyingWhiteParam] = saved.params[kFlyingWhiteParam];
  if (styles.KeepsShapeColours()) {
    for (int k : {kShapeModeParam, kShapeColourParam, kShapeColour2Param}) rec.m_param[size_t(k)] = saved.params[size_t(k)];
    rec.m_rangeFrom = saved.params[kShapeModeParam] == kShapeModeOneColour ? saved.params[kShapeColourParam] : 0;
  }
  return styled;
}

void EndStyleValues(CCharDataFull& rec, const CStyleSavedValues& saved, bool styled) {
  if (!styled || !rec.m_param[kStyleKeepParam]) {
    rec.m_param = saved.params;
    rec.m_paramMax = saved.maxima;
    rec.m_rangeFrom = saved.rangeFrom;
  }
  rec.m_param[kPenModeParam] = 0;
}
