// The developer's count of source lines that hold a text.
#include "views/registration/source_line_count.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_dir.h"

namespace tmb::test {
namespace {

TEST(CountSourceLines, CountsTheLinesOfTheCppFilesThatHoldTheText) {
  TempDir dir;
  std::ofstream(dir / "b.cpp") << "Draw();\nDraw(); Draw();\nnone\n";
  std::ofstream(dir / "a.cpp") << "x\nDraw";
  std::ofstream(dir / "c.h") << "Draw();\n";  // not a .cpp file
  std::ofstream(dir / "d.cpp") << "nothing here\n";
  std::string trace;
  EXPECT_EQ(CountSourceLines(dir.path().string(), "Draw", &trace), 3);
  EXPECT_EQ(trace, "a.cpp: 1\nb.cpp: 2\ntotal: 3\n");
  EXPECT_EQ(CountSourceLines(dir.path().string(), ""), 0);
  EXPECT_EQ(CountSourceLines((dir / "missing").string(), "Draw"), 0);
}

}  // namespace
}  // namespace tmb::test
