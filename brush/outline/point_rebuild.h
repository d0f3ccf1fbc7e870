// A character's points rebuilt one by one: the filters of the point preparation write
// their result here and then copy it over the record they read. Every append checks the
// room; the first append that does not fit shows 62045, and the rebuild keeps the points
// made so far.
#pragma once

#include <cstdint>
#include <memory>

#include "core/record/char_data.h"

class PointRebuild {
 public:
  // An empty rebuild with room for limit points (at most kMaxCharPoints).
  explicit PointRebuild(int limit = kMaxCharPoints);
  ~PointRebuild();
  PointRebuild(const PointRebuild&) = delete;
  PointRebuild& operator=(const PointRebuild&) = delete;

  // Appends point j of src with its flag, pressure, step length and width level; false
  // when there is no room. Inline: the filters append every point they make.
  bool Append(const CCharData& src, int j) {
    return AppendAt(src, j, src.m_pPoints[j], src.m_pFlags[j], float(src.m_pPoints[j].x),
                    float(src.m_pPoints[j].y));
  }
  // The same, placed at `at` with the given flag byte.
  bool AppendAt(const CCharData& src, int j, tmb::Point at, uint8_t flag) {
    return AppendAt(src, j, at, flag, float(at.x), float(at.y));
  }
  // The same, also keeping the exact position (fx, fy) in the float arrays.
  bool AppendAt(const CCharData& src, int j, tmb::Point at, uint8_t flag, float fx, float fy) {
    if (m_nCount >= m_nLimit) return Refuse();
    Arrays& a = *m_pArrays;
    const int i = m_nCount++;
    a.points[i] = at;
    a.flags[i] = flag;
    a.pressure[i] = src.m_pPressure[j];
    a.segLength[i] = src.m_pSegLength[j];
    a.widthLevel[i] = src.m_pWidthLevel[j];
    a.fx[i] = fx;
    a.fy[i] = fy;
    return true;
  }

  // Appends points [from, from + count) of src as Append does, their exact positions
  // taken from xs and ys (indexed like src); false when not all fit.
  bool AppendRun(const CCharData& src, int from, int count, const float* xs, const float* ys);

  int Count() const { return m_nCount; }
  // True once an append was refused.
  bool Overflowed() const { return m_bOverflow; }
  tmb::Point PointAt(int i) const { return m_pArrays->points[i]; }
  // Moves rebuilt point i (keeping its exact position in step).
  void SetPoint(int i, tmb::Point at);
  uint8_t FlagAt(int i) const { return m_pArrays->flags[i]; }
  float FloatX(int i) const { return m_pArrays->fx[i]; }
  float FloatY(int i) const { return m_pArrays->fy[i]; }

  // The rebuilt points replace dst's points (and their per-point values).
  void CopyTo(CCharData& dst) const;
  // The exact positions of the rebuilt points into xs and ys (kMaxCharPoints entries).
  void CopyFloatsTo(float* xs, float* ys) const;

  // Per-point arrays of kMaxCharPoints entries.
  struct Arrays {
    Arrays();
    std::unique_ptr<tmb::Point[]> points;
    std::unique_ptr<uint8_t[]> flags;
    std::unique_ptr<int32_t[]> pressure;
    std::unique_ptr<int32_t[]> segLength;
    std::unique_ptr<uint8_t[]> widthLevel;
    std::unique_ptr<float[]> fx;
    std::unique_ptr<float[]> fy;
  };

 private:
  // Tells of the first refused append (62045) and returns false.
  bool Refuse();

  Arrays* m_pArrays = nullptr;
  std::unique_ptr<Arrays> m_pOwned;  // only when the shared arrays are in use already
  int m_nLimit = kMaxCharPoints;
  int m_nCount = 0;
  bool m_bOverflow = false;
};
