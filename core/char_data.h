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

#include "core/edit_regions.h"
#include "core/param_block.h"
#include "core/text_settings.h"
#include "imageedit/effect_def.h"
#include "platform/gdi/geometry.h"

class CCharDataFull;
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

  bool IsStrokeEnd(int i) const;
  int FindStrokeEnd(int i) const;
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
  // Returns the number of points inserted.
  int InsertPoints(int at, const CCharData& src);
  void CopyPoints(const CCharData& src);
  int CopyStroke(const CCharData& src, int to, int from);
  void CopyPointRange(const CCharData& src, int from, int to);

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
  // The parameters, the loaded flag, the range pair, the frame state and percentage, the
  // frame count and the value the working path takes from the record.
  void CopySettingsToWork(CStrokeWork& work) const;

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
  int32_t m_bRedraw1 = 0;     // raised by parameter copies and defaults; the view clears
  int32_t m_bRedraw2 = 0;
  CRegionBlock m_regions;
  int32_t m_bActive = 0;      // 1 after construction of a full record and a reset

 private:
  void MovePoint(int to, int from);
  void CopyPointFull(int i, const CCharData& src, int j);
  void DeletePointsUnchecked(int from, int to);
};

// Shows 62045 (the record cannot hold the points) after a beep.
void ReportCharCapacity();
