// The chord test: whether the points between two points of a path all lie near the
// straight line (the chord) from one to the other.
#pragma once

class CStrokePath;

// 1 when every point strictly between a and b lies within |P(b) - P(a)| / (m sqrt 2) of
// the line through P(a) and P(b) (with m = 4 about 0.18 of the chord), else 0; m = 0
// accepts any distance. far, when given, receives the index of the point farthest from
// the line among those seen (it is left as it was when all lie on the line).
int IsNearChord(const CStrokePath& path, int a, int b, int m, int* far = nullptr);
