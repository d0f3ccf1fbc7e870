#include "core/state/mouse_speed.h"

#include <algorithm>
#include <array>

#include "core/state/draw_state.h"

tmb::MouseThresholds gSavedMouseThresholds;
int gSavedMouseSpeed = 10;

namespace {

constexpr std::array<tmb::MouseThresholds, kMouseSpeedLevels> kPresets = {{
    {0, 0, 0},
    {10, 0, 1},
    {7, 0, 1},
    {4, 0, 1},
    {4, 12, 2},
    {4, 9, 2},
    {4, 6, 2},
}};

bool UsesSpeed() { return gDrawState.m_nWinVersion >= kPointerSpeedVersion; }

int HeldLevel(int level) { return std::clamp(level, 0, kMouseSpeedLevels - 1); }

}  // namespace

tmb::MouseThresholds MouseSpeedPreset(int level) { return kPresets[static_cast<size_t>(HeldLevel(level))]; }

int MouseSpeedOfLevel(int level) { return 6 + 2 * HeldLevel(level); }

int MouseThresholdsLevel(const tmb::MouseThresholds& t) {
  if (t.acceleration < 1) return 0;
  if (t.acceleration == 1) return t.threshold1 >= 9 ? 1 : t.threshold1 >= 6 ? 2 : 3;
  return t.threshold2 >= 11 ? 4 : t.threshold2 >= 8 ? 5 : 6;
}

void SetMouseSpeedLevel(int level) {
  if (UsesSpeed()) {
    tmb::PointerSpeed().SetMouseSpeed(MouseSpeedOfLevel(level));
  } else {
    tmb::PointerSpeed().SetMouseThresholds(MouseSpeedPreset(level));
  }
}

int GetMouseSpeedLevel(tmb::MouseThresholds& out) {
  if (UsesSpeed()) {
    tmb::PointerSpeed().GetMouseSpeed(gSavedMouseSpeed);
    return gSavedMouseSpeed;
  }
  tmb::PointerSpeed().GetMouseThresholds(out);
  return MouseThresholdsLevel(out);
}

void RestoreMouseSpeed(int saved) {
  if (UsesSpeed()) {
    tmb::PointerSpeed().SetMouseSpeed(saved);
    return;
  }
  const tmb::MouseThresholds back =
      MouseThresholdsLevel(gSavedMouseThresholds) == saved ? gSavedMouseThresholds : MouseSpeedPreset(saved);
  tmb::PointerSpeed().SetMouseThresholds(back);
  gSavedMouseThresholds = back;
  tmb::PointerSpeed().GetMouseThresholds(gSavedMouseThresholds);
}
