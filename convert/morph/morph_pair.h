// The pair of characters the conversion morphs between: the drawn characters of windows
// A and B, paired point for point once as a morph starts, and the in-between character
// the conversion driver converts in place of its source while the pair is prepared and
// the source's morph switch is on.
#pragma once

#include <memory>

#include "convert/morph/stroke_matcher.h"

class CCharData;
class CStrokeWork;

constexpr int kMorphSwitch = 62;  // morphing (shape change) on

class CMorphPair {
 public:
  // Pairs a and b (their points, and the "/" marks of their first text blocks) with
  // the pen jumps longer than gapDistance (kNoGapDistance for none) as division breaks,
  // and keeps the paired paths. Returns the match's result (1 exact, 0 approximate); on
  // -1 (refused, after a message) no pair is prepared.
  int Prepare(const CCharData& a, const CCharData& b, int gapDistance);
  // The same for the drawn records of windows A and B; -1 when either has no document.
  int Prepare(int gapDistance);
  // Forgets the pair and the divisions of its match.
  void Clear();
  bool IsPrepared() const { return m_pathA != nullptr; }
  // The paired paths; only while prepared.
  const CStrokeWork& PathA() const { return *m_pathA; }
  const CStrokeWork& PathB() const { return *m_pathB; }

  // Whether a conversion of source converts the in-between character instead.
  bool Morphs(const CStrokeWork& source) const;
  // out takes source's settings and becomes the in-between character at source's
  // percentage; only while Morphs (source).
  void MorphInto(CStrokeWork& out, const CStrokeWork& source) const;

  CStrokeMatcher m_matcher;  // spacing value 100

 private:
  std::unique_ptr<CStrokeWork> m_pathA;
  std::unique_ptr<CStrokeWork> m_pathB;
};

extern CMorphPair gMorphPair;
