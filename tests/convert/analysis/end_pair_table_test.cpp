#include "convert/analysis/end_pair_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/path/stroke_path_ex.h"
#include "support/path_points.h"

namespace {

using tmb::test::Fill;

// Piece ends: where each piece ends and starts, and the centre directions there.
struct Piece {
  CFPoint start;
  CFPoint startDir;
  CFPoint end;
  CFPoint endDir;
};

CEndPairTable TableOf(const std::vector<Piece>& pieces) {
  CEndPairTable table(int(pieces.size()));
  table.m_nCount = int(pieces.size());
  for (size_t p = 0; p < pieces.size(); ++p) {
    table.m_starts[p].m_pt = pieces[p].start;
    table.m_starts[p].m_centreDir = pieces[p].startDir;
    table.m_ends[p].m_pt = pieces[p].end;
    table.m_ends[p].m_centreDir = pieces[p].endDir;
  }
  return table;
}

TEST(EndPairTable, APieceEndFindsTheOnlyStartWithin96Pixels) {
  const CFPoint right(1, 0), up(0, -1), left(-1, 0);
  struct Case {
    std::string name;
    std::vector<Piece> pieces;
    std::vector<int> candidates;  // of piece 0
  };
  const Case cases[] = {
      {"one start near, one far", {{{0, 0}, right, {0, 0}, right}, {{50, 0}, right, {90, 0}, right},
                                   {{500, 0}, right, {600, 0}, right}}, {1}},
      {"exactly 96 away is out", {{{0, 0}, right, {0, 0}, right}, {{96, 0}, right, {99, 0}, right}}, {}},
      {"just inside 96", {{{0, 0}, right, {0, 0}, right}, {{95.9f, 0}, right, {99, 0}, right}}, {1}},
      {"two near, none within a quarter turn",
       {{{0, 0}, right, {0, 0}, right}, {{50, 0}, up, {90, 0}, right}, {{0, 50}, left, {9, 9}, right}}, {}},
      {"two near, the straight one goes on",
       {{{0, 0}, right, {0, 0}, right}, {{50, 0}, up, {90, 0}, right}, {{0, 50}, {2, 0}, {9, 9}, right}}, {2}},
      {"two near, both within a quarter turn",
       {{{0, 0}, right, {0, 0}, right}, {{50, 0}, {3, 1}, {90, 0}, right}, {{0, 50}, {3, -1}, {9, 9}, right}},
       {1, 2}},
      {"a start without a centre direction objects to nothing",
       {{{0, 0}, right, {0, 0}, right}, {{50, 0}, up, {90, 0}, right}, {{0, 50}, {0, 0}, {9, 9}, right}}, {2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const CEndPairTable table = TableOf(c.pieces);
    std::vector<int> out(c.pieces.size(), -1);
    const int n = table.FindCandidates(0, CEndPairTable::kLinkDistance2, out);
    ASSERT_EQ(n, int(c.candidates.size()));
    out.resize(size_t(n));
    EXPECT_EQ(out, c.candidates);
  }
}

TEST(EndPairTable, AChainNeverClosesIntoALoop) {
  // Piece 1 follows piece 0; piece 1's end lies on piece 0's start and on piece 2's.
  const CFPoint right(1, 0);
  CEndPairTable table = TableOf({{{0, 0}, right, {10, 0}, right}, {{20, 0}, right, {0, 1}, right},
                                 {{300, 0}, right, {310, 0}, right}});
  table.m_next[0] = 1;
  table.m_prev[1] = 0;
  EXPECT_EQ(table.ChainHead(1), 0);
  EXPECT_EQ(table.ChainHead(2), 2);
  std::vector<int> out(3, -1);
  EXPECT_EQ(table.FindCandidates(1, CEndPairTable::kLinkDistance2, out), 0);
  // A piece that follows another is no candidate either.
  table.m_starts[2].m_pt = CFPoint(0, 2);
  table.m_prev[2] = 0;
  EXPECT_EQ(table.FindCandidates(1, CEndPairTable::kLinkDistance2, out), 0);
}

TEST(EndPairTable, LinkingChainsPiecesUntilNoEndHasOneCandidate) {
  const CFPoint right(1, 0);
  // 0 -> 1 -> 2 along a line, each end 50 before the next start and 150 after its own;
  // 3 lies far away.
  auto piece = [&](float x) { return Piece{{x, 0}, right, {x + 150, 0}, right}; };
  CEndPairTable table = TableOf({piece(0), piece(200), piece(400), piece(2000)});
  EXPECT_EQ(table.LinkPieces(10), 2);
  EXPECT_EQ(table.m_next, (std::vector<int>{1, 2, -1, -1}));
  EXPECT_EQ(table.m_prev, (std::vector<int>{-1, 0, 1, -1}));
  EXPECT_EQ(table.ChainHead(2), 0);
  // The number of rounds bounds the links.
  CEndPairTable once = TableOf({piece(0), piece(200), piece(400)});
  EXPECT_EQ(once.LinkPieces(1), 1);
  EXPECT_EQ(once.m_next, (std::vector<int>{1, -1, -1}));
}

TEST(EndPairTable, FillTakesTheEndsOfEachPieceAndTheCentrePointsBehindThem) {
  // Piece path: two strokes; the centre path's side points hold the first piece's ends.
  CStrokePath q(16);
  Fill(q, {{0, 0, 1}, {10, 0, 0}, {20, 5, 0}, {100, 100, 1}, {100, 120, 0}});
  CStrokePathEx c(8);
  Fill(c, {{0, 10, 1}, {10, 10, 0}, {20, 10, 0}});
  c.m_pSide1[0] = CFPoint(0, 0);
  c.m_pSide2[2] = CFPoint(20, 5);
  CEndPairTable table(2);
  const std::vector<int> starts = {0, 3};
  table.Fill(c, q, starts, 2);
  ASSERT_EQ(table.m_nCount, 2);
  EXPECT_EQ(table.m_starts[0].m_nPoint, 0);
  EXPECT_EQ(table.m_ends[0].m_nPoint, 2);
  EXPECT_EQ(table.m_ends[0].m_pt, CFPoint(20, 5));
  EXPECT_EQ(table.m_starts[0].m_dir, CFPoint(10, 0));
  EXPECT_EQ(table.m_ends[0].m_dir, CFPoint(10, 5));
  EXPECT_EQ(table.m_starts[0].m_nCentre, 0);
  EXPECT_EQ(table.m_ends[0].m_nCentre, 2);
  EXPECT_EQ(table.m_ends[0].m_centreDir, CFPoint(20, 0));
  EXPECT_EQ(table.m_starts[1].m_nPoint, 3);
  EXPECT_EQ(table.m_ends[1].m_nPoint, 4);
  EXPECT_EQ(table.m_starts[1].m_nCentre, -1);
  EXPECT_EQ(table.m_starts[1].m_centreDir, CFPoint(0, 0));
}

}  // namespace
