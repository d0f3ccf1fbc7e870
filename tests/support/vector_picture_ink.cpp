#include "support/vector_picture_ink.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "export/picture/png_reader.h"
#include "platform/gdi/device_context.h"
#include "support/checking_tool.h"
#include "support/swf_display_list.h"

namespace tmb::test {

namespace {

constexpr int kTwips = 20;
constexpr int kCurveSteps = 8;
constexpr int kSmoothing = 4;
constexpr Colour kWhite = 0xFFFFFF;

// Whether ink changes between (x, y) and one of its eight neighbours.
bool AtEdge(const Surface& picture, int x, int y) {
  const bool inked = Inked(picture.GetPixel(x, y));
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      const Colour c = picture.GetPixel(x + dx, y + dy);
      if (c != kInvalidColour && Inked(c) != inked) return true;
    }
  }
  return false;
}

// The contours of a shape's records as polygons at kSmoothing times the paper, curves
// flattened.
void AddContours(const std::vector<SwfShapeRecordRead>& records, std::vector<Point>& points, std::vector<int>& counts) {
  for (const auto& contour : SwfContours(records)) {
    const size_t before = points.size();
    auto add = [&points](double x, double y) {
      points.push_back({int(std::lround(x * kSmoothing / kTwips)), int(std::lround(y * kSmoothing / kTwips))});
    };
    for (size_t k = 0; k < contour.size(); ++k) {
      if (!contour[k].control || k == 0 || k + 1 == contour.size()) {
        add(contour[k].x, contour[k].y);
        continue;
      }
      const auto &a = contour[k - 1], &c = contour[k], &b = contour[k + 1];
      for (int s = 1; s < kCurveSteps; ++s) {
        const double t = double(s) / kCurveSteps, u = 1 - t;
        add(u * u * a.x + 2 * u * t * c.x + t * t * b.x, u * u * a.y + 2 * u * t * c.y + t * t * b.y);
      }
    }
    counts.push_back(int(points.size() - before));
  }
}

}  // namespace

bool Inked(Colour c) {
  const int r = int(c & 0xFF), g = int((c >> 8) & 0xFF), b = int((c >> 16) & 0xFF);
  return r + g + b < 3 * 128;
}

InkComparison CompareInk(const Surface& brush, const Surface& other) {
  InkComparison c;
  for (int y = 0; y < brush.height(); ++y) {
    for (int x = 0; x < brush.width(); ++x) {
      const bool a = Inked(brush.GetPixel(x, y)), b = Inked(other.GetPixel(x, y));
      c.ink += a;
      c.otherInk += b;
      if (a == b) continue;
      ++c.differing;
      c.awayFromEdge += !AtEdge(brush, x, y) && !AtEdge(other, x, y);
    }
  }
  return c;
}

void ExpectSameInk(const InkComparison& c) {
  ::testing::Test::RecordProperty("brush_ink", c.ink);
  ::testing::Test::RecordProperty("export_ink", c.otherInk);
  ::testing::Test::RecordProperty("differing", c.differing);
  ::testing::Test::RecordProperty("away_from_edge", c.awayFromEdge);
  ASSERT_GT(c.ink, 5000);
  EXPECT_LT(std::abs(c.otherInk - c.ink), c.ink / 20) << c.otherInk << " against " << c.ink;
  EXPECT_LE(c.awayFromEdge, c.ink / 1000) << c.awayFromEdge;
  EXPECT_LT(c.differing, c.ink / 8) << c.differing << " of " << c.ink;
}

Surface SwfFirstFrame(const SwfFileInfo& info, int width, int height) {
  Surface picture, large;
  EXPECT_TRUE(picture.Create(width, height, PixelFormat::kColour32));
  EXPECT_TRUE(large.Create(width * kSmoothing, height * kSmoothing, PixelFormat::kColour32));
  picture.Fill(kWhite);
  large.Fill(kWhite);
  const auto play = PlaySwfTags(info.tags);
  EXPECT_TRUE(play.faults.empty());
  if (play.frames.empty()) return picture;
  const auto shapes = SwfShapesById(info.tags);
  DeviceContext dc(&large);
  dc.SetPolyFillMode(kAlternate);
  for (const auto& [depth, id] : play.frames[0]) {
    const auto& shape = shapes.at(id).shape;
    if (shape.fills.empty()) continue;
    std::vector<Point> points;
    std::vector<int> counts;
    AddContours(shape.records, points, counts);
    const SwfRgba& f = shape.fills[0].colour;
    dc.SelectPen(Pen::Solid(1, MakeRgb(f.r, f.g, f.b)));
    dc.SelectBrush(Brush::Solid(MakeRgb(f.r, f.g, f.b)));
    dc.PolyPolygon(points, counts);
  }
  DeviceContext out(&picture);
  out.SetStretchMode(kHalftone);
  out.StretchBlt(0, 0, width, height, &dc, 0, 0, large.width(), large.height(), kSrcCopy);
  return picture;
}

bool RenderSvgFile(const std::filesystem::path& svg, int width, int height, Surface& picture, std::string& why) {
  const std::filesystem::path png = std::filesystem::path(svg).replace_extension(".rendered.png");
  const ToolRun run = RunTool("rsvg-convert -b white -o '" + png.string() + "' '" + svg.string() + "'");
  if (run.exitCode != 0) {
    why = "rsvg-convert: " + run.output;
    return false;
  }
  if (!picture.Create(width, height, PixelFormat::kColour32)) {
    why = "no picture";
    return false;
  }
  Size size;
  DeviceContext dc(&picture);
  if (ReadPngFile(&dc, png.string(), &size, &picture) != 1 || size != Size{width, height}) {
    why = "the rendered PNG does not read back at the picture's size";
    return false;
  }
  return true;
}

}  // namespace tmb::test
