// Characters A and B for the morph tests: records in the converting style with morphing
// on, converted the way the drawing view and the brush engine convert them, with the
// pair and the conversion's globals reset around each test.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "core/path/stroke_work.h"
#include "core/record/char_data_full.h"

namespace tmb::test {

class MorphFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A record in the converting style with the defaults of window A and morphing on.
  static std::unique_ptr<CCharDataFull> NewRecord();
  // Converts rec as the callers of the driver do, the frame at percent; the result stays
  // in dest.
  const CStrokeWork& Convert(CCharDataFull& rec, int percent);
  // Converts path with params and morphing off.
  const CStrokeWork& ConvertPath(const CStrokeWork& path, const ParamBlock& params);

  std::unique_ptr<CStrokeWork> source = std::make_unique<CStrokeWork>();
  std::unique_ptr<CStrokeWork> dest = std::make_unique<CStrokeWork>();
};

}  // namespace tmb::test
