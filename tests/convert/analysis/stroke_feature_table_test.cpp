#include "convert/analysis/stroke_feature_table.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/path/stroke_path.h"
#include "support/path_points.h"

namespace {

using tmb::test::Fill;

class FeatureTableTest : public ::testing::Test {
 protected:
  void SetUp() override { Fill(path, {{0, 0, 1}, {5, 0, 0}, {0, 9, 1}, {5, 9, 6}, {9, 9, 1}}); }
  CStrokePath path{8};
  std::unique_ptr<CStrokeFeatureTable> table = std::make_unique<CStrokeFeatureTable>();
};

TEST_F(FeatureTableTest, AnAngleWithANegativeCodeGivesADirectionAndANine) {
  struct Case {
    float angle;
    std::vector<int> codes;
  } cases[] = {
      {45.0f, {2, 9}},     {-30.0f, {1, 9}},     {29.99f, {1, 9}},    {60.0f, {3, 9}},
      {150.0f, {5, 9}},    {-180.0f, {5, 9}},    {-150.0f, {6, 9}},   {-120.0f, {7, 9}},
      {-60.0f, {8, 9}},    {179.9f, {5, 9}},     {180.0f, {-1}},      {-180.5f, {-1}},
      {CStrokeFeatureTable::kNoAngle, {-1}},
  };
  for (const Case& c : cases) {
    table->Clear();
    EXPECT_EQ(table->AddEntry(2, -1, path, c.angle), 1);
    std::vector<int> codes;
    for (int k = 0; k < table->Count(); ++k) {
      codes.push_back((*table)[k].code);
      EXPECT_EQ((*table)[k].point, 2);
      EXPECT_EQ((*table)[k].stroke, 1);
      EXPECT_EQ((*table)[k].angle, c.angle);
    }
    EXPECT_EQ(codes, c.codes) << c.angle;
  }
}

TEST_F(FeatureTableTest, EntriesCarryTheStrokeNumberOfTheirPoint) {
  table->AddEntry(4, 1085, path);
  table->AddEntry(3, 1079, path);  // flag 6 counts as a start for numbering
  EXPECT_EQ((*table)[0].stroke, 3);
  EXPECT_EQ((*table)[1].stroke, 2);
  EXPECT_EQ((*table)[1].angle, CStrokeFeatureTable::kNoAngle);
}

TEST_F(FeatureTableTest, TheTableRefusesFromNineThousandNineHundredAndNinetyNineEntries) {
  for (int k = 0; k < CStrokeFeatureTable::kCapacity - 2; ++k) ASSERT_EQ(table->AddEntry(0, 1083, path), 1);
  EXPECT_EQ(table->AddEntry(2, -1, path, 45.0f), 1);  // the 9,999th and its follower
  EXPECT_EQ(table->Count(), CStrokeFeatureTable::kCapacity);
  EXPECT_EQ(table->AddEntry(2, 1084, path), 0);
  table->Clear();
  for (int k = 0; k < CStrokeFeatureTable::kCapacity - 1; ++k) table->AddEntry(0, 1083, path);
  EXPECT_EQ(table->AddEntry(2, 1084, path), 0);
  EXPECT_EQ(table->Count(), CStrokeFeatureTable::kCapacity - 1);
}

TEST_F(FeatureTableTest, LookupsGoByTableOrder) {
  table->AddEntry(4, 101, path);
  table->AddEntry(2, 1096, path);
  table->AddEntry(2, 101, path);
  table->AddEntry(2, 1096, path);  // the same pair again
  EXPECT_EQ(table->Find(2, 1096), 1);
  EXPECT_EQ(table->Find(4, 1096), -1);
  EXPECT_EQ(table->FindPointInRange(0, 4, 101), 4);  // first in the table, not lowest point
  EXPECT_EQ(table->FindPointInRange(0, 3, 101), 2);
  EXPECT_EQ(table->FindPointInRange(3, 3, 101), -1);
  EXPECT_EQ(table->FindPointInRange(2, 2, 1096), 2);
}

}  // namespace
