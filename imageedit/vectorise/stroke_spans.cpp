#include "imageedit/vectorise/stroke_spans.h"

std::vector<StrokeSpan> ListStrokeSpans(const CStrokePath& path) {
  std::vector<StrokeSpan> spans;
  for (int s = 0; s < path.GetCount();) {
    const int e = path.FindStrokeEnd(s);
    spans.push_back({s, e});
    s = e + 1;
  }
  return spans;
}
