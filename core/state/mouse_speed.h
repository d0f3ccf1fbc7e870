// The pointer-speed presets of pen input: seven levels from slow (0) to fast (6). The
// drawing state's system version chooses the form: before 501 each level is a triple of
// thresholds and acceleration, from 501 on a pointer speed. The speed the user had is
// read at start and put back when a drawing view loses the focus and at the end.
#pragma once

#include "platform/service/pointer_speed.h"

inline constexpr int kMouseSpeedLevels = 7;

// What the last reading found: the triple (before 501) and the speed (from 501 on; 10,
// the unchanged speed, until a pointer answers).
extern tmb::MouseThresholds gSavedMouseThresholds;
extern int gSavedMouseSpeed;

// The preset of level (held to 0 .. 6): its triple, and its speed 6 + 2 x level.
tmb::MouseThresholds MouseSpeedPreset(int level);
int MouseSpeedOfLevel(int level);
// The level a triple stands for.
int MouseThresholdsLevel(const tmb::MouseThresholds& thresholds);

// Sets the pointer to the preset of level.
void SetMouseSpeedLevel(int level);
// Reads the pointer. Before 501: the triple into out, and the result is its level; from
// 501 on: the speed into gSavedMouseSpeed, and the result is that speed. Either result is
// only ever handed back to RestoreMouseSpeed.
int GetMouseSpeedLevel(tmb::MouseThresholds& out);
// Puts back what GetMouseSpeedLevel read. Before 501 saved is a level: the triple read
// with it when it is that triple's level, else the level's preset, which is then read
// back into gSavedMouseThresholds; from 501 on saved is the speed.
void RestoreMouseSpeed(int saved);
