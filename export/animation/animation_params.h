// The places in a record's parameter block that the animation stepping and the frame
// output read: frame count, easing, outputs and their waits.
#pragma once

enum AnimationParam {
  kAnimWarpSwitch = 63,         // blend the parameters between A and B
  kAnimStyle = 11,              // conversion style while a transition frame is drawn
  kAnimFrames = 50,             // frame count
  kAnimAcceleration = 51,       // easing strength, tenths of an exponent
  kAnimCellPreview = 52,        // the frame goes into the preview's cells
  kAnimMarginX = 56,            // dirty-rectangle margins, pixels
  kAnimMarginY = 57,
  kAnimFrameFiles = 59,         // numbered frame pictures on
  kAnimFrameFormat = 60,        // 0 BMP, 1 PNG, 2 JPEG
  kAnimMorphSwitch = 62,        // shape change on
  kAnimAvi = 66,
  kAnimAviRecompress = 67,
  kAnimAviWait = 68,            // 1/100 s
  kAnimSplitPercent = 71,       // the frame shown by the single-frame display
  kAnimClipboard = 77,          // every frame to the clipboard
  kAnimMng = 120,
  kAnimWaitMiddle = 121,        // 1/100 s, frames between the first and the last
  kAnimWaitFirst = 122,
  kAnimWaitLast = 123,
  kAnimMngTransparent = 124,
  kAnimOpenMng = 126,
  kAnimGif = 130,
  kAnimGifTransparent = 134,
  kAnimOpenGif = 136,
  kAnimHtml = 137,
  kAnimStyleChoice = 142,       // conversion style of the transition frames (list entry)
  kAnimBackAndForth = 143,
  kAnimDecelerate = 149,        // 0 accelerate, 1 decelerate
  kAnimColourFirst = 150,       // nine colours blended between A and B
  kAnimPaperColour = 151,
  kAnimColourLast = 158,
  kAnimDisplayMode = 200,
  kAnimMorphMode = 233,         // 1 selects morph state -2
  kAnimSwf = 250,
  kAnimOpenSwf = 252,
  kAnimWaitMode = 255,          // 0 first/middle/last waits, 1 a wait per frame
};

// Frame counts the stepping and the output accept.
constexpr int kMinAnimFrames = 2;
constexpr int kMaxAnimFrames = 1000;
