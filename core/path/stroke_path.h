// The point path: a character's strokes as one run of float points with a flag byte and an
// attribute byte per point. Every computation on strokes works on one of these.
//
// Flag bytes: 0 continues the stroke, 1 starts a stroke, 2 starts a section of a joined
// stroke (and ends a stroke for the generic stroke tests), 3 marks the first point of an
// appended selection, 4 and 255 end a segment before them, 6 starts a stroke for stroke
// numbering only. Attribute bytes: 1 by default, 3 marks a point the neighbour walks skip.
//
// Nothing grows a path: appends refuse when the path is full, and every copy stops at the
// capacity of its destination.
#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "core/geometry/fpoint.h"
#include "platform/gdi/geometry.h"

class CStrokeMarks;
class CStrokePathEx;
namespace tmb {
class DeviceContext;
}
class CStrokePathLite;
class CStrokeWork;
class PixelMask;
struct CEditRegions;
struct CRegionMembers;

// The 16-byte per-point record of a work path: four floats, 1.0, -1.0, 0, 0 when new.
struct CPointRecord {
  float v[4] = {1.0f, -1.0f, 0.0f, 0.0f};
};

class CStrokePath {
 public:
  static constexpr uint8_t kFlagContinue = 0;
  static constexpr uint8_t kFlagStart = 1;
  static constexpr uint8_t kFlagSection = 2;
  static constexpr uint8_t kFlagSelection = 3;
  static constexpr uint8_t kFlagSegmentEnd = 4;
  static constexpr uint8_t kFlagStartAlt = 6;
  static constexpr uint8_t kFlagLink = 255;
  static constexpr uint8_t kAttrDefault = 1;
  static constexpr uint8_t kAttrSkip = 3;
  static constexpr int kMinStrokeMarks = 256;

  // The default capacity is the work canvas's point capacity.
  CStrokePath();
  explicit CStrokePath(int capacity);
  virtual ~CStrokePath();
  CStrokePath(const CStrokePath&) = delete;
  CStrokePath& operator=(const CStrokePath&) = delete;

  // Empties the path and allocates fresh arrays of the new capacity: points (0, 0), flags
  // 0, attributes 1, and every per-point array of the path's kind. A path that had stroke
  // marks gets a fresh, empty buffer. A capacity that cannot be allocated leaves a path of
  // capacity 0 that refuses appends.
  virtual void Reallocate(int capacity);
  // Makes sure a stroke-mark buffer of at least n bytes exists (n <= 0: capacity / 32),
  // and empties it; returns 1 when a buffer exists afterwards.
  int EnsureAuxBuffer(int n);
  // Sets every flag and attribute byte of the whole capacity to 0.
  void ClearFlags();

  // Accessors.
  int GetCount() const { return m_nCount; }
  // Clamped to 0 .. capacity.
  void SetCount(int n);
  int GetCapacity() const { return m_nCapacity; }
  // Point i; (0, 0) outside the allocated slots.
  CFPoint GetPoint(int i) const;
  // The last point; (0, 0) for an empty path.
  CFPoint GetLastPoint() const { return m_nCount > 0 ? m_pPoints[m_nCount - 1] : CFPoint(0, 0); }
  // Flag byte i as a signed byte; 0 outside the allocated slots.
  signed char GetFlag(int i) const;
  // The mark byte of the stroke holding point i; 0 without a buffer.
  int GetStrokeMark(int i) const;
  // Copies the mark of src's stroke at point j to this path's stroke at point i.
  void CopyStrokeMarkFrom(const CStrokePath& src, int i, int j);

  // Copying and appending. Source ranges are clipped to src's points. Replacing copies
  // keep what fits and return false when src did not fit; appends of a known number of
  // points take all or nothing.
  //
  // Copies slot srcIndex of src into slot dstIndex (point, attribute, flag, record);
  // false when either index lies outside its path's slots.
  bool CopyPointFrom(const CStrokePath& src, int srcIndex, int dstIndex);
  // 1 when appended, 0 when full.
  int AppendPointFrom(const CStrokePath& src, int i);
  // 1 when appended; 0 when skipped as a repeat of the last point, or when full.
  int AppendPointUnlessRepeat(const CStrokePath& src, int i, int force);
  // Appends src points [first, last); withMarks carries the mark of src's stroke at first.
  bool AppendRangeFrom(const CStrokePath& src, int first, int last, int withMarks);
  // Replaces this path by src points [first, last).
  bool CopyRangeFrom(const CStrokePath& src, int first, int last);
  // last - first, or -1 when the range did not fit (the path keeps what did).
  int ExtractRange(const CStrokePath& src, int first, int last);
  // Replaces this path by src, stroke marks included (made when this path has none).
  bool CopyFrom(const CStrokePath& src);
  // Replaces this path by src's strokes numbered [firstStroke, lastStroke), any non-zero
  // flag starting one.
  bool CopyStrokesFrom(const CStrokePath& src, int firstStroke, int lastStroke);
  // The index after the copied stroke, or -1 when it was src's last stroke.
  int CopyStrokeAt(const CStrokePath& src, int i);
  // Replaces this path by src; with drop, a continuation point equal to the point before it
  // in src is left out. The new count.
  int CopyWithoutDuplicates(const CStrokePath& src, int drop);
  // 1, or -1 when count + src's count reaches the capacity (nothing copied).
  int AppendAllFrom(const CStrokePath& src);
  // 1, or 0 when full.
  int AppendFlagged(const CStrokePath& src, int i, int flag);
  // 1, or 0 when full.
  int AppendPoint(int x, int y, int flag);
  // False when skipped (same rounded point and flag as the last one) or full.
  bool AddIntPointUnique(int x, int y, int flag);
  // 1 when appended, 0 when skipped or full.
  int AddPointUnique(float x, float y, int flag, int force);
  // Appends points [first, last) of the array as continuation points.
  bool AppendIntPoints(std::span<const tmb::Point> points, int first, int last);
  bool AppendFrom(const CStrokePath& src);
  // Appends src points a to b inclusive, backwards when a > b, skipping a repeat of the
  // last point unless (mode 1) it starts a stroke in src; mode 1 copies src's flag, mode 2
  // writes 0, others keep the slot's flag. False when the path filled up before b.
  bool AppendRangeDirected(const CStrokePath& src, int a, int b, int mode);
  // Appends src points from a to b round their stroke, forwards (dir 1) or backwards,
  // skipping repeats (the first only unless forceFirst). Returns abs(b - a); indices, when
  // given, receives the source index of each appended point.
  int AppendCyclicRange(const CStrokePath& src, int a, int b, int dir, std::span<int> indices,
                        int forceFirst);
  // Puts src between points pos - 1 and pos. Refused (false, unchanged) when count + src's
  // count reaches the capacity.
  bool InsertPathAt(const CStrokePath& src, int pos);
  // Moves points i.. up one place and copies point srcIndex (counted after the move) into
  // slot i. Refused (false, unchanged) when full or an index is out of range.
  bool InsertPointAt(int i, int srcIndex);
  // Deletes points [first, last) and inserts src there. Refused (false, unchanged) when the
  // result would not fit.
  bool ReplaceRange(int first, int last, const CStrokePath& src);
  // Replaces this path by the light path's points with their flag and attribute bytes.
  bool CopyFromLite(const CStrokePathLite& lite);
  // Appends src (only the current division's points while division editing selects one).
  // Mode 32 turns every appended stroke start into a section break, 33 those whose stroke
  // mark is not set; mode > 0 then flags the first appended point 2 (mode 2) or 3. Appends
  // src's stroke marks. 1, or -1 when count + src's count reaches the capacity.
  int AppendSelectedStrokes(const CStrokePath& src, int mode);

  // Unit bounds. A stroke begins at a point with a non-zero flag (or at index 0) and ends
  // before the next one; a section begins only at flag 1 looking back and ends before flag
  // 1 or 2; a segment ends before flag 1, 2, 4 or 255.
  //
  // True when i is the last point or point i + 1 has a non-zero flag.
  bool IsStrokeLast(int i) const;
  // Point i has a non-zero flag or is its stroke's last point.
  bool IsStrokeBoundary(int i) const;
  // True when i is the last point or point i + 1 has flag 1 or 2.
  bool IsSectionLast(int i) const;
  // The first j >= i with IsStrokeLast (j).
  int FindStrokeEnd(int i) const;
  // The largest j in [1, i] with a non-zero flag, else 0.
  int FindStrokeStart(int i) const;
  // The largest j in [1, i] with flag 1, else 0.
  int FindStrokeStartStrict(int i) const;
  // The last point from i on before a point with flag 1, 2, 4 or 255.
  int FindSegmentEnd(int i) const;
  // The first j > i with flag 1 or 2, or the count.
  int FindNextBreak(int i) const;
  // The stroke's start when dir < 1, else its end.
  int GetStrokeBound(int i, int dir) const;
  // The other end of i's stroke: its end when i has a non-zero flag, else its start.
  int GetStrokeBoundIndex(int i) const;
  // start: the last index <= i with a non-zero flag (0 when none); endExcl: one past the
  // stroke's end (the count when i is past the end). Returns 1.
  int GetStrokeRange(int i, int& start, int& endExcl) const;
  // The largest j in [1, i] with a non-zero flag, else 0.
  int FindPrevFlag(int i) const;

  // Cyclic neighbours: past a stroke's last point comes its first, before its first its
  // last. A negative wrapTo wraps inside the stroke; otherwise the wrap goes to wrapTo.
  int NextInStroke(int i, int wrapTo) const;
  int NextInSegment(int i, int wrapTo) const;
  int PrevInStroke(int i, int wrapTo) const;
  CFPoint NextPoint(int i, int wrapTo) const;
  CFPoint PrevPoint(int i, int wrapTo) const;
  // Point i + 1, or point i itself at its stroke's last point.
  CFPoint NextPointClamped(int i) const;
  // Point i - 1, or point i itself at a stroke start.
  CFPoint PrevPointClamped(int i) const;
  // The cyclic neighbour, passing over points with attribute 3.
  int NextSkippingType3(int i) const;
  int PrevSkippingType3(int i) const;
  // i + offset wrapped once into [start, end] and clamped there; a negative start or end is
  // looked up from i's stroke.
  int WrapIndexInStroke(int i, int offset, int start, int end) const;
  // The same inside i's section and segment.
  int WrapIndexInSection(int i, int offset, int start, int end) const;
  // out[k] = i + k wrapped once into [start, end], for k < n and k < out's size. Returns 1.
  static int FillCyclicIndices(std::span<int> out, int i, int start, int end, int n);
  // The index distance of a and b the shorter way round their stroke; -1 when they lie in
  // different strokes.
  int IndexDistanceInStroke(int a, int b) const;
  int IndexDistanceInSection(int a, int b) const;
  // 1 when a and b lie in one stroke less than n apart either way round, else 0.
  int IsWithinInStroke(int a, int b, int n) const;
  // The smallest of the direct and the two wrapped distances of a and b in [start, end].
  static int CyclicDistance(int a, int b, int start, int end);

  // Stroke numbering.
  //
  // Points with flag 1.
  int CountStrokes() const;
  // Points j <= i with flag 1 or 6, minus 1; i = -1 counts the whole path.
  int GetStrokeIndex(int i) const;
  // The index of the n-th point with flag 1, or -1.
  int GetStrokeStart(int n) const;
  // The index of the n-th point with a non-zero flag; past the last, the last one's.
  int GetStartOfStroke(int n) const;
  // Scanning from index from up to i (the whole path when i = -1): start is the last point
  // with a non-zero flag, end its stroke's end; returns the number seen minus 1.
  int GetStrokeOf(int i, int& start, int& end, int from) const;
  // Every point with a non-zero flag: its index, and when given its stroke's end and the
  // vector to it. Stops when starts is full; returns the number listed.
  int CollectStrokeStarts(std::span<int> starts, std::span<int> ends, std::span<CFPoint> vectors) const;
  // First and last point of every stroke, with their indices; stops when either list is
  // full. Returns the number of ends listed (twice the strokes).
  int CollectStrokeEnds(std::span<CFPoint> points, std::span<int> indices) const;
  // 0, then every stroke start farther than d from the point before it, then the count as
  // a closing entry; returns the entries before the closing one.
  int ListGappedStrokeStarts(std::span<int> out, float d) const;
  // The first and last index of every stroke, then for each stroke its middle index and
  // the one after it; returns the number of entries written.
  int ListStrokeEndPairs(std::span<int> out) const;

  // Editing in place.
  //
  // Every point of [first, last) (the whole path when either is negative) rounded to whole
  // units, halves away from zero.
  void RoundPoints(int first, int last);
  // Drops continuation points equal to the point before them; returns the new count.
  int RemoveDuplicates();
  // Removes points [first, last) (clipped to the path); when a removed point started a
  // stroke, the point that takes first's place starts one.
  void DeleteRange(int first, int last);
  // Inside [first, last] (the whole path when first < 0) drops continuation points that
  // round to the last kept point, and those at a stroke's end that round to its first.
  void RemoveRepeatsInRange(int first, int last);
  // Removes single-point strokes and strokes shorter than minLength; returns how many.
  int RemoveShortStrokes(int minLength);
  // Removes strokes whose last index minus first index is n or less; returns how many.
  int RemoveStrokesByPointCount(int n);
  // Removes every point equal to a point of other; the next kept point starts a stroke
  // when a removed one did, or always with markNext. Returns the number removed.
  int RemoveMatchingPoints(const CStrokePath& other, int markNext);
  // Drops the last but one point of a stroke when it lies within d of the last; returns the
  // number dropped.
  int DropShortEndSegments(float d);
  // Cuts the path before its last stroke. Returns 1.
  int RemoveLastStroke();

  // Line points, densifying and rasterising.
  //
  // Appends the integer points of the line from a to b in unit steps along its major axis
  // (mode 2 leaves both ends out; mode 0 flags the first appended point 1); points whose
  // mask pixel is white are left out. False when the path filled up.
  bool AppendLinePoints(tmb::Point a, tmb::Point b, int mode, const PixelMask* mask);
  // The same between the rounded ends with the minor coordinate kept as a float; unless
  // mode is 2 the start point comes first (and so stands twice). Writes no flag bytes.
  bool AppendFloatLinePoints(CFPoint a, CFPoint b, int mode);
  // Inserts integer points wherever consecutive points of a stroke (and, when closed, the
  // last and first) differ by more than 1 in x or y. 1, or 0 (unchanged) when the result
  // would not fit.
  int Densify(int closed);
  // Unit-step float points along the segments from the points of [first, last) (a
  // stroke's last point leads back to its first when closed; the path's last point, open,
  // stands alone), then point last itself when it exists, into out, with the index of the
  // point each came from; returns the number written, at most out's size.
  int Rasterize(int first, int last, std::span<CFPoint> out, int closed, std::span<int> indices) const;

  // Lengths.
  //
  // The length of the segments from point a to point b (swapped when a > b); the gap from
  // one stroke to the next counts only when acrossStrokes is 1.
  float PathLength(int a, int b, int acrossStrokes) const;
  // The length of i's stroke from its first to its last point.
  float StrokeLength(int i) const;
  // The vector over n points from i, moved back to end at the stroke's last point.
  CFPoint ChordVector(int i, int n) const;
  // True when a and b differ by at most tol in x and in y.
  static bool PointsWithin(const CFPoint& a, const CFPoint& b, float tol);

  // Nearest points: squared distances, a start value of 1e8 (100000000 for the integer
  // searches), and only a strictly nearer point replaces the best.
  //
  // In [first, last); 0 when none is nearer than the start value.
  int FindNearestInRange(float x, float y, int first, int last) const;
  int FindNearest(float x, float y) const;
  // Forwards from the first point when step >= 0, else backwards from the last, so ties go
  // to the lowest index forwards and the highest backwards.
  int FindNearestDirected(float x, float y, int step) const;
  // Among the n + 1 points i, i + step, ... that lie in the path; i when none is nearer.
  int FindNearestStepping(float x, float y, int i, int step, int n) const;
  // Over the rounded points with integer distances; -1 when none (an empty path).
  int FindNearestPoint(int x, int y) const;
  // The same, 0 when none.
  int FindNearestInt(int x, int y) const;
  // Stops at the first point at distance 0; dist receives the best squared distance.
  int FindNearestTo(const CFPoint& p, float& dist) const;

  // Walks along a stroke.
  //
  // Steps cyclically through i's stroke from i + step until the point lies at least d from
  // point i or the walk is back at i; vector receives the way from point i.
  int WalkUntilDistance(int i, int step, float d, CFPoint& vector) const;
  // Steps cyclically through i's stroke from i by step (+1 or -1) until the point lies
  // outside the box of half-size w round point i (farther than w in x or in y), for at most
  // maxSteps steps; returns the index reached (i when the walk could not start).
  int WalkUntilOutsideBox(int i, int step, float w, int maxSteps) const;
  // Steps from i while inside the section and before a stroke boundary until the point
  // lies at least d from point i.
  int WalkInSection(int i, int step, float d) const;
  // The same inside the stroke, for at most maxSteps steps.
  int WalkLimited(int i, int step, float d, int maxSteps) const;
  // The first j in (i, last] farther than the square root of d2 from point i; else i.
  int FindFirstBeyond(int i, int last, float d2) const;

  // Bounds, from the first point of the range on. extremes (when given, 4 entries)
  // receives the indices of the minimum y, minimum x, maximum y and maximum x points;
  // among equal minima the last point counts, among equal maxima the first. The result is
  // the rectangle's centre. An empty range gives an empty rectangle at (0, 0).
  CFPoint GetBoundsOfRange(CFRect& rect, int first, int last, std::span<int> extremes) const;
  CFPoint GetBoundsWithExtremes(CFRect& rect, std::span<int> extremes) const;
  CFPoint GetBounds(CFRect& rect) const;
  // The bounds rounded to whole units, halves away from zero.
  void GetIntBoundingRect(tmb::Rect& rect) const;
  // The bounds of points [first, last) truncated to whole units, and their centre (left +
  // width / 2, top + height / 2 in integers). An empty range gives an empty rectangle at
  // (0, 0).
  tmb::Point GetRangeBoundsAndCentre(tmb::Rect& rect, int first, int last) const;
  // For every frame, the truncated bounds of the point ranges listed for it, into the
  // frame's extent (the second rectangle list); a frame with no points gets its own
  // rectangle as extent.
  void GroupBounds(CEditRegions& regions, const CRegionMembers& members) const;

  // Corners, edges and snapping.
  //
  // The absolute turn between p1 - p0 and p2 - p1; with minLen > 0, 0 unless both sides
  // are at most minLen long and the chord p0 - p2 at least as long as each.
  static float CornerMeasure(CFPoint p0, CFPoint p1, CFPoint p2, int minLen);
  // The length rule of CornerMeasure on its own: with minLen > 0, whether both sides are
  // at most minLen long (squared lengths truncated) and the chord at least as long as
  // each; always true otherwise.
  static bool CornerSidesFit(CFPoint p0, CFPoint p1, CFPoint p2, int minLen);
  // For every point from i to its stroke's end with its cyclic successor: the edge vector
  // and its squared length; with a mask, edges touching a point of attribute 3 get mask 0,
  // length -1 and no vector. Returns the number of edges (at most lengths' size).
  int EdgeVectors(int i, std::span<float> lengths, std::span<CFPoint> vectors, std::span<uint8_t> mask) const;
  // Moves every horizontal edge onto a multiple of p (rightward) or one below it (leftward).
  void SnapHorizontalEdges(int p);
  // The stroke ends with no end of another stroke within d in x and y, into out; returns
  // their number.
  int FindUnconnectedEnds(std::span<int> out, float d) const;

  // Editing by rectangle and matching.
  //
  // first: the start of the stroke of the first point inside rect; last: one past the end
  // of the stroke of the last point inside it; both 0 when none is inside.
  void FindStrokesInRect(const tmb::Rect& rect, int& first, int& last) const;
  // Mode 1 deletes the strokes in rect, mode 0 the points inside it, mode 2 the point
  // nearest to pt when it lies within 8 units. Returns 1.
  int EditPointsInRect(const tmb::Rect& rect, int mode, const CFPoint& pt, int markNext);
  // For every stroke with a point in one of the frames, an entry naming the stroke of the
  // same number in other and the first frame hit; returns the number of entries.
  int MatchStrokes(const CStrokePath& other, const CEditRegions& regions, CRegionMembers& members) const;

  // Transformation.
  void Translate(float dx, float dy);
  // Moves point i by (dx, dy) when it is a slot of the path (0 to the capacity - 1); else
  // false and nothing moves.
  bool OffsetPoint(int i, float dx, float dy);
  void Scale(float s);
  void ScaleXY(float sx, float sy);
  void ScaleRange(float sx, float sy, int first, int last);
  // Replaces this path by src scaled by s; false when src did not fit.
  virtual bool CopyScaled(const CStrokePath& src, float s);
  // Appends (x, y) unless flag is 0 and the last point rounds to it; 1 when appended.
  int AppendIntPointIfNew(int flag, int x, int y);
  // After every control point (attribute 3) followed in its stroke by another control
  // point that starts no stroke, inserts their midpoint with attribute 0. 1, or 0 (path
  // unchanged) when the result would not fit.
  int InsertMidpoints();

  // Drawing (brush/render/). Points become pixels by rounding; colours are 0x00BBGGRR;
  // every routine leaves pDC with the pen and brush it had.
  //
  // DrawRange over every point.
  void DrawLines(tmb::DeviceContext* pDC, tmb::Colour colour, int mode, int markRadius) const;
  // Lines along the strokes of points [first, last) (swapped when first > last) in a
  // one-pixel pen of colour. Mode >= 0 closes each stroke back to its first point, a
  // negative mode leaves it open. |mode| 2 draws the first four strokes in red levels 0,
  // 64, 128, 192 and the later ones black; mode -1 and |mode| 4 give each stroke the next
  // alternative mark colour, with a circle of markRadius at its start when that is
  // non-zero.
  void DrawRange(tmb::DeviceContext* pDC, tmb::Colour colour, int mode, int first, int last, int markRadius) const;
  // One line from point i to point j in a one-pixel pen of colour.
  void DrawSegment(tmb::DeviceContext* pDC, int i, int j, tmb::Colour colour) const;
  void DrawNextSegment(tmb::DeviceContext* pDC, int i, tmb::Colour colour) const;
  // Fills each stroke as one polygon (winding rule) with a one-pixel outline of colour.
  // Mode 1 fills every stroke in colour; mode 2 every stroke white; mode 0 fills white
  // without a selection, and with one the strokes whose selection byte (one per stroke)
  // is 0 in colour and the others white. A selection counts only with useSelection and a
  // non-zero byte among the strokes; then the strokes are drawn on a white picture of
  // the scaled paper that is ANDed into pDC.
  void FillStrokes(tmb::DeviceContext* pDC, tmb::Colour colour, int mode, std::span<const uint8_t> selection,
                   int useSelection) const;
  // A mark per point by its attribute: 0 or 1 a square, 2 and 3 circles.
  void DrawPointMarks(tmb::DeviceContext* pDC) const;
  void DrawPointMarksAlt(tmb::DeviceContext* pDC) const;
  // One pixel per point: stroke starts in yellow, the others in colour (alternateColour,
  // when non-zero, at odd indices); at each stroke's last point its first point becomes
  // cyan and the point itself dark red.
  void DrawPointPixels(tmb::DeviceContext* pDC, tmb::Colour colour, tmb::Colour alternateColour) const;
  // Drops the inner points of strokes whose interior angle exceeds threshold degrees
  // and whose angle over four points either way exceeds 160 degrees.
  void ThinByAngle(float threshold);
  // The outline merge (brush/render/outline_merge.cpp): replaces the path sequence's path
  // by the contours of the union of this path's closed outlines, the first point of each
  // contour flagged 3 with mode 2, else 1. 1 when replaced; 0 when its picture cannot be
  // made or read; -1 when the result does not fit the point capacity (62115 shown once on
  // the export road), the sequence's path then unchanged.
  int BuildOutlineViaBitmap(tmb::DeviceContext* pDC, tmb::Colour colour, int mode) const;

  int m_nCount = 0;
  int m_nCapacity = 0;
  CFPoint* m_pPoints = nullptr;
  uint8_t* m_pFlags = nullptr;
  uint8_t* m_pAttrs = nullptr;
  float m_fParam = 3.1415927f;
  int m_bOwnsArrays = 0;
  int m_bHasRecords = 0;
  int m_bHasStrokeMarks = 0;
  CPointRecord* m_pRecords = nullptr;
  CStrokeMarks* m_pStrokeMarks = nullptr;

 protected:
  // Empties the path and allocates its three arrays afresh, without records or stroke
  // marks; a path's own kind reallocates through Reallocate.
  void Init(int capacity);
  // Copies n consecutive slots of src into this path (src may be this path, ranges may
  // overlap). Subclasses carry their own per-point arrays along. A slot copied from a path
  // without records gets a fresh record, so nothing of what the slot held before stays.
  virtual void CopySlots(const CStrokePath& src, int srcIndex, int dstIndex, int n);
  // An empty path of the same kind and capacity, for operations that rebuild a path.
  virtual std::unique_ptr<CStrokePath> NewEmptyLike() const;
  virtual const CStrokePathEx* AsEx() const { return nullptr; }
  virtual const CStrokeWork* AsWork() const { return nullptr; }
  friend class CStrokePathEx;
  friend class CStrokeWork;

  // Gives the path a record per point (1.0, -1.0, 0, 0); kept across Reallocate.
  void AllocRecords();
  // Appends n slots of src from srcFirst; the caller has checked the room.
  void AppendSlots(const CStrokePath& src, int srcFirst, int n);
  // [first, last) clipped to 0 .. count.
  void ClipRange(int& first, int& last) const;
  // src, or a copy of it held by copy when src is this path, for operations that change
  // this path before they have read all of src.
  const CStrokePath& ApartFromThis(const CStrokePath& src, std::unique_ptr<CStrokePath>& copy) const;

 private:
  void FreeArrays();
  void FreeStrokeMarks();
};
