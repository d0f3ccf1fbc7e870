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

#include "core/fpoint.h"
#include "platform/gdi/geometry.h"

class CStrokeMarks;
class CStrokePathEx;
class CStrokePathLite;

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

  // Empties the path and allocates fresh arrays: points (0, 0), flags 0, attributes 1.
  // A capacity that cannot be allocated leaves a path of capacity 0 that refuses appends.
  void Init(int capacity);
  // Init with a new capacity; a path that had stroke marks gets a fresh, empty buffer.
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
  bool AppendRangeFrom(const CStrokePath& src, int first, int last, int withMarks);
  bool CopyRangeFrom(const CStrokePath& src, int first, int last);
  // last - first, or -1 when the range did not fit (the path keeps what did).
  int ExtractRange(const CStrokePath& src, int first, int last);
  bool CopyFrom(const CStrokePath& src);
  bool CopyStrokesFrom(const CStrokePath& src, int firstStroke, int lastStroke);
  // The index after the copied stroke, or -1 when it was src's last stroke.
  int CopyStrokeAt(const CStrokePath& src, int i);
  // The new count.
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
  // False when the path filled up before b was reached.
  bool AppendRangeDirected(const CStrokePath& src, int a, int b, int mode);
  // abs(b - a); when indices is given it receives the source index of each appended point.
  int AppendCyclicRange(const CStrokePath& src, int a, int b, int dir, std::span<int> indices,
                        int forceFirst);
  // Refused (false, unchanged) when count + src's count reaches the capacity.
  bool InsertPathAt(const CStrokePath& src, int pos);
  // Refused (false, unchanged) when full or an index is out of range.
  bool InsertPointAt(int i, int srcIndex);
  // Refused (false, unchanged) when the result would not fit.
  bool ReplaceRange(int first, int last, const CStrokePath& src);
  bool CopyFromLite(const CStrokePathLite& lite);
  // 1, or -1 when count + src's count reaches the capacity.
  int AppendSelectedStrokes(const CStrokePath& src, int mode);

  // Unit bounds. A stroke begins at a point with a non-zero flag (or at index 0) and ends
  // before the next one.
  //
  // True when i is the last point or point i + 1 has a non-zero flag.
  bool IsStrokeLast(int i) const;
  // The first j >= i with IsStrokeLast (j).
  int FindStrokeEnd(int i) const;
  // The largest j in [1, i] with a non-zero flag, else 0.
  int FindStrokeStart(int i) const;
  // Points j <= i with flag 1 or 6, minus 1; i = -1 counts the whole path.
  int GetStrokeIndex(int i) const;

  // Editing in place.
  //
  // Removes points [first, last) (clipped to the path); when a removed point started a
  // stroke, the point that takes first's place starts one.
  void DeleteRange(int first, int last);

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
  // Copies n consecutive slots of src into this path (src may be this path, ranges may
  // overlap). Subclasses carry their own per-point arrays along.
  virtual void CopySlots(const CStrokePath& src, int srcIndex, int dstIndex, int n);
  // An empty path of the same kind and capacity, for operations that rebuild a path.
  virtual std::unique_ptr<CStrokePath> NewEmptyLike() const;
  virtual const CStrokePathEx* AsEx() const { return nullptr; }
  friend class CStrokePathEx;

  // Gives the path a record per point (1.0, -1.0, 0, 0); kept across Reallocate.
  void AllocRecords();
  // Appends n slots of src from srcFirst; the caller has checked the room.
  void AppendSlots(const CStrokePath& src, int srcFirst, int n);
  // [first, last) clipped to 0 .. count.
  void ClipRange(int& first, int& last) const;

 private:
  void FreeArrays();
  void FreeStrokeMarks();
};
