// The path sequence of animation and export: the outlines of a series of frames, one after
// another in one point path sized for every frame, the canvas rectangle and a table of
// per-frame values. The animation and export code fills it.
#pragma once

#include <array>
#include <cstdint>

#include "core/path/stroke_path.h"
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

class CPathSequence {
 public:
  static constexpr int kMaxFrames = 1000;

  CPathSequence() = default;
  ~CPathSequence();
  CPathSequence(const CPathSequence&) = delete;
  CPathSequence& operator=(const CPathSequence&) = delete;

  // Begins a sequence of frames (clamped to 1 .. 1,000): stores the frame count and resets
  // the frame counter unless gPathSequenceHold is set; makes the path once (capacity
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

  CStrokePath* m_pPath = nullptr;
  int m_bOwnsPath = 0;
  int m_nFrames = 0;        // frames of the sequence
  int m_nFrameCounter = 0;  // frames recorded so far
  tmb::Rect m_rcCanvas;
  std::array<CSequenceFrame, kMaxFrames> m_frames{};
};

extern CPathSequence gPathSequence;
