// The analysis overlay of the conversion: up to 1,024 marks, one for each run of strokes
// that the pass manager found to be one written component, each with its run of points
// and their bounding rectangle. The passes ask it which mark holds a point; the drawing
// view shows the marks.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/geometry/fpoint.h"
#include "platform/gdi/font.h"
#include "platform/gdi/geometry.h"

class CStrokePath;
namespace tmb {
class DeviceContext;
}

// One of the four parts of a mark, all of one layout.
struct COverlayPart {
  int first = 0;  // first and last point index of the run
  int last = 0;
  std::array<int, 4> reserved{-1, -1, -1, -1};
  int hidden = 0;
  CFPoint firstPoint{0, 0};
  CFPoint lastPoint{0, 0};
  tmb::Rect rect{};  // bounding rectangle of the run's points
  int spare = 0;
  tmb::Colour colour = 0;
  int shown = 0;  // the drawing frames the part one pixel inside its rectangle
};

struct COverlayMark {
  std::array<COverlayPart, 4> parts;
  std::string label;  // code page 932; the text a recogniser read in the mark's ink
  int tag = 255;
  // 1 when the mark continues the written part of the mark before it rather than starting
  // one of its own (the pass manager's marks each start one).
  int continued = 0;
  // The first stroke of the converted character's source (its drawn record, counting
  // stroke starts from 0) that begins in the mark, by which the mark's strokes are found
  // in the character's ink; -1 when the marks cannot be told as the source's strokes.
  int firstStroke = -1;
};

class CAnalysisOverlay {
 public:
  static constexpr int kCapacity = 1024;
  // The smallest width and height a mark's rectangle is given.
  static constexpr int kMinSide = 3;

  CAnalysisOverlay();

  // Every mark reset (colours red, cyan, green, blue; the last part not shown); no marks,
  // no mark starts.
  void Clear();
  // Adds a mark over points first to last of path, the first source stroke beginning in
  // it being firstStroke (-1 unknown); dropped when the overlay is full or the range lies
  // outside the path. 1 when added, else 0.
  int AddMark(int first, int last, const CStrokePath& path, int firstStroke = -1);
  // The first shown mark whose run holds point j; -1 when none does.
  int FindEntryOfPoint(int j) const;
  // Lists the stroke numbers (counting flag-1 starts from 0) at which the mark changes
  // from the point before.
  void BuildRunStarts(const CStrokePath& path);
  // The average width and height of the rectangles of the marks' last parts that are not
  // hidden; (0, 0) without such marks.
  CFPoint GetAverageMarkSize() const;
  // Frames the parts that are not hidden, each in its colour, in the overlay's font:
  // part 0 of every mark from the last mark to the first, then (unless lastOnly) parts 1
  // and 2 the same way, then part 3 with, when withLabels, the mark's label at the
  // top-left corner of that part's rectangle.
  void Draw(tmb::DeviceContext& dc, bool withLabels, bool lastOnly) const;

  int m_nCount = 0;
  std::array<COverlayMark, kCapacity> m_marks;
  std::vector<int> m_runStarts;  // stroke numbers that open a new mark
  tmb::Font m_labelFont;
};

extern CAnalysisOverlay gAnalysisOverlay;
