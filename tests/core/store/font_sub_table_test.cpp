#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/canvas/work_canvas.h"
#include "core/record/log_font.h"
#include "core/store/font_sub_table.h"
#include "platform/file/byte_writer.h"
#include "support/file_bytes.h"
#include "support/store_folder.h"

namespace {

namespace fs = std::filesystem;
using tmb::ByteWriter;

CLogFont Face(const std::string& name) {
  CLogFont f = DefaultTextFont();
  f.SetFaceName(name.c_str());
  return f;
}

void Record(ByteWriter& w, std::u16string_view face, uint8_t value) {
  for (size_t i = 0; i < 32; ++i) w.U16(i < face.size() ? face[i] : 0);
  w.U8(value);
}

class FontSubTableTest : public ::testing::Test {
 protected:
  // Counts the calls of the value function and answers 1 for faces starting with 'R'.
  void InstallValueFunction() {
    gFontSubTable.SetValueFunction([this](const CLogFont& font) {
      ++computed_;
      return font.faceName[0] == 'R' ? 1 : 0;
    });
  }
  tmb::test::ScopedStoreFolder folder_;
  int computed_ = 0;
};

TEST_F(FontSubTableTest, ANewFaceIsComputedOnceAndSavedAs65ByteRecords) {
  InstallValueFunction();
  EXPECT_EQ(gFontSubTable.GetValue(Face("Round")), 1);
  EXPECT_EQ(gFontSubTable.GetValue(Face(kGothicFaceName)), 0);
  EXPECT_EQ(gFontSubTable.GetValue(Face("Round")), 1);
  EXPECT_EQ(computed_, 2);

  ByteWriter expected;
  Record(expected, u"Round", 1);
  Record(expected, u"\xFF2D\xFF33 \x30B4\x30B7\x30C3\x30AF", 0);
  EXPECT_EQ(tmb::test::FileBytes(folder_ / "fontsubdata.dat"), expected.bytes());

  // A later run reads the cache instead of computing.
  gFontSubTable.Reset();
  EXPECT_EQ(gFontSubTable.GetValue(Face("Round")), 1);
  EXPECT_EQ(computed_, 2);
  EXPECT_EQ(gFontSubTable.GetCount(), 2);
}

TEST_F(FontSubTableTest, TheCacheMakesTheUsersFolderWhenItFirstSaves) {
  const fs::path user = folder_ / "new/Tamberi";
  gWorkCanvas.m_folder = user.string();
  InstallValueFunction();
  EXPECT_EQ(gFontSubTable.GetValue(Face("Round")), 1);
  EXPECT_EQ(fs::file_size(user / "fontsubdata.dat"), 65u);
}

TEST_F(FontSubTableTest, WithoutAValueFunctionNothingIsCached) {
  EXPECT_EQ(gFontSubTable.GetValue(Face("Round")), 0);
  EXPECT_EQ(gFontSubTable.GetCount(), 0);
  EXPECT_FALSE(fs::exists(folder_ / "fontsubdata.dat"));
}

TEST_F(FontSubTableTest, ATrailingPartialRecordIsIgnored) {
  ByteWriter w;
  Record(w, u"Round", 1);
  w.Zeros(30);
  tmb::test::WriteFileBytes(folder_ / "fontsubdata.dat", w.bytes());
  ASSERT_EQ(gFontSubTable.Load(), 1);
  EXPECT_EQ(gFontSubTable.GetCount(), 1);
  EXPECT_EQ(gFontSubTable.GetValue(Face("Round")), 1);
}

TEST_F(FontSubTableTest, TheTableStopsAt1024FacesInTheFileAndInMemory) {
  ByteWriter w;
  for (int i = 0; i < 1030; ++i) Record(w, std::u16string(u"F") + char16_t(0x4E00 + i), 0);
  std::vector<uint8_t> file = w.bytes();
  tmb::test::WriteFileBytes(folder_ / "fontsubdata.dat", file);
  ASSERT_EQ(gFontSubTable.Load(), 1);
  EXPECT_EQ(gFontSubTable.GetCount(), CFontSubTable::kCapacity);
  EXPECT_EQ(gFontSubTable.Add("Extra", 1), -1);

  // A 1,025th face is still answered, but neither held nor written.
  InstallValueFunction();
  EXPECT_EQ(gFontSubTable.GetValue(Face("Rnew")), 1);
  EXPECT_EQ(gFontSubTable.GetCount(), CFontSubTable::kCapacity);
  EXPECT_EQ(tmb::test::FileBytes(folder_ / "fontsubdata.dat"), file);

  gFontSubTable.Reset();
  for (int i = 0; i < CFontSubTable::kCapacity; ++i) ASSERT_EQ(gFontSubTable.Add("f", 0), 1);
  EXPECT_EQ(gFontSubTable.Add("f", 0), -1);
  EXPECT_EQ(gFontSubTable.GetCount(), CFontSubTable::kCapacity);
}

}  // namespace
