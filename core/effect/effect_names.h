// The image effects by number, the labels that name them in effect scripts, and the
// effect numbers whose colour slots have fixed roles.
#pragma once

#include <span>
#include <string_view>

// Per-effect tables are indexed by effect number and have room for this many.
constexpr int kEffectSlots = 78;
// Effect numbers 0 to kEffectNames - 1 have names (0 is never used).
constexpr int kEffectNames = 68;

// Effect numbers the editor's code names.
enum EffectNumber {
  kEffectLightColouring = 2,
  kEffectStone = 3,
  kEffectRelief = 6,
  kEffectShadow = 7,
  kEffectHollow = 13,
  kEffectFog = 15,
  kEffectShade = 16,
  kEffectSaturationUp = 21,  // 21 to 24: saturation and luminosity up and down
  kEffectLuminosityDown = 24,
  kEffectAntique = 27,
  kEffectFrame = 28,
  kEffectGradeX = 29,  // 29 to 32: the four gradients
  kEffectGradeYPaper = 32,
  kEffectScaleSame = 40,
  kEffectScalePixels = 41,
  kEffectScaleRatio = 42,
  kEffectScaleTrapezoid = 43,
  kEffectScaleIncline = 44,
  kEffectScaleEllipse = 45,
  kEffectChannelUp = 50,  // 50 to 53: channel changes of the strokes, paper, all paper, set colour
  kEffectColourBack = 54,       // colour1: the background colour
  kEffectColourPaper = 55,      // colour1: the paper colour
  kEffectColourPaperAll = 56,
  kEffectColourPen = 57,        // colour1: the pen (ink) colour
  kEffectColourFreePoint = 58,  // colour1: the free-point colour
  kEffectColourBackOld = 59,    // two colours: the picture made black and white
  kEffectColourOutline = 60,    // colour1: the added-outline colour
  kEffectColourRelief = 61,     // colour1: the relief and shadow colour
  kEffectColourStone = 62,      // colour1: the stone-dot colour
  kEffectColourGrade1 = 63,     // colour1: the first gradient colour
  kEffectColourGrade2 = 64,     // colour1: the second gradient colour
  kEffectColourBoxTopLeft = 65,  // colour1: the picture's colour at the area's top-left
};

// The name of effect number (0 to kEffectNames - 1), else nullptr.
const char* EffectName(int number);
// The first effect number from 1 up whose name contains internalName; 0 when none does.
int EffectNumberOfName(std::string_view internalName);

// One row of the label table: the internal name and the two labels (UTF-8) that name it
// in a script.
struct ScriptLabel {
  const char* name;
  const char* japanese;
  const char* english;
};

// The label rows in the order a line is matched against them.
std::span<const ScriptLabel> ScriptLabels();
