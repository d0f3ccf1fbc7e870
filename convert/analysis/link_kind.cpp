#include "convert/analysis/link_kind.h"

#include <algorithm>

#include "convert/analysis/stroke_feature_table.h"
#include "core/path/stroke_path.h"

namespace {

constexpr int kCursiveDegree = 0;
constexpr int kBrushVein = 1;
constexpr int kAnyFlagBreaks = 290;
constexpr int kReturnStrokeTest = 315;
constexpr int kStrongestLinks = 358;
constexpr int64_t kLevel1Sum = 20;
constexpr int64_t kLevel0Sum = 30;
// Below this sum of parameters 0 and 1 a leftward gap after a falling end links weakly.
constexpr int64_t kAfterFallSum = 21;
// How far into the next stroke the return-stroke test looks.
constexpr int kReturnReach = 8;

// The feature codes a start can have, from the mark opening to the last of the 3 x 3
// grid of levels, as one bit each.
constexpr int kFirstCode = kFeatureOpensMark;
constexpr int kLevelGridFirst = 1101;
constexpr int kLevelGridLast = 1109;

class CodeSet {
 public:
  CodeSet(const CStrokeFeatureTable& table, int point) {
    for (int k = 0; k < table.Count(); ++k) {
      const CStrokeFeatureEntry& e = table[k];
      if (e.point == point && e.code >= kFirstCode && e.code <= kLevelGridLast) bits_ |= Bit(e.code);
    }
  }
  bool Has(int code) const { return (bits_ & Bit(code)) != 0; }

 private:
  static uint64_t Bit(int code) { return uint64_t{1} << (code - kFirstCode); }
  uint64_t bits_ = 0;
};

int64_t LinkSum(const ParamBlock& params) { return int64_t{params[kCursiveDegree]} + params[kBrushVein]; }

// The start at s runs back to the right: a point up to kReturnReach into its stroke lies
// right of it.
bool RunsBackRight(const CStrokePath& path, int s, const ParamBlock& params) {
  int last = s;
  while (last < s + kReturnReach && last + 1 < path.GetCount() && !StartsLinkGap(path, last, params)) ++last;
  return path.m_pPoints[last].x - path.m_pPoints[s].x > 0;
}

}  // namespace

int LinkLevel(const ParamBlock& params) {
  const int64_t sum = LinkSum(params);
  if (sum < kLevel1Sum) return 2;
  return sum < kLevel0Sum ? 1 : 0;
}

bool StartsLinkGap(const CStrokePath& path, int i, const ParamBlock& params) {
  if (i + 1 >= path.GetCount()) return false;
  const uint8_t next = path.m_pFlags[i + 1];
  return params[kAnyFlagBreaks] == 0 ? next == CStrokePath::kFlagStart : next != 0;
}

LinkKind ClassifyLink(const CStrokePath& path, int end, const ParamBlock& params, const CStrokeFeatureTable& table) {
  const int s = end + 1;
  const CodeSet codes(table, s);
  const int lvl = LinkLevel(params);
  LinkKind k;
  k.flag = path.m_pFlags[s];
  auto unlessStrong = [&k](uint8_t flag) {
    if (k.flag != kFlagStrongLink) k.flag = flag;
  };
  if (codes.Has(kFeatureOpensMark)) {
    k.score += 2;
    k.startLevel = 2;
    k.flag = kFlagStrongLink;
  }
  if (codes.Has(kFeatureSameMark)) {
    k.score += 4;
    k.startLevel = 1;
    unlessStrong(kFlagWeakLink);
  }
  if (codes.Has(kFeatureLeftAfterFall) && LinkSum(params) < kAfterFallSum) {
    k.score += 2;
    unlessStrong(kFlagWeakLinkAfterFall);
    k.startLevel = k.endLevel = 1;
  }
  if (codes.Has(kFeatureRisingReach) && lvl != 0) {
    k.score += 2;
    k.flag = kFlagStrongLink;
    k.startLevel = k.endLevel = lvl;
  }
  if (codes.Has(kFeatureAfterRisingReach)) {
    k.score += 2;
    k.endLevel = std::max(lvl, 1);
    if (lvl != 0) unlessStrong(kFlagWeakLink);
  }
  if (codes.Has(kFeatureAfterTurn) || codes.Has(kFeatureCrossPartner)) {
    k.score += 2;
    k.endLevel = lvl;
    unlessStrong(kFlagLinkAfterTurn);
  }
  if (codes.Has(kFeatureCrossedLevel) || codes.Has(kFeatureCrossesLevel)) {
    k.score += 2;
    k.startLevel = lvl;
    if (lvl != 0) k.flag = k.flag == kFlagStrongLink ? kFlagStrongCrossingLink : kFlagCrossingLink;
  }
  for (int c = kLevelGridFirst; c <= kLevelGridLast; ++c) {
    if (!codes.Has(c)) continue;
    k.startLevel = std::max(k.startLevel, (c - kLevelGridFirst) % 3);
    k.endLevel = std::max(k.endLevel, (c - kLevelGridFirst) / 3);
    if (lvl != 0) k.flag = kFlagWeakLink;
  }
  if (codes.Has(kFeatureGapLeftmost)) {
    k.score += 2;
    k.endLevel = lvl;
  } else if (codes.Has(kFeatureGapLeft)) {
    k.score += 1;
    k.endLevel = std::min(lvl, 1);
  }
  if (codes.Has(kFeatureGapHighest)) {
    k.score += 4;
    k.startLevel = lvl;
  } else if (codes.Has(kFeatureGapUp)) {
    k.score += 2;
    k.startLevel = lvl;
  }
  if (codes.Has(kFeatureGapLong)) {
    k.score += 2;
  } else if (codes.Has(kFeatureGapMiddle)) {
    k.score += 1;
  }
  if (codes.Has(kFeatureRisingRight)) k.startLevel = k.endLevel = 0;

  if (params[kReturnStrokeTest] != 0 && k.startLevel != 0) {
    const CFPoint g = path.m_pPoints[s] - path.m_pPoints[end];
    if (g.x < 0 && g.y > 0 && RunsBackRight(path, s, params)) k.startLevel = 0;
  }
  if (params[kStrongestLinks] != 0) k.startLevel = k.endLevel = 2;
  return k;
}
