#include "core/record/param_defaults.h"

#include <algorithm>
#include <iterator>

namespace {

struct ParamDefault {
  int index;
  int32_t value;
};

// Entries with a default other than 0; every entry not listed defaults to 0.
constexpr ParamDefault kNonZeroDefaults[] = {
    {6, 150},   {11, 4},    {13, 3},    {17, 20},   {18, 20},   {19, 1},    {20, 1},
    {22, 1},    {26, 2},    {28, 5},    {29, 1},    {30, 1},    {31, 5},    {38, 1},
    {39, 3},    {44, 10},   {46, 1},    {49, 2},    {50, 6},    {53, 2},    {56, 32},
    {57, 32},   {62, 1},    {63, 1},    {64, 1},    {65, 5},    {67, 1},    {68, 10},
    {71, 50},   {78, 20},   {86, 100},  {87, 100},  {92, 100},  {104, 2},   {105, 32},
    {106, 32},  {111, 15},  {114, 1},   {121, 10},  {131, 10},  {132, 150}, {133, 150},
    {136, 1},   {141, 100}, {146, 20},  {148, 100}, {171, 6},   {172, 5},   {173, 5},
    {174, 5},   {177, 12},  {178, 16},  {181, 3},   {182, 2},   {190, 1},   {201, 10},
    {202, 10},  {204, 8},   {205, 4},   {206, 2},   {207, 80},  {208, 80},  {209, 3},
    {210, 10},  {212, 50},  {215, -45}, {216, 135}, {220, 1},   {223, 1},   {226, 20},
    {230, 75},  {231, 100}, {240, 2},   {241, 100}, {242, 2},   {243, 1},   {245, 100},
    {250, 1},   {251, 1},   {260, 1},   {261, 50},  {263, 300}, {264, 2},   {265, 1},
    {266, 1},   {267, 75},  {275, 50},  {276, 12},  {277, 50},  {279, 50},  {285, 1},
    {290, 1},   {301, 1},   {302, 75},  {380, 1},
    // Colours.
    {150, RgbParam(0, 192, 0)},     {152, RgbParam(64, 64, 255)},
    {153, RgbParam(255, 255, 64)},  {154, RgbParam(255, 64, 64)},
    {157, RgbParam(255, 255, 255)},
};

// The guide-line layout (entries 32 to 36) and entry 381 survive the clearing.
constexpr int32_t kGuideDefaults[] = {100, 100, 25, 25, 0};
constexpr int kGuideFirst = 32;
constexpr int kKeptEntry = 381;
constexpr int kStyleEntry = 37;

// Positions within the 64 style flags that start switched off.
constexpr int kStyleFlagsOff[] = {15, 18, 19, 20, 24, 26, 29, 33, 34,
                                  38, 41, 44, 48, 49, 50, 51, 52};

constexpr int kSlotPresetCount = 9;
constexpr int32_t kPresetFirstSlots[kSlotPresetCount] = {3, 5, 12, 15, 70, 0, 100, 0, 0};
constexpr int32_t kPresetOtherSlots[kSlotPresetCount] = {0, 0, 12, 25, 30, 0, 100, 5, 0};
constexpr int32_t kPresetMaxima[kSlotPresetCount] = {12, 30, 40, 40, 100, 50, 300, 20, 0};

}  // namespace

void InitShapeSettings(ParamBlock& params, int value37) {
  const int32_t kept = params[kKeptEntry];
  params.fill(0);
  std::copy(std::begin(kGuideDefaults), std::end(kGuideDefaults), params.begin() + kGuideFirst);
  params[kKeptEntry] = kept;
  params[kStyleEntry] = value37;
  for (const ParamDefault& d : kNonZeroDefaults) params[d.index] = d.value;
  InitStyleEnableFlags(nullptr, params);
}

void InitStyleEnableFlags(StyleFlags* settingsFlags, ParamBlock& params) {
  int32_t* flags = settingsFlags ? settingsFlags->data() : params.data() + kStyleFlagFirst;
  std::fill(flags, flags + kStyleFlagCount, 1);
  for (int position : kStyleFlagsOff) flags[position] = 0;
}

void GetSlotParamDefaults(ParamBlock& params, std::span<int32_t> maxima, int slot) {
  const int32_t* preset = slot == 0 || slot == 1 ? kPresetFirstSlots : kPresetOtherSlots;
  std::copy(preset, preset + kSlotPresetCount, params.begin());
  if (maxima.size() >= kSlotPresetCount) {
    std::copy(std::begin(kPresetMaxima), std::end(kPresetMaxima), maxima.begin());
  }
}
