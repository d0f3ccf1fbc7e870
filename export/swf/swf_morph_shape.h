// The morph shape tag: a shape whose start and end edges and styles a player blends.
#pragma once

#include <memory>

#include "export/swf/swf_morph_styles.h"
#include "export/swf/swf_shape.h"
#include "export/swf/swf_tag.h"

class SwfTagDefineMorphShape : public SwfCharacterTag {
 public:
  SwfTagDefineMorphShape(const SwfRect& startBounds, const SwfRect& endBounds)
      : m_startBounds(startBounds), m_endBounds(endBounds) {}

  // Each returns the style's 1-based index.
  int AddMorphFillStyle(std::unique_ptr<SwfStyle> style);
  int AddMorphLineStyle(int startWidth, const SwfColour& startColour, int endWidth,
                        const SwfColour& endColour);
  // Fixes the index widths of the start edges (the end edges keep 0 and 0).
  void CloseStyles();
  void AddStartRecord(std::unique_ptr<SwfShapeRecord> record);
  void AddEndRecord(std::unique_ptr<SwfShapeRecord> record);

  void Write(SwfOutputBuffer& out) const override;
  int Code() const override { return 46; }

 private:
  SwfRect m_startBounds;
  SwfRect m_endBounds;
  SwfFillStyleArray m_fills;
  SwfLineStyleArray m_lines;
  SwfShape m_startEdges;
  SwfShape m_endEdges;
  bool m_bClosed = false;
};
