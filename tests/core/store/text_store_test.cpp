#include "core/store/text_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "core/path/stroke_path.h"
#include "support/file_bytes.h"
#include "support/path_points.h"
#include "support/store_folder.h"

namespace {

namespace fs = std::filesystem;
using tmb::test::Fill;
using tmb::test::PathPoint;
using tmb::test::PointsOf;
using Points = std::vector<PathPoint>;

const char kEi[] = "\x89\x69";  // 永

TEST(TextStore, ACharacterRoundTripsUnderItsTextWhicheverIsNewest) {
  tmb::test::ScopedStoreFolder folder;
  CStrokePath path(100);
  Fill(path, {{10, 20, 1}, {30, 40, 0}, {50, 60, 1}});
  EXPECT_EQ(SaveTextCharacter(path, kEi), 1);
  EXPECT_TRUE(fs::exists(folder / "textdata.dat"));
  EXPECT_FALSE(fs::exists(folder / "fontdata.dat")) << "the text store only";

  CStrokePath loaded(100);
  EXPECT_EQ(LoadTextCharacter(loaded, kEi), 1);
  EXPECT_EQ(PointsOf(loaded), PointsOf(path));

  // Another text keeps its own; the newest of one text wins.
  CStrokePath other(100);
  Fill(other, {{1, 2, 1}, {3, 4, 0}});
  EXPECT_EQ(SaveTextCharacter(other, "a"), 1);
  Fill(path, {{70, 80, 0}});
  EXPECT_EQ(SaveTextCharacter(path, kEi), 1);
  EXPECT_EQ(LoadTextCharacter(loaded, kEi), 1);
  EXPECT_EQ(loaded.GetCount(), 4);
  EXPECT_EQ(LoadTextCharacter(loaded, "a"), 1);
  EXPECT_EQ(PointsOf(loaded), (Points{{1, 2, 1}, {3, 4, 0}}));
}

TEST(TextStore, AnAbsentTextLoadsEmptyAndAStoreThatCannotBeWrittenSaysSo) {
  tmb::test::ScopedStoreFolder folder;
  CStrokePath path(100);
  Fill(path, {{10, 20, 1}});
  EXPECT_EQ(LoadTextCharacter(path, kEi), 1);
  EXPECT_EQ(path.GetCount(), 0);

  // The index cannot be written: it has become a folder.
  fs::remove(folder / "textdata.idx");
  fs::create_directory(folder / "textdata.idx");
  Fill(path, {{10, 20, 1}});
  EXPECT_EQ(SaveTextCharacter(path, kEi), -1);
  // Loading still answers 1: the path is empty as for a text the store does not hold.
  EXPECT_EQ(LoadTextCharacter(path, kEi), 1);
  EXPECT_EQ(path.GetCount(), 0);
  // Nor is anything left behind in the data file.
  EXPECT_TRUE(!fs::exists(folder / "textdata.dat") || fs::file_size(folder / "textdata.dat") == 0);
}

TEST(TextStore, ARoundTripStoresUnderROnlyAndBringsBackWhatTHolds) {
  tmb::test::ScopedStoreFolder folder;
  CStrokePath path(100);
  Fill(path, {{1, 2, 1}, {3, 4, 0}});
  RoundTripTextCharacter(path);
  EXPECT_EQ(path.GetCount(), 0) << "nothing is stored under t";
  CStrokePath r(100);
  ASSERT_EQ(LoadTextCharacter(r, "r"), 1);
  EXPECT_EQ(PointsOf(r), (Points{{1, 2, 1}, {3, 4, 0}}));

  CStrokePath t(100);
  Fill(t, {{7, 8, 1}});
  ASSERT_EQ(SaveTextCharacter(t, "t"), 1);
  Fill(path, {{5, 6, 1}});
  RoundTripTextCharacter(path);
  EXPECT_EQ(PointsOf(path), (Points{{7, 8, 1}}));
  ASSERT_EQ(LoadTextCharacter(r, "r"), 1);
  EXPECT_EQ(PointsOf(r), (Points{{5, 6, 1}}));
}

}  // namespace
