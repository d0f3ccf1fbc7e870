// The point path with two side points per point, two optional weights per point (the
// half-widths of a stroke on either side), a guide mark per point and an attached output
// path of the same capacity that receives the stroke outlines.
#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "core/path/stroke_path.h"

class CStrokePathEx : public CStrokePath {
 public:
  CStrokePathEx();
  explicit CStrokePathEx(int capacity);
  ~CStrokePathEx() override;

  // New capacity for every array; the weights are made again when they existed.
  void Reallocate(int capacity) override;
  // Sets both side points of every slot to (v, v).
  void SetExtraPointsTo(float v);
  // Allocates the two weight arrays (zero-filled) once; false when they cannot be had.
  bool AllocWeights();
  bool HasWeights() const { return m_bWeightsAllocated != 0; }

  // Writes n points of src from srcFirst into the slots from pos on and sets the count
  // after the last one written. With drop, a continuation point equal to the last point
  // written is left out, unless it ends a stroke whose start is the point before it.
  // Stops at the capacity; returns the new count.
  int AppendCountFrom(int pos, int n, const CStrokePath& src, int srcFirst, int drop);
  // Replaces this path by src scaled by s, side points and weights included.
  bool CopyScaled(const CStrokePath& src, float s) override;
  // The first index whose side point *which (0 the first, 1 the second) equals (x, y); the
  // count, with *which set to -1, when none does.
  int FindByExtraPoint(float x, float y, int* which) const;
  // Fills the weights with each point's distance from its first and second side point.
  void ComputeWeights();
  // The morph interpolation of the weights (convert/morph/): for every point of this path
  // (which needs at least 2), the weights of a and b blended at percent, a's scaled by
  // factor when it is above 1 and b's by 1 / factor when below (a factor not above 0
  // counts as 1). Mode 0 maps this path's points evenly onto a's and b's; other modes
  // average the weights of the matching stretch of the matching stroke. Leaves the
  // weights as they are when a or b has no points or no weights. Returns the count.
  int InterpolateWeights(const CStrokePathEx& a, const CStrokePathEx& b, int percent, float factor, int mode);
  // Lines from every point to its first side point, then to its second: in one-pixel pens
  // of colourA and colourB with givenColours, else in the alternative mark colours per
  // stroke, those of the second pass at 70 percent (brush/render/).
  void DrawSideLines(tmb::DeviceContext* pDC, tmb::Colour colourA, tmb::Colour colourB, int givenColours) const;

  // The outline clipping (convert/analysis/): this path is the centre path of a character
  // whose side points lie on outline, a path of closed contours (points of attribute 3
  // are curve control points).
  //
  // Cuts outline where the selected strokes (one byte per stroke of this path, non-zero
  // selected) meet the others and joins the pieces whose ends meet into strokes; the
  // contours no cut reaches stay whole. result becomes the joined contours, outer ones
  // first, with hole marks. Returns 1.
  int ClipOutline(const CStrokeWork& outline, std::span<const uint8_t> selection, CStrokeWork& result) const;
  // Appends to result one clipping per stroke of this path (stroke negative), each with
  // only that stroke selected, or one clipping with only stroke selected; invert selects
  // every other stroke instead. Returns 1.
  int ClipOutlineByStrokes(const CStrokeWork& outline, int stroke, int invert, CStrokeWork& result) const;

  CFPoint* m_pSide1 = nullptr;
  CFPoint* m_pSide2 = nullptr;
  // Per point, non-zero while its side points were taken from a segment of a guide and
  // must stay as found (the width measurement sets it, the side-point update clears it).
  // Kept apart from the flag bytes, whose codes it would otherwise change. A slot copied
  // from a path of another kind gets 0.
  uint8_t* m_pGuideMarks = nullptr;
  CStrokePath* m_pOutline = nullptr;
  float* m_pWeight1 = nullptr;
  float* m_pWeight2 = nullptr;
  int m_bWeightsAllocated = 0;

 protected:
  void CopySlots(const CStrokePath& src, int srcIndex, int dstIndex, int n) override;
  std::unique_ptr<CStrokePath> NewEmptyLike() const override;
  const CStrokePathEx* AsEx() const override { return this; }

 private:
  void AllocExtras();
  void FreeExtras();
  void FreeWeights();
};
