// The character record: the points of one character as the pen wrote them (a flag, a
// pressure, a step length and a width level per point), the 512 brush, style and
// animation parameters, the texts, the image-effect definition, two text-settings blocks
// and the edit rectangles. A plain structure with public fields: every subsystem reads
// it directly and addresses parameters by index.
//
// Records are large (two text blocks alone take over 100 KB): owners hold them on the
// heap or as globals, never on the stack.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/geometry/cell_grid.h"
#include "core/record/edit_regions.h"
#include "core/record/param_block.h"
#include "core/text/text_settings.h"
#include "core/effect/effect_def.h"
#include "platform/gdi/geometry.h"

class CCharDataFull;
class FlowCanvas;
class LineSink;
struct COutlineDocument;
class CStdSettingDlg;
class CStrokePath;
class CStrokeWork;

constexpr int kMaxCharPoints = 16000;  // points of a character record
constexpr int kCharTextCount = 10;
constexpr int kValueTableSize = 256;

// Indexes of the record's texts (code page 932 bytes, exactly as files hold them).
enum CharTextIndex {
  kTextEffectFile = 0,
  kTextAnimationName = 1,  // base name of animation files, "ani" by default
  kTextFolder = 2,
  kTextPicture1 = 3,  // path of background picture 1
  kTextPicture2 = 4,  // path of background picture 2
  kTextTextMode = 5,  // the text of text mode
};

// Copy categories of the parameters (CopySettingsByCategory).
enum SettingsCategory {
  kCategoryAll = 0,      // 1, 2, 4 and 5: all parameters but 32 to 36 and 194
  kCategoryBrush = 1,    // parameters 0 to 7 and their slider maxima
  kCategoryOther = 2,    // 8 to 511 but 32 to 36, 100 to 109, 150 to 194; the texts
  kCategoryGuide = 3,    // 32 to 36 (the guide-line layout)
  kCategoryShape = 4,    // 150 to 193
  kCategoryEffect = 5,   // 100 to 109, the effect file name and text 0
};

class CCharData {
 public:
  CCharData();
  virtual ~CCharData();
  CCharData(const CCharData&) = delete;
  CCharData& operator=(const CCharData&) = delete;

  // The full record behind this one, or null for a base record. Operations that touch
  // the fields of the full record (the changed flag, the range pair, the maxima, the
  // snapshot) do that part only on a full record.
  virtual CCharDataFull* Full() { return nullptr; }
  const CCharDataFull* Full() const { return const_cast<CCharData*>(this)->Full(); }

  // ---- points
  // No points; every flag 0, step length 1, pressure -1 and width level 0.
  void ClearPoints();

  int GetPointCount() const { return m_nPoints; }
  // Inline: the brush engine asks once per point.
  bool IsStrokeEnd(int i) const { return i < 0 || i >= m_nPoints - 1 || m_pFlags[i + 1] != 0; }
  int FindStrokeEnd(int i) const {
    int j = i < 0 ? 0 : i;
    while (!IsStrokeEnd(j)) ++j;
    return j;
  }
  void GetStrokeBounds(int i, int* start, int* end) const;
  // Start of the stroke of the first point inside rect and end of the stroke of the last
  // point inside it; 0 and 0 when no point is inside.
  void GetStrokesInRect(const tmb::Rect& rect, int* start, int* end) const;
  // Index of the nearest point (first of equals); -1 when no point lies within 10,000 px.
  int FindNearestPoint(int x, int y) const;
  int CountStrokes() const;
  // Length of the steps from start to the end of its stroke (mode 0) or to the next
  // index whose byte in stops is non-zero (mode 1); Chebyshev steps, or Euclidean steps
  // rounded half up when euclid is set.
  int StrokeLength(int start, bool euclid, int mode, const uint8_t* stops) const;
  int TotalStrokeLength(int from, int to) const;
  int RankStrokesByExtent(std::vector<int>& counts) const;

  // ---- parameters
  int PickSetting(int flag) const { return flag ? m_param[49] : m_param[39]; }
  bool IsModeInMask(int mask) const;
  bool IsParamActive(int k) const;

  // ---- editing and copying points; every writer keeps within kMaxCharPoints and shows
  // 62045 when a source does not fit (what fits is kept).
  void CopyPointAttributes(int i, const CCharData& src, int j);
  void DeletePoints(int from, int to);
  // Adds (dx, dy) to points [from, to) (clipped to the points; each coordinate held within
  // the int range) and marks the record changed and modified.
  void MoveAllPoints(int from, int to, int dx, int dy);
  // Returns the number of points inserted.
  int InsertPoints(int at, const CCharData& src);
  void CopyPoints(const CCharData& src);
  int CopyStroke(const CCharData& src, int to, int from);
  void CopyPointRange(const CCharData& src, int from, int to);
  // Points [from, from + count) of src with their per-point values to index `to`, array by
  // array (the brush engine moves whole characters on every rebuild); moving down within
  // one record is safe. The point count stays.
  void CopyPointBlock(int to, const CCharData& src, int from, int count);

  // ---- settings
  void CopyActiveShapeParams(const CCharData& src);
  void CopySettings(const CCharData& src);
  void CopySettingsAndNames(const CCharData& src);
  void CopyFrom(const CCharData& src);
  void SwapWith(CCharData& other);
  void UpdateRangeFromMode();
  void SnapshotSettings();
  void DetectSettingsChanges();
  void ClearShapeMode();

  // Step lengths of every point and, when parameter 114 is set, the width levels.
  void ComputeWidthLevels();
  void ComputeWidthLevelsBy(int divisor);

  // ---- defaults and category copies
  void SetDefaultParams();
  void SetDefaults();
  void SetDefaultsBySlot(int slot);
  // Copies a category of settings from src, or from character slot 0 when src is null.
  void CopySettingsByCategory(int category, const CCharData* src);
  void LoadSettingsFromSlot(bool second);
  int CopySettingsWithDialog(int source, bool second);
  int ApplySettingsCopy(const CCharData& source, const CStdSettingDlg& dialog);

  // ---- point paths
  // The points [from, to) (all when from is -1) into path, emptied first, as float
  // points; the flags come from flagSource instead of the record's own flags when given
  // (the document's attribute bytes).
  void ToStrokePath(CStrokePath& path, const uint8_t* flagSource, int from, int to) const;
  // Every point of path, rounded, from index 0 (or after the present points when append
  // is set), each with its flag. Returns the number of points written.
  int FromStrokePath(const CStrokePath& path, bool append);
  // The points of path, rounded; a point whose rounded successor is the same is dropped
  // unless it ends a stroke. The path's attribute bytes go to source's second attribute
  // buffer at the kept points' indexes. Returns the new count.
  int FromStrokePathDedup(const CStrokePath& path, CCharDataFull* source);
  // Every point (as many as work holds) with its flag, step length, pressure and width
  // level, then the settings.
  void ToStrokeWork(CStrokeWork& work) const;
  // The way back: every point of work (FromStrokePath from index 0) with the pressure,
  // step length and width level that travelled with it. Returns the number written.
  int FromStrokeWork(const CStrokeWork& work);
  // The parameters, the loaded flag, the range pair, the frame state and percentage, the
  // frame count and the value the working path takes from the record.
  void CopySettingsToWork(CStrokeWork& work) const;

  // ---- the brush-outline engine (brush/): this record is the working record and source
  // the drawn record, unless a line says otherwise.
  //
  // Rebuilds the working points from source when they or a parameter they depend on
  // changed, then the brush levels, links, contrast, smoothing, tapers and transforms.
  // The levels and links go to source's buffers. doc gives the document's float buffer
  // (the engine's own is used without one). Returns 1.
  int BuildOutline(CCharDataFull& source, COutlineDocument* doc = nullptr);
  // On the drawn record: the brush level of a segment (dx, dy) with the point's step
  // length (second) and pressure; which picks the minimum (1: parameter 49, else 39).
  int ComputePointLevel(int dx, int dy, int penMode, int second, int pressure, int which) const;
  // On the drawn record: its link buffer from the segments of work (1 where a segment is
  // at least parameter 2 long).
  void FlagLinkSegments(const CCharData& work);
  // Spreads the levels of each section away from the section's middle level by factor.
  void ScaleLevelContrast(const uint8_t* links, int8_t* levels, float factor, int perStroke) const;
  // Lays out the cell grid and moves, scales, tilts, rotates and contracts the points.
  void ApplyTransforms();
  // The bounding rectangle of all points, or of points [from, to); returns its centre.
  tmb::Point GetBoundRect(tmb::Rect& rect) const;
  tmb::Point GetRangeBoundRect(tmb::Rect& rect, int from, int to) const;
  // Squared length of the segment from point i to point i + 1 (0 at the last point).
  int64_t SegmentLengthSq(int i) const;
  // Removes every point whose flag is 255.
  void DropFlaggedPoints();
  // One float point per point: (xs[i], ys[i]) when useArrays is set, else the point.
  void FillFloatPoints(CFPoint* out, const float* xs, const float* ys, int useArrays) const;
  // Every point times factor, rounded halves away from zero.
  void ScalePoints(float factor);

  // Point preparation: the points of source rebuilt by the filters the parameters ask for.
  void PreparePoints(const CCharData& source, bool allowBuild);
  // Per-stroke building: lead-ins, lead-outs, thinning or doubling, short-stroke padding.
  void BuildStrokePoints(const CCharData& source);
  void PadShortStrokes(int limit, int divisor);
  // Even-step resampling of every stroke, integer and float forms.
  void ResampleStrokes(int step);
  void ResampleStrokesFloat(int step, int mode);
  // Temporary points (flag 255) along the jumps between strokes.
  void FillLinkGaps(int step, int repeat, int mode);
  // Straightens the wobbly monotone runs of the strokes.
  void StraightenRuns(int strength, int minPoints, int minSide);
  // Pulls the float points toward a smoother, more cursive line and rounds them back.
  void ShapeCursive(CFPoint* floatPoints, const ParamBlock& params);
  // Pulls the points of path (a copy of this record's) toward a curve through its key
  // points by value percent; with a canvas the curve and the point marks are shown.
  void FlowStep(CStrokeWork& path, int value, int joinDistance, FlowCanvas* canvas = nullptr);

  // Point-count utilities.
  void RepeatPoints(int total);
  int DoubleStrokeEnds(int limit);
  int ThinByStep(float step);
  int RemoveEvenSteps(int n, int mode);
  int ReduceToCount(int target);
  void InsertEvenly(float factor);
  void ResampleTwice(int step, int mode);
  void PullStrokesInt(int limit, int percent);
  void RepeatStrokeHeads(int unused);
  void CutStrokeEnds(int divisor, int unused);

  // Lays out the cell grid for a canvas of width x height from parameters 32 to 35 and,
  // when dc is given, draws the guide lines into it.
  void DrawGuideLines(int width, int height, LineSink* dc);

  // ---- fields
  std::unique_ptr<tmb::Point[]> m_pPoints;   // kMaxCharPoints, in writing order
  std::unique_ptr<uint8_t[]> m_pFlags;       // 1 starts a stroke (254: dropped by the reader)
  int32_t m_nPoints = 0;
  std::unique_ptr<int32_t[]> m_pPressure;    // percent; -1 none
  std::unique_ptr<int32_t[]> m_pSegLength;   // step to the next point, rounded half up
  std::unique_ptr<uint8_t[]> m_pWidthLevel;  // 0 to 4
  ParamBlock m_param{};
  std::array<std::string, kCharTextCount> m_text;  // see CharTextIndex
  std::array<int32_t, kValueTableSize> m_valueTable{};  // first (parameter 50) entries stored
  CEffectDef m_effect;
  int32_t m_bEffectChanged = 0;
  std::array<CTextSettings, 2> m_textSettings;
  int32_t m_nLoadState = 0;   // 2 after a file load filled the record; 1 after a reset
  int32_t m_bStrokeEnded = 0; // 1 at the end of every pen stroke and after a reset
  int32_t m_bRedrawStrokes = 0; // raised by the defaults, the loader and a stroke start
  int32_t m_bRedraw2 = 0;
  int32_t m_bDerived = 0;     // 1 when blended or page-copied colours changed the settings
  CRegionBlock m_regions;
  int32_t m_bActive = 0;      // 1 after construction of a full record and a reset
  CCellGrid m_cellGrid;       // the character cells of the guide lines

 private:
  void CopyPointFull(int i, const CCharData& src, int j);
};

// Shows 62045 (the record cannot hold the points) after a beep.
void ReportCharCapacity();
