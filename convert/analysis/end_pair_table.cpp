// The stroke-end pairing table: piece ends with their directions, and the choice of the
// one piece that goes on from an end.
#include "convert/analysis/end_pair_table.h"

#include <algorithm>
#include <cmath>

#include "core/geometry/point_distance.h"
#include "core/path/stroke_path_ex.h"

namespace {

constexpr double kQuarterTurn = 0.7853981634;

// The angle between two directions in radians, 0 to pi; a missing direction (a zero
// vector) objects to nothing. The shared angle helper reads a cosine of exactly 1 as pi
// and one of exactly 0 as 0, which would turn away a piece going straight on and take a
// perpendicular one.
double AngleBetween(const CFPoint& a, const CFPoint& b) {
  const double la = double(a.x) * a.x + double(a.y) * a.y;
  const double lb = double(b.x) * b.x + double(b.y) * b.y;
  if (la == 0 || lb == 0) return 0;
  const double c = (double(a.x) * b.x + double(a.y) * b.y) / std::sqrt(la * lb);
  return std::acos(std::clamp(c, -1.0, 1.0));
}

CEndPairRecord RecordAt(const CStrokePathEx& c, const CStrokePath& q, int i) {
  CEndPairRecord r;
  r.m_nPoint = i;
  r.m_pt = q.GetPoint(i);
  r.m_dir = q.ChordVector(i, 1);
  // The first side points are searched first, then the second ones.
  for (int side = 0; side < 2; ++side) {
    int which = side;
    const int centre = c.FindByExtraPoint(r.m_pt.x, r.m_pt.y, &which);
    if (which < 0) continue;
    r.m_nCentre = centre;
    r.m_centreDir = c.ChordVector(centre, 2);
    break;
  }
  return r;
}

}  // namespace

CEndPairTable::CEndPairTable(int pieces)
    : m_starts(size_t(std::max(pieces, 0))),
      m_ends(size_t(std::max(pieces, 0))),
      m_prev(size_t(std::max(pieces, 0)), -1),
      m_next(size_t(std::max(pieces, 0)), -1) {}

void CEndPairTable::Fill(const CStrokePathEx& c, const CStrokePath& q, std::span<const int> pieceStarts, int count) {
  m_nCount = std::clamp(count, 0, int(std::min(pieceStarts.size(), m_starts.size())));
  for (int p = 0; p < m_nCount; ++p) {
    const int start = pieceStarts[size_t(p)];
    m_starts[size_t(p)] = RecordAt(c, q, start);
    m_ends[size_t(p)] = RecordAt(c, q, q.FindStrokeEnd(start));
  }
}

int CEndPairTable::ChainHead(int p) const {
  // A chain never closes, so it has at most m_nCount pieces; the bound keeps a damaged
  // table from looping.
  for (int steps = 0; steps < m_nCount && m_prev[size_t(p)] >= 0; ++steps) p = m_prev[size_t(p)];
  return p;
}

int CEndPairTable::FindCandidates(int p, double maxDist2, std::span<int> out) const {
  if (p < 0 || p >= m_nCount) return 0;
  const int head = ChainHead(p);
  const CFPoint end = m_ends[size_t(p)].m_pt;
  std::vector<int> found;
  for (int q = 0; q < m_nCount; ++q) {
    if (q == p || q == head || m_prev[size_t(q)] != -1) continue;
    if (SquaredDistance(end, m_starts[size_t(q)].m_pt) < maxDist2) found.push_back(q);
  }
  if (found.size() > 1) {
    const CFPoint dir = m_ends[size_t(p)].m_centreDir;
    std::erase_if(found, [&](int q) { return !(AngleBetween(dir, m_starts[size_t(q)].m_centreDir) < kQuarterTurn); });
  }
  std::copy_n(found.begin(), std::min(found.size(), out.size()), out.begin());
  return int(found.size());
}

int CEndPairTable::LinkPieces(int rounds) {
  std::vector<int> out(size_t(std::max(m_nCount, 1)));
  int links = 0;
  for (int round = 0; round < rounds; ++round) {
    int linked = -1;
    for (int p = 0; p < m_nCount && linked < 0; ++p) {
      if (m_next[size_t(p)] != -1 || FindCandidates(p, kLinkDistance2, out) != 1) continue;
      m_next[size_t(p)] = out[0];
      m_prev[size_t(out[0])] = p;
      linked = p;
    }
    // A round that links nothing leaves the table as it was: so would every later one.
    if (linked < 0) break;
    ++links;
  }
  return links;
}
