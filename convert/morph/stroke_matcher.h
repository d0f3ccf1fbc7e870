// The stroke correspondence between characters A and B: the two point paths are paired
// and resampled until they hold the same number of points, so that point i of A lies at
// the same relative place of the writing as point i of B. Whole characters, stroke by
// stroke, or division by division (runs of strokes without a long pen jump, or parts
// marked by "/" in the text settings); a match by divisions fills gDivisionTable.
#pragma once

#include <span>

class CStrokePath;
class CTextSettings;

constexpr int kMsgDivisionMarksDiffer = 62122;  // A and B hold different numbers of "/"
constexpr int kMsgTooManyDivisions = 61550;     // more divisions than the table holds
constexpr int kNoGapDistance = -1;

class CStrokeMatcher {
 public:
  // outA and outB become copies of srcA and srcB, then are equalised: as whole paths when
  // gapDistance is kNoGapDistance and not both texts carry "/" marks, else by divisions.
  // Different mark counts in the two texts show message 62122 and return -1 with the
  // copies unchanged. Otherwise the result of the match that ran.
  int MatchCharacterPaths(CStrokePath& outA, CStrokePath& outB, const CStrokePath& srcA, const CStrokePath& srcB,
                          int gapDistance, const CTextSettings* textA, const CTextSettings* textB) const;
  // Pairs the k-th strokes of a and b and equalises each pair; strokes past the shorter
  // character's last are dropped, as are pairs that no longer fit the paths. Returns 1.
  int MatchStrokeByStroke(CStrokePath& a, CStrokePath& b) const;
  // Cuts each path at its gapped stroke starts (gapDistance, unless kNoGapDistance) and
  // its text's "/" marks, equalises the k-th divisions of a and b pairwise and records
  // the divisions in gDivisionTable. Returns 1; -1 with a, b and the table unchanged (and
  // a message) when there are more than kMaxDivisions divisions.
  int MatchByDivisions(CStrokePath& a, CStrokePath& b, int gapDistance, const CTextSettings* textA,
                       const CTextSettings* textB) const;
  // Resamples a and b at the first spacing, then resamples the one with fewer points
  // until it has as many as the other. 1 when the counts came out equal (or a path has
  // fewer than 3 points), 0 when they were made equal by padding or stayed apart.
  int EqualizePointCounts(CStrokePath& a, CStrokePath& b) const;

  // The spacing value: resampling starts at spacing 1.0 while it is below 200, else 2.0.
  int m_nSpacing = 100;
};

// Merges the ascending lists first[0, n) and second[0, m) into first (which must hold
// n + m entries), an entry of second going before an equal one of first. Returns n + m.
int MergeIndexLists(std::span<int> first, int n, std::span<const int> second, int m);
