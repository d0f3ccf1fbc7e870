// The path sequence of animation and export: the outlines of a series of frames, one after
// another in one point path sized for every frame, the canvas rectangle and a table of
// per-frame values. The animation and export code fills it.
#pragma once

#include <array>
#include <cstdint>

#include "core/path/stroke_path.h"
#include "core/record/param_block.h"
#include "platform/gdi/geometry.h"

// While set, Init keeps the frame count and frame counter of the sequence under way.
extern int gPathSequenceHold;

// The values recorded for one frame.
struct CSequenceFrame {
  tmb::Colour colour = 0;
  tmb::Colour colourB = 0;
  tmb::Colour colourC = 0;
  std::array<tmb::Colour, 4> gradient{};
  std::array<int32_t, 4> weights{};
};

// How the SWF export fills a picture's shapes with a gradient of the frame's four
// gradient colours. Nothing in the application changes these from 0 (solid fills).
struct CSequenceGradient {
  int mode = 0;              // 0 none, 1 radial, 2 linear over the bounds, other linear over the diagonal
  int weightMode = 0;        // 0 weights are percentages; > 0 shares above 0; < 0 shares from 0
  int lineColourSource = 0;  // 0 colour B, 2 the picture's line colour, other the last gradient colour
  int useCanvasBounds = 0;   // the gradient spans the canvas instead of the shape's points
  int useColourC = 0;        // lines (and without gradient the outlines) in colour C
};

class CPathSequence {
 public:
  static constexpr int kMaxFrames = 1000;

  CPathSequence() = default;
  ~CPathSequence();
  CPathSequence(const CPathSequence&) = delete;
  CPathSequence& operator=(const CPathSequence&) = delete;

  // Begins a sequence of frames (clamped to 1 .. 1,000): stores the frame count and resets
  // the frame counter and the back-and-forth flag unless gPathSequenceHold is set; makes the path once (capacity
  // maximum points x frames) or grows it on later calls; copies the canvas rectangle;
  // empties the path and gives it a stroke-mark buffer of capacity / 32 bytes. Returns 1.
  int Init(int frames);
  // Re-allocates the path to half of (maximum points x frames) when its capacity is below
  // that half.
  void ShrinkPath();
  // Deletes the path when the sequence owns one.
  void FreePath();

  // The capacity the path needs for frames frames, kept within what an int can count.
  static int PathCapacityFor(int frames);

  // Records the next picture: value as its colour, and from param colour B (157), colour
  // C (159), the gradient colours (152 to 155) and their weights (172 to 175). Returns 1;
  // 0, recording nothing, once 1,000 pictures are recorded.
  int AddFrame(tmb::Colour value, const ParamBlock& param);

  CStrokePath* m_pPath = nullptr;
  int m_bOwnsPath = 0;
  int m_nFrames = 0;        // frames of the sequence
  int m_nFrameCounter = 0;  // frames recorded so far
  tmb::Rect m_rcCanvas;
  std::array<CSequenceFrame, kMaxFrames> m_frames{};
  // Play the pictures forwards and then backwards (set by the animation save, cleared by
  // Init).
  int m_bBackAndForth = 0;
  // The SWF export's simplification leaves the first and the last picture as drawn.
  int m_bKeepFirstPicture = 1;
  int m_bKeepLastPicture = 1;
  CSequenceGradient m_gradient;
};

extern CPathSequence gPathSequence;
