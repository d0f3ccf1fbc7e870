// The image effects that work on one-bit planes of a picture region: the picture's ink
// (every pixel that is not the paper colour) is read into a plane, neighbourhood steps
// outline, thin, hollow, roughen or dot it, and the changed pixels go back to the picture.
#pragma once

#include <cstdint>
#include <vector>

#include "brush/bitmap/image_effect.h"
#include "core/onebit/mono_bitmap.h"
#include "platform/gdi/geometry.h"
#include "platform/gdi/surface.h"

// A one-bit plane of a picture's size; scans run over region. Its rows are those of the
// work canvas's one-bit DIB it is made on when that DIB has the size, else memory of its
// own.
class OneBitPlane {
 public:
  // All background; false for an empty size. canvasDib (0 to 2): the canvas DIB whose
  // rows it takes when they fit; -1: always its own memory.
  bool Make(tmb::Size size, const tmb::Rect& region, int canvasDib = -1);
  // The same geometry as other, with its pixels.
  void CopyFrom(const OneBitPlane& other);
  CMonoBitmap& map() { return m_map; }
  const CMonoBitmap& map() const { return m_map; }
  uint8_t* bits() { return m_pRows; }
  const uint8_t* bits() const { return m_pRows; }

 private:
  uint8_t* m_pRows = nullptr;  // the canvas DIB's rows or m_bits
  std::vector<uint8_t> m_bits;
  CMonoBitmap m_map;
};

// Reads region of picture into plane (made here at the picture's size, on canvasDib as
// OneBitPlane::Make takes it): a pixel that is not paper is ink.
bool ReadInkPlane(const tmb::Surface& picture, const tmb::Rect& region, tmb::Colour paper, OneBitPlane& plane,
                  int canvasDib = -1);
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
// outside the plane are dropped. With showProgress the progress moves on by tens of
// percent of the rows and is reset to -1 at the end. Returns the pixels effect 66
// cleared, else 0.
int MaskNeighbourhoodStep(const CMonoBitmap& source, CMonoBitmap& destination, int effect,
                          const MaskStepValues& values, CEffectRandom& random, int showProgress = 0);

// Runs a mask effect on region of picture through the work canvas's three one-bit DIBs
// (own memory where they do not have the picture's size): the ink (every pixel other than
// paper) is read into the first; the second starts as a copy of it for effects 0, 2, 4
// and 5 and empty for the others. Effect 66 thins the second until a round clears nothing
// (at most 100 rounds), 14 for one round; 13 wears the ink away edge by edge for repeat
// rounds (1 to 20), the ink left in the second, the edges worn gathered in the third, and
// keeps the third: a frame as wide as the rounds; 3 and 17 add their ink to the ink
// there was; any other effect runs one step into the second. What the result changed is
// painted back: ink that went in paper, ink that came in added. With showProgress the
// steps and the thinning show their progress. Returns the number of pixels changed, -1
// when the planes cannot be made.
int ApplyMaskEffect(tmb::Surface& picture, const tmb::Rect& region, int effect, tmb::Colour paper,
                    tmb::Colour added, int repeat, const MaskStepValues& values, CEffectRandom& random,
                    int showProgress = 0);
