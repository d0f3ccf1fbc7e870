#include <gtest/gtest.h>

#include "export/swf/swf_morph_shape.h"
#include "export/swf/swf_movie.h"
#include "export/swf/swf_output_buffer.h"
#include "export/swf/swf_shape_tags.h"
#include "support/swf_fixture.h"
#include "support/swf_reader.h"

namespace {

using Bytes = std::vector<uint8_t>;
using Kind = tmb::test::SwfShapeRecordRead::Kind;

std::unique_ptr<SwfStyleChangeRecord> MoveTo(int x, int y, int line, int fill) {
  auto r = std::make_unique<SwfStyleChangeRecord>();
  r->MoveTo(x, y).LineStyle(line).FillStyle1(fill);
  return r;
}

Bytes RecordBits(const SwfShapeRecord& record) {
  SwfOutputBuffer out;
  record.Write(out);
  out.FlushBits();
  EXPECT_TRUE(out.ok()) << out.error();
  return tmb::test::SwfBufferBytes(out);
}

TEST(SwfShapes, OneLineAndOneFillTakeOneBitEach) {
  SwfMovie movie;
  SwfTagDefineShape shape(SwfRect{0, 0, 2000, 2000});
  EXPECT_EQ(shape.AddLineStyle(20, SwfColour::Rgba(1, 2, 3, 4)), 1);
  EXPECT_EQ(shape.AddFillStyle(SwfColour::Rgb(9, 8, 7)), 1);
  shape.CloseStyles();
  auto move = std::make_unique<SwfStyleChangeRecord>();
  move->MoveTo(0, 0).LineStyle(1).FillStyle1(1);
  shape.AddRecord(std::move(move));
  shape.AddRecord(std::make_unique<SwfStraightEdgeRecord>(20, 0));
  shape.AddRecord(std::make_unique<SwfEndShapeRecord>());
  const auto read = tmb::test::ReadSwfDefineShape(tmb::test::ReadBackSwfTag(shape));
  EXPECT_EQ(read.id, 1);
  EXPECT_EQ(read.bounds.xMax, 2000);
  EXPECT_EQ(read.shape.fillBits, 1);
  EXPECT_EQ(read.shape.lineBits, 1);
  ASSERT_EQ(read.shape.lines.size(), 1u);
  EXPECT_EQ(read.shape.lines[0].width, 20);
  EXPECT_EQ(read.shape.lines[0].colour, (tmb::test::SwfRgba{1, 2, 3, 255}));  // RGB in shape 1
  ASSERT_EQ(read.shape.records.size(), 3u);
  const auto& style = read.shape.records[0];
  EXPECT_EQ(style.kind, Kind::kStyle);
  EXPECT_EQ(style.moveBits, 1);
  EXPECT_EQ(style.fill1, 1u);
  EXPECT_EQ(style.line, 1u);
  EXPECT_FALSE(style.fill0);
  EXPECT_EQ(read.shape.records[2].kind, Kind::kEnd);
}

TEST(SwfShapes, StraightEdgesChooseTheirForm) {
  struct Case {
    int dx, dy;
    int numBits;
    bool general, vertical;
  };
  for (Case c : {Case{20, 0, 6, false, false}, Case{0, -20, 6, false, true}, Case{3, 4, 4, true, false},
                 Case{-65536, 1, 18, true, false}}) {
    SwfOutputBuffer out;
    SwfStraightEdgeRecord(c.dx, c.dy).Write(out);
    if (c.numBits > kSwfMaxEdgeBits) {
      EXPECT_FALSE(out.ok()) << c.dx;
      continue;
    }
    ASSERT_TRUE(out.ok()) << out.error();
    SwfEndShapeRecord().Write(out);
    const Bytes bytes = tmb::test::SwfBufferBytes(out);
    tmb::test::SwfBits r(bytes);
    const auto records = tmb::test::ReadSwfShapeRecords(r, 0, 0, 1);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].kind, Kind::kStraight);
    EXPECT_EQ(records[0].numBits, c.numBits);
    EXPECT_EQ(records[0].general, c.general);
    EXPECT_EQ(records[0].vertical, c.vertical);
    EXPECT_EQ(records[0].dx, c.dx);
    EXPECT_EQ(records[0].dy, c.dy);
  }
  // The widest edge: 17 bits, NumBits field 15.
  EXPECT_EQ(RecordBits(SwfStraightEdgeRecord(kSwfMaxEdgeDelta, -kSwfMaxEdgeDelta))[0] >> 2, 0x3F);
}

TEST(SwfShapes, ZeroAndOversizedEdgesFailTheRecord) {
  for (int dx : {0, 70000}) {
    SwfOutputBuffer out;
    SwfStraightEdgeRecord(dx, 0).Write(out);
    EXPECT_FALSE(out.ok()) << dx;
  }
  SwfOutputBuffer curve;
  SwfCurvedEdgeRecord(0, 0, 0, 0).Write(curve);
  EXPECT_FALSE(curve.ok());
  SwfOutputBuffer farCurve;
  SwfCurvedEdgeRecord(1, 1, 1, 1 << 20).Write(farCurve);
  EXPECT_FALSE(farCurve.ok());
}

TEST(SwfShapes, CurvedEdgesReadBack) {
  SwfOutputBuffer out;
  SwfCurvedEdgeRecord(100, -3, -40, 7).Write(out);
  SwfEndShapeRecord().Write(out);
  const Bytes bytes = tmb::test::SwfBufferBytes(out);
  tmb::test::SwfBits r(bytes);
  const auto records = tmb::test::ReadSwfShapeRecords(r, 0, 0, 1);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].kind, Kind::kCurve);
  EXPECT_EQ(records[0].numBits, 8);
  EXPECT_EQ(records[0].dx, 100);
  EXPECT_EQ(records[0].dy, -3);
  EXPECT_EQ(records[0].anchorDx, -40);
  EXPECT_EQ(records[0].anchorDy, 7);
}

TEST(SwfShapes, EndRecordCompletesThePendingByteWithZeros) {
  SwfOutputBuffer out;
  out.WriteBits(3, 2);
  SwfEndShapeRecord().Write(out);
  EXPECT_EQ(tmb::test::SwfBufferBytes(out), Bytes({0xC0}));
}

TEST(SwfShapes, StyleArraysTakeTheLongCountFrom255) {
  SwfMovie movie;
  for (int shapeVersion : {1, 2}) {
    std::unique_ptr<SwfTagDefineShape> shape =
        shapeVersion == 1 ? std::make_unique<SwfTagDefineShape>(SwfRect{})
                          : std::make_unique<SwfTagDefineShape2>(SwfRect{});
    for (int i = 0; i < 255; ++i) shape->AddFillStyle(SwfColour::Rgb(1, 2, 3));
    shape->CloseStyles();
    if (shapeVersion == 1) {
      EXPECT_FALSE(tmb::test::SwfTagWriteError(*shape).empty());  // DefineShape has no long count
      continue;
    }
    const auto tag = tmb::test::ReadBackSwfTag(*shape);
    EXPECT_EQ(tag.code, 22);
    tmb::test::SwfBits r(tag.body);
    r.U16();
    tmb::test::ReadSwfRect(r);
    EXPECT_EQ(r.U8(), 0xFF);
    EXPECT_EQ(r.U16(), 255);
  }
}

TEST(SwfShapes, StyleIndexesWiderThanTheirBitsFail) {
  SwfMovie movie;
  SwfTagDefineShape shape(SwfRect{});
  shape.AddFillStyle(SwfColour::Rgb(1, 2, 3));
  shape.AddRecord(MoveTo(0, 0, 0, 2));  // fill 2 of 1
  EXPECT_FALSE(tmb::test::SwfTagWriteError(shape).empty());
}

TEST(SwfShapes, Shape3WritesRgbaAndShape1ForcesRgbEvenInGradients) {
  SwfMovie movie;
  for (int version : {1, 3}) {
    std::unique_ptr<SwfTagDefineShape> shape =
        version == 1 ? std::make_unique<SwfTagDefineShape>(SwfRect{})
                     : std::make_unique<SwfTagDefineShape3>(SwfRect{});
    SwfGradient gradient;
    gradient.records = {{0, SwfColour::Rgba(255, 0, 0, 128)}, {255, SwfColour::Rgb(0, 0, 255)}};
    shape->AddFillStyle(std::make_unique<SwfGradientFillStyle>(
        false, SwfMatrix(true, 65536, 65536, false, 0, 0, 100, 200), gradient));
    shape->AddLineStyle(40, SwfColour::Rgba(0, 255, 0, 10));
    shape->AddRecord(MoveTo(5, 5, 1, 1));
    shape->AddRecord(std::make_unique<SwfStraightEdgeRecord>(10, 10));
    const auto tag = tmb::test::ReadBackSwfTag(*shape);
    const auto read = tmb::test::ReadSwfDefineShape(tag);
    ASSERT_EQ(read.shape.fills.size(), 1u);
    const auto& fill = read.shape.fills[0];
    EXPECT_EQ(fill.type, 0x12);
    EXPECT_EQ(fill.matrix.translateX, 100);
    ASSERT_EQ(fill.gradient.records.size(), 2u);
    EXPECT_EQ(fill.gradient.records[0].second.a, version == 3 ? 128 : 255);
    EXPECT_EQ(fill.gradient.records[1].first, 255);
    EXPECT_EQ(read.shape.lines[0].colour.a, version == 3 ? 10 : 255);
    ASSERT_EQ(read.shape.records.size(), 3u);  // the end record is added
    EXPECT_EQ(read.shape.records[1].dx, 10);
    EXPECT_EQ(read.shape.records[2].kind, Kind::kEnd);
  }
}

TEST(SwfShapes, NewStylesAreAlignedAndWidenTheRecordsAfterThem) {
  SwfMovie movie;
  SwfTagDefineShape2 shape(SwfRect{});
  shape.AddFillStyle(SwfColour::Rgb(1, 1, 1));
  shape.AddRecord(MoveTo(3, 3, 0, 1));
  shape.AddRecord(std::make_unique<SwfStraightEdgeRecord>(7, 0));
  SwfFillStyleArray fills;
  for (int i = 0; i < 3; ++i) fills.Add(std::make_unique<SwfSolidFillStyle>(SwfColour::Rgb(9, 9, 9)));
  auto change = std::make_unique<SwfStyleChangeRecord>();
  change->NewStyles(std::move(fills), SwfLineStyleArray());
  shape.AddRecord(std::move(change));
  auto select = std::make_unique<SwfStyleChangeRecord>();
  select->FillStyle0(3);
  shape.AddRecord(std::move(select));
  shape.AddRecord(std::make_unique<SwfStraightEdgeRecord>(0, 9));
  const auto read = tmb::test::ReadSwfDefineShape(tmb::test::ReadBackSwfTag(shape));
  ASSERT_EQ(read.shape.records.size(), 6u);
  EXPECT_TRUE(read.shape.records[2].newStyles);
  EXPECT_EQ(read.shape.records[3].fill0, 3u);
  EXPECT_EQ(read.shape.records[4].dy, 9);

  SwfTagDefineShape old(SwfRect{});
  auto change1 = std::make_unique<SwfStyleChangeRecord>();
  change1->NewStyles(SwfFillStyleArray(), SwfLineStyleArray());
  old.AddRecord(std::move(change1));
  EXPECT_FALSE(tmb::test::SwfTagWriteError(old).empty());
}

TEST(SwfShapes, StylesAddedAfterTheRecordsBeganFail) {
  SwfMovie movie;
  SwfTagDefineShape shape(SwfRect{});
  shape.AddRecord(std::make_unique<SwfStraightEdgeRecord>(1, 0));
  EXPECT_EQ(shape.AddFillStyle(SwfColour::Rgb(1, 1, 1)), 0);
  EXPECT_FALSE(tmb::test::SwfTagWriteError(shape).empty());
}

TEST(SwfMorphShape, OffsetLeadsToTheEndEdges) {
  SwfMovie movie;
  SwfTagDefineMorphShape morph(SwfRect{0, 0, 100, 100}, SwfRect{0, 0, 200, 200});
  morph.AddMorphFillStyle(std::make_unique<SwfMorphSolidFillStyle>(SwfColour::Rgb(1, 2, 3), SwfColour::Rgb(4, 5, 6)));
  morph.AddMorphLineStyle(20, SwfColour::Rgb(0, 0, 0), 40, SwfColour::Rgb(255, 255, 255));
  morph.CloseStyles();
  morph.AddStartRecord(MoveTo(0, 0, 1, 1));
  morph.AddStartRecord(std::make_unique<SwfStraightEdgeRecord>(100, 0));
  morph.AddStartRecord(std::make_unique<SwfEndShapeRecord>());
  auto endMove = std::make_unique<SwfStyleChangeRecord>();
  endMove->MoveTo(0, 0);
  morph.AddEndRecord(std::move(endMove));
  morph.AddEndRecord(std::make_unique<SwfStraightEdgeRecord>(200, 0));
  const auto tag = tmb::test::ReadBackSwfTag(morph);
  EXPECT_EQ(tag.code, 46);
  tmb::test::SwfBits r(tag.body);
  EXPECT_EQ(r.U16(), 1);
  EXPECT_EQ(tmb::test::ReadSwfRect(r).xMax, 100);
  EXPECT_EQ(tmb::test::ReadSwfRect(r).xMax, 200);
  const uint32_t offset = r.U32();
  const size_t after = r.BytePos();
  EXPECT_EQ(r.U8(), 1);     // one morph fill
  EXPECT_EQ(r.U8(), 0x00);  // solid
  EXPECT_EQ(r.Bytes(8), Bytes({1, 2, 3, 255, 4, 5, 6, 255}));
  EXPECT_EQ(r.U8(), 1);  // one morph line
  EXPECT_EQ(r.U16(), 20);
  EXPECT_EQ(r.U16(), 40);
  r.Bytes(8);
  const auto start = tmb::test::ReadSwfShape(r);
  EXPECT_EQ(start.fillBits, 1);
  EXPECT_EQ(start.lineBits, 1);
  EXPECT_EQ(start.records.size(), 3u);
  EXPECT_EQ(r.BytePos(), after + offset);
  const auto end = tmb::test::ReadSwfShape(r);
  EXPECT_EQ(end.fillBits, 0);
  ASSERT_EQ(end.records.size(), 3u);
  EXPECT_EQ(end.records[1].dx, 200);
  EXPECT_EQ(r.Remaining(), 0u);
}

}  // namespace
