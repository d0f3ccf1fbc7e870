#include "convert/presets/style_param_names.h"

#include <array>
#include <string>

#include "platform/text/code_page.h"

namespace {

struct NamedParam {
  int p;
  const char* name;  // UTF-8
};

constexpr NamedParam kNamedParams[] = {
    {0, "崩し"},
    {1, "筆脈"},
    {2, "連綿"},
    {3, "太さ"},
    {4, "抑揚"},
    {5, "掠れ"},
    {6, "流れ"},
    {7, "軽み"},
    {8, "筆意"},
    {10, "筆種"},
    {11, "崩し型"},
    {26, "軟度"},
    {201, "輪郭スムーズ"},
    {234, "硬度"},
    {290, "転折保持"},
    {293, "輪郭モード"},
    {311, "崩し：下方向強化"},
    {312, "崩し：短線弱化"},
    {313, "崩し：小屈曲強化１"},
    {314, "輪郭硬化：曲部"},
    {315, "ヒゲ付け"},
    {317, "右上げ"},
    {318, "連綿：斜行強化"},
    {319, "輪郭硬化：端部"},
    {320, "崩し：小屈曲強化"},
    {328, "草書化"},
    {330, "向勢背勢ON"},
    {331, "向勢"},
    {332, "背勢"},
    {333, "崩し：小屈曲強化３"},
    {334, "_文字認識"},
    {336, "転折強調斜行化"},
    {339, "枠表示"},
    {342, "太さ：接続線細化"},
    {344, "傾斜"},
    {348, "痩金化"},
    {353, "軽み：基礎調整"},
    {354, "輪郭：端部ソフト化"},
    {355, "軽み：草書時強化"},
    {358, "崩し：端部保持"},
    {359, "左傾斜"},
    {360, "崩し：かな"},
};

constexpr std::string_view kUnnamed = "_";

// The names in the file's encoding, converted once.
const std::array<std::string, std::size(kNamedParams)>& SjisNames() {
  static const auto names = [] {
    std::array<std::string, std::size(kNamedParams)> out;
    for (size_t i = 0; i < out.size(); ++i) out[i] = tmb::Utf8ToSjisLossy(kNamedParams[i].name);
    return out;
  }();
  return names;
}

}  // namespace

int FindStyleParam(std::string_view name) {
  if (name.empty() || name == kUnnamed) return -1;
  const auto& names = SjisNames();
  for (size_t i = 0; i < names.size(); ++i) {
    if (names[i] == name) return kNamedParams[i].p;
  }
  return -1;
}
