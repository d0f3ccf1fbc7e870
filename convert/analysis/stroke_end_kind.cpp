#include "convert/analysis/stroke_end_kind.h"

#include <cmath>

#include "convert/analysis/mark_extent.h"

namespace {

constexpr int kSharpEnds = 335;
constexpr int kSteepRatio = 317;
constexpr double kLevelRatio = 1.5;
constexpr double kFlatRatio = 3.0;
constexpr int kLeastWidths = 4;
constexpr double kLeastShareOfMark = 0.25;

}  // namespace

bool ClassifyStrokeEnd(const CStrokePath& path, int first, const CFPoint& d, const ParamBlock& params, int64_t wMax,
                       bool& longHorizontal) {
  CMarkExtent mark;
  double cx = 1;
  if (FindMarkExtent(path, first, mark) && mark.width != 0) cx = double(mark.width);
  const double len = std::sqrt(double(d.x) * d.x + double(d.y) * d.y);
  const double ratio = params[kSteepRatio] != 0 ? kLevelRatio : kFlatRatio;
  const bool horizontal = d.x > 0 && std::fabs(d.x) > ratio * std::fabs(d.y);
  const bool shortStroke = double(kLeastWidths * wMax) > len;
  longHorizontal = horizontal && !shortStroke;
  return longHorizontal && params[kSharpEnds] != 0 && len / cx > kLeastShareOfMark;
}
