#include "core/bitmap/palettes.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/drawing_windows.h"

namespace {

class PaletteTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetPalettes(); }
  void TearDown() override { ResetPalettes(); }
};

TEST_F(PaletteTest, OnATrueColourDisplayEverythingSucceedsAndNothingChanges) {
  EXPECT_EQ(PaletteRgb(0x123456), 0x123456u);
  int full = 0;
  EXPECT_EQ(FindOrAddColour(gColourTables[0], 0, 216, 0x123456), 1);
  EXPECT_EQ(AddColourToPalette(gColourTables[0], 0x123456, &gAppPalette), 1);
  EXPECT_EQ(AddPaletteColour(full, 0x123456), 0);
  EXPECT_EQ(RemoveColour(0x123456, 1, 1), 1);
  InitAppPalettes();
  EXPECT_FALSE(gAppPalette.IsCreated());
  EXPECT_EQ(gColourTables[0][0], (tmb::PaletteEntry{}));
  tmb::Surface s;
  ASSERT_TRUE(s.Create(1, 1, tmb::PixelFormat::kColour32));
  tmb::DeviceContext dc(&s);
  EXPECT_EQ(SelectAppPalette(&dc), 1);
  EXPECT_EQ(dc.palette(), nullptr);
}

TEST_F(PaletteTest, InitialisingMakesFiveFullPalettesFromTableZero) {
  gPaletteMode = 1;
  InitAppPalettes();
  for (const tmb::Palette* p : {&gAppPalette, &gEditPalette, &gRemapSourcePalette, &gRemapTargetPalette, &gSparePalette}) {
    EXPECT_EQ(p->EntryCount(), 256);
  }
  tmb::PaletteEntry last[1];
  gAppPalette.GetEntries(255, last);
  EXPECT_EQ(last[0], (tmb::PaletteEntry{255, 255, 255, 0}));
  EXPECT_EQ(gCurPaletteB, &gAppPalette);
  EXPECT_EQ(PaletteRgb(0x123456), 0x02123456u);
}

TEST_F(PaletteTest, AddingFindsPresentColoursAndFillsFreeEntries) {
  gPaletteMode = 1;
  InitAppPalettes();
  int full = 0;
  EXPECT_EQ(AddPaletteColour(full, 0x0000FF), 0) << "the first free entry";
  EXPECT_EQ(AddPaletteColour(full, 0x00FF00), 1);
  EXPECT_EQ(AddPaletteColour(full, 0x0000FF), 1) << "present";
  EXPECT_EQ(AddColourToPalette(gColourTables[0], 0x000000, &gAppPalette), 1) << "black is always present";
  tmb::PaletteEntry e[2];
  gAppPalette.GetEntries(0, e);
  EXPECT_EQ(e[1], (tmb::PaletteEntry{0, 255, 0, 0}));
  EXPECT_EQ(gColourTables[2][1], (tmb::PaletteEntry{0, 255, 0, 0})) << "recorded as in use by the editor";
  EXPECT_EQ(CountFreeEntries(gColourTables[0]), 214);
}

TEST_F(PaletteTest, AFullTableReportsFullOnceAndThenRefusesAtOnce) {
  gPaletteMode = 1;
  InitAppPalettes();
  int full = 0;
  for (int i = 0; i < 216; ++i) ASSERT_EQ(AddPaletteColour(full, tmb::MakeRgb(i + 1, 7, 9)), i);
  EXPECT_EQ(AddPaletteColour(full, 0x010203), -2);
  EXPECT_EQ(full, 1);
  EXPECT_EQ(AddPaletteColour(full, 0x010204), 0);
  EXPECT_EQ(AddPaletteColour(full, tmb::MakeRgb(1, 7, 9)), 0);
}

TEST_F(PaletteTest, ReducingLinksColoursOfOneGridBoxAndRemovesThem) {
  gPaletteMode = 1;
  ColourTable table{};
  table[0] = {100, 100, 100, 0};
  table[1] = {101, 99, 100, 0};   // the same box as entry 0 from grid 4 up
  table[2] = {200, 10, 10, 0};
  table[3] = {10, 200, 10, 0};
  gColourTables[1][5] = {101, 99, 100, 0};
  std::vector<int> links(256, 0);
  EXPECT_EQ(ReduceColours(table, 0, 4, 0, links, 0), 1) << "a target of 0 is met at once";
  EXPECT_EQ(ReduceColours(table, 0, 4, 25, links, 1), 1);
  EXPECT_EQ(links[1], 0);
  EXPECT_EQ(links[2], -1);
  EXPECT_EQ(gColourTables[1][5], (tmb::PaletteEntry{101, 99, 100, 0})) << "a dry run removes nothing";
  EXPECT_EQ(ReduceColours(table, 0, 4, 25, links, 0), 1);
  EXPECT_EQ(gPaletteReduced, 1);
  EXPECT_EQ(gColourTables[1][5], (tmb::PaletteEntry{})) << "the linked colour left the in-use table";
  links.assign(256, 0);
  EXPECT_EQ(ReduceColours(table, 0, 4, 75, links, 1), 0) << "three colours never share one box";
  gExcludedColour = tmb::MakeRgb(100, 100, 100);
  links.assign(256, 0);
  EXPECT_EQ(ReduceColours(table, 0, 4, 25, links, 1), 0) << "the excluded colour takes no links";
  std::vector<int> few(3, 7);
  EXPECT_EQ(ReduceColours(table, 10, 20, 50, few, 0), 1) << "a range past the links given is empty";
  EXPECT_EQ(few, std::vector<int>(3, 7));
}

TEST_F(PaletteTest, RemappingReplacesLinkedColours) {
  // On a display of 256 colours too: the colours go through PaletteRgb and the pixels
  // keep the colour alone.
  for (int mode : {0, 1}) {
    SCOPED_TRACE(mode);
    gPaletteMode = mode;
    InitAppPalettes();
    tmb::Surface src, dst;
    ASSERT_TRUE(src.Create(3, 1, tmb::PixelFormat::kColour32));
    ASSERT_TRUE(dst.Create(3, 1, tmb::PixelFormat::kColour32));
    src.SetPixel(0, 0, 0x0000FF);
    src.SetPixel(1, 0, 0x00FF00);
    src.SetPixel(2, 0, 0x0000FE);
    ColourTable table{};
    table[0] = {255, 0, 0, 0};
    table[1] = {254, 0, 0, 0};
    table[2] = {0, 255, 0, 0};
    std::vector<int> links(216, -1);
    links[1] = 0;
    tmb::DeviceContext s(&src), d(&dst);
    RemapBitmapColours(&d, &s, 0, 0, 3, 1, table, {}, {}, links);
    EXPECT_EQ(src.GetPixel(2, 0), 0x0000FFu);
    EXPECT_EQ(src.GetPixel(1, 0), 0x00FF00u);
    EXPECT_EQ(dst.GetPixel(2, 0), 0x0000FFu);
    EXPECT_EQ(src.ColourRow(0)[2], tmb::StoredFromColour(0x0000FF));
  }
}

// The twins of drawing windows A and B: each adds through table A into table 1 with the
// paper colour of its own document excluded, and has a palette-full flag of its own.
TEST_F(PaletteTest, EachDrawingWindowAddsWithItsOwnPaperExcludedAndItsOwnFullFlag) {
  tmb::test::DrawingWindows windows;
  windows.a->m_param[157] = 0x00FFFF;
  windows.b->m_param[157] = 0xFF00FF;
  gPaletteMode = 1;
  InitAppPalettes();
  EXPECT_EQ(AddDrawingWindowColour(0, 0x0000FF), 0);
  EXPECT_EQ(gExcludedColour, 0x00FFFFu);
  EXPECT_EQ(gPaletteState[7], -1);
  EXPECT_EQ(gColourTables[1][0], (tmb::PaletteEntry{255, 0, 0, 0}));
  EXPECT_EQ(AddDrawingWindowColour(2, 0x00FF00), 1);
  EXPECT_EQ(gExcludedColour, 0xFF00FFu);
  EXPECT_EQ(AddDrawingWindowColour(1, 0x00FF00), 0) << "not a drawing window";
  for (int i = 2; i < 216; ++i) AddDrawingWindowColour(0, tmb::MakeRgb(i, 3, 4));
  EXPECT_EQ(AddDrawingWindowColour(0, 0x010101), -2);
  EXPECT_EQ(gWindowPaletteFull[0], 1);
  EXPECT_EQ(gWindowPaletteFull[1], 0);
  EXPECT_EQ(AddDrawingWindowColour(0, 0x010102), 0) << "window A's palette is full";
  EXPECT_EQ(AddDrawingWindowColour(2, 0x010102), -2) << "window B finds the shared table full itself";
  // Tables started again take colours again, in both windows.
  ResetPaletteTables();
  EXPECT_EQ(gWindowPaletteFull[0], 0);
  EXPECT_EQ(gWindowPaletteFull[1], 0);
  EXPECT_EQ(AddDrawingWindowColour(0, 0x010102), 0);
  EXPECT_EQ(AddDrawingWindowColour(2, 0x020202), 1);
}

}  // namespace
