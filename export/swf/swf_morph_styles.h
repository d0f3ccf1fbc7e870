// The fill and line styles of a morph shape: each holds its start and its end state, with
// colours always RGBA.
#pragma once

#include <vector>

#include "export/swf/swf_styles.h"

class SwfMorphSolidFillStyle : public SwfStyle {
 public:
  SwfMorphSolidFillStyle(const SwfColour& start, const SwfColour& end)
      : m_start(start.WithAlpha(true)), m_end(end.WithAlpha(true)) {}
  void Write(SwfOutputBuffer& out) const override;

 private:
  SwfColour m_start;
  SwfColour m_end;
};

struct SwfMorphGradientRecord {
  int startRatio = 0;
  SwfColour startColour;
  int endRatio = 0;
  SwfColour endColour;
};

class SwfMorphGradientFillStyle : public SwfStyle {
 public:
  // Linear (0x10) or radial (0x12); at most 8 records.
  SwfMorphGradientFillStyle(bool linear, const SwfMatrix& start, const SwfMatrix& end,
                            std::vector<SwfMorphGradientRecord> records);
  void Write(SwfOutputBuffer& out) const override;

 private:
  bool m_bLinear;
  SwfMatrix m_start;
  SwfMatrix m_end;
  std::vector<SwfMorphGradientRecord> m_records;
};

class SwfMorphBitmapFillStyle : public SwfStyle {
 public:
  // Repeating (0x40) or clipped (0x41).
  SwfMorphBitmapFillStyle(bool repeat, int bitmapId, const SwfMatrix& start, const SwfMatrix& end)
      : m_bRepeat(repeat), m_nBitmapId(bitmapId), m_start(start), m_end(end) {}
  void Write(SwfOutputBuffer& out) const override;

 private:
  bool m_bRepeat;
  int m_nBitmapId;
  SwfMatrix m_start;
  SwfMatrix m_end;
};

class SwfMorphLineStyle : public SwfStyle {
 public:
  SwfMorphLineStyle(int startWidth, const SwfColour& startColour, int endWidth,
                    const SwfColour& endColour)
      : m_nStartWidth(startWidth),
        m_nEndWidth(endWidth),
        m_startColour(startColour.WithAlpha(true)),
        m_endColour(endColour.WithAlpha(true)) {}
  void Write(SwfOutputBuffer& out) const override;

 private:
  int m_nStartWidth;
  int m_nEndWidth;
  SwfColour m_startColour;
  SwfColour m_endColour;
};
