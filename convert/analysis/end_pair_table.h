// The stroke-end pairing table of the outline clipping: the two ends of every outline
// piece, and the links that chain a piece's end to the start of the piece that goes on
// from it.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "core/geometry/fpoint.h"

class CStrokePath;
class CStrokePathEx;

// One end of a piece.
struct CEndPairRecord {
  int32_t m_nPoint = 0;       // its index in the piece path
  int32_t m_nCentre = -1;     // the centre point one of whose side points it is; -1 none
  CFPoint m_dir{0, 0};        // the piece's chord direction there
  CFPoint m_centreDir{0, 0};  // the centre path's chord direction at m_nCentre
  CFPoint m_pt{0, 0};         // the end point
};

class CEndPairTable {
 public:
  // Ends closer than this (squared: 96 pixels) may be linked.
  static constexpr double kLinkDistance2 = 9216.0;

  // Room for pieces pieces, none filled, no links.
  explicit CEndPairTable(int pieces);

  // The start and end records of the first count pieces of pieces (each the start index
  // of a stroke of pieces path q), their centre points and directions found on c.
  void Fill(const CStrokePathEx& c, const CStrokePath& q, std::span<const int> pieceStarts, int count);
  // The pieces whose start lies closer than the square root of maxDist2 to p's end and
  // that may follow p: not p, not yet following another piece, not the head of p's own
  // chain (which would close it into a loop). Of several, only those whose centre
  // direction at the start turns less than a quarter turn from that at p's end are
  // kept. Written to out in order (as many as fit); returns how many.
  int FindCandidates(int p, double maxDist2, std::span<int> out) const;
  // The first piece of p's chain.
  int ChainHead(int p) const;
  // Up to rounds links, each made where the first piece without a follower has exactly
  // one candidate. Returns the number made.
  int LinkPieces(int rounds);

  std::vector<CEndPairRecord> m_starts;
  std::vector<CEndPairRecord> m_ends;
  int m_nCount = 0;
  std::vector<int> m_prev;  // the piece before, -1 for a chain's head
  std::vector<int> m_next;  // the piece after, -1 for a chain's tail
};
