// The image effects that work on one-bit planes of a picture region: the picture's ink
// (every pixel that is not the paper colour) is read into a plane, neighbourhood steps
// outline, thin, hollow, roughen or dot it, and the changed pixels go back to the picture.
#pragma once

#include <cstdint>
#include <vector>

#include "brush/bitmap/image_effect.h"
#include "imageedit/onebit/mono_bitmap.h"
#include "platform/gdi/geometry.h"
#include "platform/gdi/surface.h"

// A one-bit plane of a picture's size with memory of its own; scans run over region.
class OneBitPlane {
 public:
  // All background; false for an empty size.
  bool Make(tmb::Size size, const tmb::Rect& region);
  // The same geometry as other, with its pixels.
  void CopyFrom(const OneBitPlane& other);
  CMonoBitmap& map() { return m_map; }
  const CMonoBitmap& map() const { return m_map; }
  uint8_t* bits() { return m_bits.data(); }
  const uint8_t* bits() const { return m_bits.data(); }

 private:
  std::vector<uint8_t> m_bits;
  CMonoBitmap m_map;
};

// Reads region of picture into plane (made here at the picture's size): a pixel that is
// not paper is ink.
bool ReadInkPlane(const tmb::Surface& picture, const tmb::Rect& region, tmb::Colour paper, OneBitPlane& plane);
// Puts what changed from before to after over region of picture: ink that became
// background is painted paper, background that became ink added. Returns the number of
// pixels painted.
int WriteMaskChanges(tmb::Surface& picture, const tmb::Rect& region, const CMonoBitmap& before,
                     const CMonoBitmap& after, tmb::Colour paper, tmb::Colour added);

// Most rounds the axis extraction (effect 66) and the hollowing (effect 13) take.
constexpr int kMaxThinRounds = 100;
constexpr int kMaxHollowRounds = 20;

// The values a mask effect reads besides its planes.
struct MaskStepValues {
  int density = 50;  // effect 3: percent of the paper that becomes ink
};

// One pass over the scan region of source into destination: effect 3 dots the paper,
// 17 drags ink to the left, 66 thins destination in place (counting what it cleared),
// 4 roughens the edge (destination holding the ink), 1, 6, 7, 8 and 28 write the edge of
// the ink. Whole background bytes (whole ink bytes for effect 3) are skipped; writes
// outside the plane are dropped. Returns the pixels effect 66 cleared, else 0.
int MaskNeighbourhoodStep(const CMonoBitmap& source, CMonoBitmap& destination, int effect,
                          const MaskStepValues& values, CEffectRandom& random);

// Runs mask effect 1, 3, 4, 13, 14, 17 or 66 on region of picture: paper is the colour
// that counts as background (and paints what the effect clears), added paints what it
// adds; rounds is the hollowing's width. Returns the number of pixels changed, -1 when
// the planes cannot be made.
int ApplyMaskEffect(tmb::Surface& picture, const tmb::Rect& region, int effect, tmb::Colour paper,
                    tmb::Colour added, int rounds, const MaskStepValues& values, CEffectRandom& random);
