// The parameters of a character record (CCharData::m_param) that the drawing view reads
// and sets, by index.
#pragma once

enum ViewParam {
  kParamFlyingWhite = 5,
  kParamGuideWidth = 32,    // the guide grid's cell width and height: both non-zero for a grid
  kParamGuideHeight = 33,
  kParamGuideMode = 36,     // 1 guides with every paint, 2 after a clear or an erase
  kParamPenMode = 47,       // the written points are drawn without conversion
  kParamResyncBrush = 115,  // a full clear hands the settings to the brush state again
  kParamBackColour = 157,   // the paper colour
  kParamLineModeMask = 176,
  kParamDisplayMode = 200,  // 0 the character as written; pen input works only then
  kParamPenLineMode = 240,
  kParamLineModeSwitch = 243,
  kParamShowPoints = 291,
  kParamShowFeatures = 361,  // the conversion's feature marks are shown over the character
};
