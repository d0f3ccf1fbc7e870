// A fixture for tests of the brush-outline engine: the engine's shared state, the drawing
// state and the character slots start fresh, messages are recorded, and a drawn and a
// working record carry the brush parameters of a new window A in the brush-outline style.
#pragma once

#include <initializer_list>
#include <memory>
#include <vector>

#include "core/record/char_data_full.h"
#include "support/char_globals.h"

namespace tmb::test {

// The defaults of a new record with the brush preset of window A and a style (parameter
// 37) below the conversion styles.
void SetBrushDefaults(CCharData& rec);
// Appends a stroke (first point flag 1, the rest 0; pressure -1).
void AddStroke(CCharData& rec, std::initializer_list<tmb::Point> points);
// Appends a stroke of n points from `from` in steps of (dx, dy).
void AddLine(CCharData& rec, tmb::Point from, int dx, int dy, int n);
std::vector<tmb::Point> PointsOf(const CCharData& rec);
std::vector<int> FlagsOf(const CCharData& rec);
std::vector<int> LevelsOf(const CCharDataFull& rec, int n);
// Indexes of the points with a non-zero flag.
std::vector<int> StrokeStartsOf(const CCharData& rec);

class BrushEngineTest : public CharGlobalsTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::unique_ptr<CCharDataFull> drawn;
  std::unique_ptr<CCharDataFull> work;
};

}  // namespace tmb::test
