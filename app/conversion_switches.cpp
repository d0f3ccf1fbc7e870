#include "app/conversion_switches.h"

namespace {

constexpr SwitchCommand kToggles[] = {
    {33108, 1},  {33109, 2},  {33110, 3},  {33111, 4},  {33112, 5},  {33113, 6},  {33114, 7},
    {33115, 8},  {33116, 9},  {33117, 10}, {33118, 11}, {33119, 12}, {33122, 15}, {33123, 16},
    {33124, 17}, {33125, 18}, {33126, 19}, {33130, 23}, {33132, 25}, {33133, 26}, {33139, 27},
    {33140, 28}, {33141, 29}, {33146, 31}, {33151, 32}, {33160, 33}, {33164, 35}, {33165, 36},
    {33166, 37}, {33172, 38}, {33174, 41}, {33175, 42}, {33184, 44}, {33186, 46}, {33187, 47},
    {33193, 51}, {33194, 52},
};

// Switch 20: off, inward, outward.
constexpr SwitchValueCommand kValues[] = {{33127, 20, 0}, {33128, 20, 1}, {33129, 20, 2}};

}  // namespace

std::span<const SwitchCommand> SwitchCommands() { return kToggles; }

std::span<const SwitchValueCommand> SwitchValueCommands() { return kValues; }
