#include "core/effect/effect_names.h"

#include <iterator>
#include <string_view>

namespace {

constexpr const char* kNames[kEffectNames] = {
    "DUMMY",          "OUTLINE",        "TANSYOKU",       "STONE",          "KEBADATE",
    "REP",            "ENV",            "SHADOW",         "OUTLINEADD",     "DUMMY",
    "DUMMY",          "LEFTRIGHT",      "TOPBOTTOM",      "WHITEIN",        "SAIKA",
    "BOKASHI",        "NIJIMI",         "SMOOTH",         "TANKA1",         "TANKA2",
    "TANKA3",         "HSL_S_U",        "HSL_S_D",        "HSL_L_U",        "HSL_L_D",
    "MONO",           "ENV_MONO",       "OLD",            "FRAME",          "GRADE_X",
    "GRADE_Y",        "GRADE_X_P",      "GRADE_Y_P",      "COL_C",          "COL_P",
    "COL_P_ALL",      "DUMMY",          "DUMMY",          "DUMMY",          "DUMMY",
    "SCALE_XY_S",     "SCALE_XY_N",     "SCALE_XY_R",     "SCALE_D",        "SCALE_K",
    "SCALE_C",        "DUMMY",          "DUMMY",          "DUMMY",          "DUMMY",
    "E_COL_RGB_UP_C", "E_COL_RGB_UP_P", "E_COL_RGB_UP_P_ALL", "E_COL_RGB_UP_SETCOL", "E_COL_BACK",
    "E_COL_PAPER",    "E_COL_PAPER_ALL", "E_COL_PEN",     "E_COL_FREE_POINT", "E_COL_BACK_OLD",
    "E_COL_OUTLINE",  "E_COL_EV",       "E_COL_STONE",    "E_COL_GRADE1",   "E_COL_GRADE2",
    "E_COL_BOX_TL",   "SAISENKA",       "ANTI_ALIAS",
};

// Row 7 names "WHITEIN", the hollowing effect 13: the name "WHITEIN_T" it was once given
// is in no effect's name, which left "くり抜き" and "Hollow" lines without an effect.
constexpr ScriptLabel kLabels[] = {
    {"OUTLINE", "輪郭抽出", "PickOutline"},
    {"FRAME", "輪郭付加", "AddOutline"},
    {"GRADE_X", "グラデーション/文字部/横方向", "Gradation/Strokes/Vertical"},
    {"GRADE_Y", "グラデーション/文字部/縦方向", "Gradation/Strokes/Horizontal"},
    {"GRADE_X_P", "グラデーション/用紙部/横方向", "Gradation/Paper/Vertical"},
    {"GRADE_Y_P", "グラデーション/用紙部/縦方向", "Gradation/Paper/Horizontal"},
    {"SAIKA", "細化", "Thin"},
    {"WHITEIN", "くり抜き", "Hollow"},
    {"KEBADATE", "毛羽立て", "Fluff"},
    {"ENV_MONO", "彫り込み", "Intaglio"},
    {"ENV", "浮き彫り", "Relief"},
    {"SHADOW", "影", "Shadow"},
    {"STONE", "石板", "StoneBoard"},
    {"OLD", "古色化", "Antique"},
    {"NIJIMI", "ぼかし", "Shade"},
    {"BOKASHI", "くもり", "Fog"},
    {"TANSYOKU", "淡色化", "LightColoring"},
    {"MONO", "モノクロ化", "Monochrome"},
    {"HSL_S_U", "彩度/上げる", "Saturation/Up"},
    {"HSL_S_D", "彩度/下げる", "Saturation/Down"},
    {"HSL_L_U", "明度/上げる", "Luminosity/Up"},
    {"HSL_L_D", "明度/下げる", "Luminosity/Down"},
    {"LEFTRIGHT", "左右反転", "ReverseLeftRight"},
    {"TOPBOTTOM", "上下反転", "ReverseTopBottom"},
    {"REP", "カラー反転", "ReverseColors"},
    {"SCALE_XY_S", "拡大縮小/縦横同比", "Expansion/SameRatio"},
    {"SCALE_XY_N", "拡大縮小/ピクセル値", "Expansion/Pixel"},
    {"SCALE_XY_R", "拡大縮小/比率", "Expansion/Ratio"},
    {"SCALE_D", "拡大縮小/台形", "Expansion/Trapez"},
    {"SCALE_K", "拡大縮小/傾斜", "Expansion/Incline"},
    {"SCALE_C", "拡大縮小/楕円", "Expansion/Ellipse"},
    {"E_COL_PEN", "カラー変更/文字部", "Color/Words"},
    {"E_COL_PAPER", "カラー変更/用紙部", "Color/Paper"},
    {"E_COL_PAPER_ALL", "カラー変更/全用紙", "細化"},
    {"SAISENKA", "軸抽出", "Axis"},
    {"ANTI_ALIAS", "アンチエイリアス", "AntiAlias"},
};

}  // namespace

const char* EffectName(int number) { return number >= 0 && number < kEffectNames ? kNames[number] : nullptr; }

int EffectNumberOfName(std::string_view internalName) {
  for (int n = 1; n < kEffectNames; ++n) {
    if (std::string_view(kNames[n]).find(internalName) != std::string_view::npos) return n;
  }
  return 0;
}

std::span<const ScriptLabel> ScriptLabels() { return kLabels; }
