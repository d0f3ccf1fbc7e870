#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "export/swf/swf_character_id.h"
#include "export/swf/swf_control_tags.h"
#include "export/swf/swf_movie.h"
#include "export/swf/swf_output_buffer.h"
#include "export/swf/swf_shape_tags.h"
#include "support/file_bytes.h"
#include "support/swf_reader.h"
#include "support/temp_dir.h"

namespace {

using Bytes = std::vector<uint8_t>;
using tmb::test::ParseSwfFile;
using tmb::test::SwfFileInfo;

SwfFileInfo Parse(const Bytes& bytes) {
  SwfFileInfo info;
  std::string why;
  EXPECT_TRUE(ParseSwfFile(bytes, info, why)) << why;
  return info;
}

TEST(SwfMovie, EmptyMovieIsTheHeaderAndTheEndTag) {
  SwfMovie movie;
  Bytes bytes;
  ASSERT_TRUE(WriteSwfToMemory(movie, 10000, 15000, 12, bytes));
  EXPECT_EQ(bytes, Bytes({0x46, 0x57, 0x53, 0x04, 0x17, 0x00, 0x00, 0x00, 0x78, 0x00, 0x04, 0xE2,
                          0x00, 0x00, 0x1D, 0x4C, 0x00, 0x00, 0x0C, 0x00, 0x00, 0x00, 0x00}));
}

TEST(SwfMovie, FrameRectangleWidensPast15BitsInsteadOfWrapping) {
  struct Case {
    int pixels;
    int nbits;
  };
  for (Case c : {Case{500, 15}, Case{819, 15}, Case{1000, 16}, Case{3000, 17}}) {
    SwfMovie movie;
    Bytes bytes;
    ASSERT_TRUE(WriteSwfToMemory(movie, c.pixels * 20, c.pixels * 10, 12, bytes));
    const SwfFileInfo info = Parse(bytes);
    EXPECT_EQ(info.frame.nbits, c.nbits) << c.pixels;
    EXPECT_EQ(info.frame.xMin, 0);
    EXPECT_EQ(info.frame.xMax, c.pixels * 20);
    EXPECT_EQ(info.frame.yMax, c.pixels * 10);
    EXPECT_EQ(info.rate, 12);
  }
}

// A shape of one closed triangle.
std::unique_ptr<SwfTagDefineShape> Triangle() {
  auto shape = std::make_unique<SwfTagDefineShape>(SwfRect{0, 0, 400, 400});
  const int line = shape->AddLineStyle(20, SwfColour::Rgb(0, 0, 0));
  const int fill = shape->AddFillStyle(SwfColour::Rgb(255, 0, 0));
  shape->CloseStyles();
  auto move = std::make_unique<SwfStyleChangeRecord>();
  move->MoveTo(10, 10).LineStyle(line).FillStyle1(fill);
  shape->AddRecord(std::move(move));
  shape->AddRecord(std::make_unique<SwfStraightEdgeRecord>(100, 0));
  shape->AddRecord(std::make_unique<SwfStraightEdgeRecord>(-50, 80));
  shape->AddRecord(std::make_unique<SwfStraightEdgeRecord>(-50, -80));
  shape->AddRecord(std::make_unique<SwfEndShapeRecord>());
  return shape;
}

SwfPlacement PlaceAt(int id, int depth) {
  SwfPlacement p;
  p.depth = depth;
  p.characterId = id;
  p.matrix = SwfMatrix();
  return p;
}

TEST(SwfMovie, FileHoldsEveryTagAndItsLengthIsTheFileSize) {
  tmb::test::TempDir dir;
  SwfMovie movie;
  movie.AddTag(std::make_unique<SwfTagSetBackgroundColor>(SwfColour::Rgb(255, 255, 255)));
  auto shape = Triangle();
  const int id = shape->Id();
  movie.AddTag(std::move(shape));
  movie.AddTag(std::make_unique<SwfTagPlaceObject2>(PlaceAt(id, 1)));
  movie.AddTag(std::make_unique<SwfTagShowFrame>());
  movie.AddTag(std::make_unique<SwfTagRemoveObject2>(1));
  movie.AddTag(std::make_unique<SwfTagShowFrame>());
  EXPECT_EQ(movie.FrameCount(), 2u);
  ASSERT_TRUE(WriteSwfFile(movie, dir / "a.swf", 8000, 6000, 25));
  const Bytes bytes = tmb::test::FileBytes(dir / "a.swf");
  const SwfFileInfo info = Parse(bytes);
  EXPECT_EQ(info.version, 4);
  EXPECT_EQ(info.fileLength, bytes.size());
  EXPECT_EQ(info.frameCount, 2);
  EXPECT_EQ(info.rate, 25);
  EXPECT_EQ(tmb::test::SwfTagCodes(info.tags), std::vector<int>({9, 2, 26, 1, 28, 1, 0}));
  const auto read = tmb::test::ReadSwfDefineShape(info.tags[1]);
  EXPECT_EQ(read.id, 1);
  const auto contours = tmb::test::SwfContours(read.shape.records);
  ASSERT_EQ(contours.size(), 1u);
  ASSERT_EQ(contours[0].size(), 4u);
  EXPECT_EQ(contours[0].back().x, 10);
  EXPECT_EQ(contours[0].back().y, 10);
}

TEST(SwfMovie, AFailedWriteKeepsTheOldFileAndSaysWhy) {
  tmb::test::TempDir dir;
  const auto path = dir / "old.swf";
  tmb::test::WriteFileBytes(path, {1, 2, 3});
  SwfMovie movie;
  auto shape = std::make_unique<SwfTagDefineShape>(SwfRect{0, 0, 100, 100});
  shape->AddRecord(std::make_unique<SwfStraightEdgeRecord>(0, 0));  // a zero edge
  movie.AddTag(std::move(shape));
  const tmb::Status s = WriteSwfFile(movie, path, 2000, 2000, 12);
  ASSERT_FALSE(s);
  EXPECT_NE(s.message().find("tag 2"), std::string::npos) << s.message();
  EXPECT_EQ(tmb::test::FileBytes(path), Bytes({1, 2, 3}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

  SwfMovie empty;
  EXPECT_FALSE(WriteSwfFile(empty, dir / "missing" / "a.swf", 2000, 2000, 12));
}

TEST(SwfMovie, RefusesWhatTheHeaderCannotHold) {
  SwfMovie movie;
  Bytes bytes;
  EXPECT_FALSE(WriteSwfToMemory(movie, 2000, 2000, 256, bytes));
  EXPECT_FALSE(WriteSwfToMemory(movie, -20, 2000, 12, bytes));
  EXPECT_FALSE(WriteSwfToMemory(movie, 0x40000000, 2000, 12, bytes));  // 32-bit Nbits
  for (int i = 0; i < 65536; ++i) movie.AddTag(std::make_unique<SwfTagShowFrame>());
  const tmb::Status s = WriteSwfToMemory(movie, 2000, 2000, 12, bytes);
  ASSERT_FALSE(s);
  EXPECT_NE(s.message().find("65,535"), std::string::npos);
}

TEST(SwfCharacterIds, EveryMovieNumbersFromOneAndTheCounterNeverWraps) {
  {
    SwfMovie first;
    EXPECT_EQ(SwfTagDefineShape(SwfRect{}).Id(), 1);
    EXPECT_EQ(SwfTagDefineShape(SwfRect{}).Id(), 2);
    // Not written: the next movie still starts at 1.
  }
  SwfMovie second;
  EXPECT_EQ(SwfTagDefineShape(SwfRect{}).Id(), 1);

  gSwfCharacterId = 65534;
  auto last = std::make_unique<SwfTagDefineShape>(SwfRect{});
  auto none = std::make_unique<SwfTagDefineShape>(SwfRect{});
  EXPECT_EQ(last->Id(), 65535);
  EXPECT_EQ(none->Id(), 0);
  EXPECT_EQ(NextCharacterId(), 0);
  second.AddTag(std::move(last));
  second.AddTag(std::move(none));
  Bytes bytes;
  const tmb::Status s = WriteSwfToMemory(second, 2000, 2000, 12, bytes);
  ASSERT_FALSE(s);
  EXPECT_NE(s.message().find("65,535 characters"), std::string::npos) << s.message();
  ResetCharacterIds();
}

}  // namespace
