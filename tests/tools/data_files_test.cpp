// The data folder as the build makes it: the default character file read back through the
// block reader, the two default pictures through the bitmap reader, and nothing else made
// where the maker runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/bitmap/dib.h"
#include "core/document/tmb_doc.h"
#include "core/file/char_block_format.h"
#include "core/record/char_slots.h"
#include "core/record/default_files.h"
#include "core/state/draw_state.h"
#include "platform/file/binary_file.h"
#include "platform/gdi/device_context.h"
#include "support/char_file_fixture.h"
#include "support/checking_tool.h"
#include "support/picture_files.h"
#include "support/temp_dir.h"

namespace tmb::test {
namespace {

namespace fs = std::filesystem;

const fs::path kDataFolder = fs::path(TMB_BUILD_DIR) / "data";

using DefaultFile = CharFileTest;

TEST_F(DefaultFile, ReadsBackAsTheDefaultsOfSlotsZeroAndOne) {
  // The file was written with no data folder: its texts name the files bare.
  gDrawState.m_szCurFolder.clear();
  InitCharacterSlots();
  BinaryFile file;
  ASSERT_TRUE(file.Open(kDataFolder / kDefaultCharFile, BinaryFile::Mode::kRead));
  for (int part = 1; part <= 2; ++part) {
    SCOPED_TRACE(part);
    const CCharDataFull& slot = gCharSlots[part - 1];
    auto record = std::make_unique<CCharDataFull>();
    int mode = kReadAll;
    ASSERT_EQ(record->ReadBlock(file, mode, 0, part, 0), part == 1 ? 1 : 0);
    EXPECT_EQ(gDrawState.m_nDataVersion, kDataVersion);
    EXPECT_EQ(record->m_nPoints, 0);
    for (int k = 0; k < kParamCount; ++k) EXPECT_EQ(record->m_param[k], slot.m_param[k]) << "parameter " << k;
    for (int t = 0; t < kBlockTextCount; ++t) {
      // The background pictures travel in the file only embedded, and the defaults show
      // (and so embed) none: their texts read back empty.
      const bool picture = t == kTextPicture1 || t == kTextPicture2;
      EXPECT_EQ(record->m_text[t], picture ? std::string() : slot.m_text[t]) << "text " << t;
      // No folder of the machine that built it.
      EXPECT_EQ(record->m_text[t].find('/'), std::string::npos) << record->m_text[t];
    }
    EXPECT_EQ(record->m_valueTable, slot.m_valueTable);
  }
  EXPECT_EQ(gCharSlots[1].m_text[kTextEffectFile], "ef\x90\xCE\x94\xC5\x95\x82\x92\xA4.txt");  // ef石版浮彫.txt
  // Two parts and nothing after them.
  EXPECT_EQ(file.Tell(), file.Size());
  EXPECT_TRUE(messages.ids.empty());
}

struct PictureLook {
  double brightness = 0;   // mean of red, green and blue, 0 to 255
  double spread = 0;       // standard deviation of that
  double blueTop = 0;      // blue minus green over the top tenth
  double greenBottom = 0;  // green minus blue over the lowest third
};

PictureLook Look(const Surface& s) {
  PictureLook look;
  double sum = 0, sum2 = 0;
  int topRows = s.height() / 10, bottomFrom = s.height() * 2 / 3;
  for (int y = 0; y < s.height(); ++y) {
    for (int x = 0; x < s.width(); ++x) {
      const Colour c = s.GetPixel(x, y);
      const double v = (RedOf(c) + GreenOf(c) + BlueOf(c)) / 3.0;
      sum += v;
      sum2 += v * v;
      if (y < topRows) look.blueTop += BlueOf(c) - GreenOf(c);
      if (y >= bottomFrom) look.greenBottom += GreenOf(c) - BlueOf(c);
    }
  }
  const double n = double(s.width()) * s.height();
  look.brightness = sum / n;
  look.spread = std::sqrt(sum2 / n - look.brightness * look.brightness);
  look.blueTop /= double(topRows) * s.width();
  look.greenBottom /= double(s.height() - bottomFrom) * s.width();
  return look;
}

TEST_F(DefaultFile, ThePicturesReadBackAsPalePapersOfTheCanvasSize) {
  struct Case {
    const char* name;
    const char* viewing;
    double minBrightness;
    double minSpread;
    bool landscape;
  } cases[] = {
      {kDefaultPictureFlowers, "default_picture_paper", 235, 1.0, false},
      {kDefaultPictureForest, "default_picture_landscape", 185, 8.0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CDib dib;
    ASSERT_EQ(dib.ReadFile((kDataFolder / fs::u8path(c.name)).string()), 1);
    ASSERT_EQ(dib.GetSize(), (Size{CDrawState::kDefaultCanvasWidth, CDrawState::kDefaultCanvasHeight}));
    Surface shown;
    ASSERT_TRUE(shown.Create(dib.GetSize().cx, dib.GetSize().cy, PixelFormat::kColour32));
    DeviceContext dc(&shown);
    ASSERT_EQ(dib.Draw(&dc, {0, 0}, nullptr, 0), dib.GetSize().cy);
    SavePictureForViewing(shown, c.viewing);
    const PictureLook look = Look(shown);
    // Pale, so that a character written over it is what the eye finds, but not flat.
    EXPECT_GE(look.brightness, c.minBrightness);
    EXPECT_GE(look.spread, c.minSpread);
    if (c.landscape) {
      EXPECT_GT(look.blueTop, 5) << "a sky at the top";
      EXPECT_GT(look.greenBottom, 10) << "a forest below";
    }
  }
  EXPECT_TRUE(messages.ids.empty());
}

TEST(DataMaker, WritesItsThreeFilesAndNoStoreInTheFolderItRunsIn) {
  TempDir dir;
  const ToolRun run = RunTool("cd '" + dir.path().string() + "' && '" TMB_BUILD_DIR "/tamberi_make_data' data 2>&1");
  ASSERT_EQ(run.exitCode, 0) << run.output;
  std::vector<std::string> made;
  for (const fs::directory_entry& e : fs::recursive_directory_iterator(dir.path())) {
    if (!e.is_directory()) made.push_back(fs::relative(e.path(), dir.path()).generic_string());
  }
  std::vector<std::string> expected;
  for (const char* name : {kDefaultCharFile, kDefaultPictureFlowers, kDefaultPictureForest}) {
    expected.push_back(std::string("data/") + name);
  }
  std::sort(made.begin(), made.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(made, expected);
}

}  // namespace
}  // namespace tmb::test
