#include "brush/render/edge_smoothing_link.h"

namespace {

EdgeSmoothingLink gNoSmoothing;
EdgeSmoothingLink* gSmoothing = &gNoSmoothing;

}  // namespace

EdgeSmoothingLink& EdgeSmoothing() { return *gSmoothing; }

void SetEdgeSmoothingLink(EdgeSmoothingLink* link) { gSmoothing = link ? link : &gNoSmoothing; }
