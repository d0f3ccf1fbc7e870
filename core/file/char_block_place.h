// Where the points of a loaded character land on the present paper: right anchoring from
// the paper they were written on, a move back onto the paper, and the strokes of a
// character larger than the paper left out.
#pragma once

#include "platform/gdi/geometry.h"

class CCharData;

// Distance of the strokes kept from the paper's edges when a character does not fit.
constexpr int kFitMargin = 48;

// With anchor set and a stored paper unlike the present one, every x moves by the
// difference of the widths, so the character keeps its distance from the top right
// corner; y stays.
void AnchorLoadedPoints(CCharData& record, tmb::Size stored, tmb::Size paper, bool anchor);
// A character whose left edge lies left of the paper moves to one margin inside the right
// edge; one whose bottom lies below the paper moves to one margin below the top (the
// margin half the free space, at least kFitMargin). A character at least as wide or as
// tall as the paper then loses every stroke with a point outside the paper less
// kFitMargin on each side. Returns 1 when strokes were left out, else 0.
int FitLoadedPoints(CCharData& record, tmb::Size paper);
