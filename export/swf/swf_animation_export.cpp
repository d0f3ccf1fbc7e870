#include "export/swf/swf_animation_export.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "core/path/division_selection.h"
#include "core/path/path_sequence.h"
#include "core/path/stroke_marks.h"
#include "core/path/stroke_path.h"
#include "export/swf/swf_control_tags.h"
#include "export/swf/swf_export_path.h"
#include "export/swf/swf_export_timing.h"
#include "export/swf/swf_gradient_fill.h"
#include "export/swf/swf_movie.h"
#include "export/swf/swf_outline_records.h"
#include "export/swf/swf_shape_records.h"
#include "export/swf/swf_shape_tags.h"

int gSwfSinglePicture = 0;

namespace {

constexpr int kLineWidth = kTwipsPerPixel;  // one pixel
// Every shape of a picture has a depth of its own: a player places no second character
// on a depth in use, so shapes sharing one would show only one of them.
constexpr int kPaperDepth = 1;
constexpr int kFirstOutlineDepth = kPaperDepth + 1;

// A shape on the stage: its character id and depth.
struct Placed {
  int id;
  int depth;
};

SwfColour ColourOf(tmb::Colour c) { return SwfColour::FromColorRef(c); }

class AnimationBuilder {
 public:
  AnimationBuilder(const CPathSequence& sequence, const CStrokePath& path, const ParamBlock& param,
                   SwfMovie& movie, const SwfMovieFrame& frame)
      : m_sequence(sequence), m_path(path), m_param(param), m_movie(movie), m_frame(frame) {}

  // The shapes of the picture of points [start, end), placed on the stage.
  std::vector<Placed> BuildPicture(int start, int end, int picture);
  void Place(const std::vector<Placed>& shapes) {
    for (const Placed& s : shapes) PlaceCharacter(m_movie, s.id, false, s.depth);
  }
  void Remove(const std::vector<Placed>& shapes) {
    for (const Placed& s : shapes) m_movie.AddTag(std::make_unique<SwfTagRemoveObject2>(s.depth));
  }
  void ShowFrame() { m_movie.AddTag(std::make_unique<SwfTagShowFrame>()); }

 private:
  const CSequenceFrame& FrameOf(int picture) const {
    const int recorded = std::clamp(m_sequence.m_nFrameCounter, 1, CPathSequence::kMaxFrames);
    return m_sequence.m_frames[size_t(std::min(picture, recorded - 1))];
  }
  // The shape of the outline run of points [first, last].
  std::unique_ptr<SwfTagDefineShape> OutlineShape(int first, int last, int picture) const;
  std::unique_ptr<SwfTagDefineShape> PaperRectangle(int picture) const;
  // The next depth to place a shape at: after the paper's, from the start of every
  // picture, or on from the last picture's while the pictures pile up.
  int NextDepth() { return m_nNextDepth++; }

  const CPathSequence& m_sequence;
  const CStrokePath& m_path;
  const ParamBlock& m_param;
  SwfMovie& m_movie;
  SwfMovieFrame m_frame;
  int m_nNextDepth = kFirstOutlineDepth;
};

std::unique_ptr<SwfTagDefineShape> AnimationBuilder::OutlineShape(int first, int last, int picture) const {
  const CSequenceFrame& pictureFrame = FrameOf(picture);
  const CSequenceGradient& gradient = m_sequence.m_gradient;
  tmb::Colour line = pictureFrame.colour;
  if (gSwfSinglePicture) {
    line = FrameOf(0).colour;
  } else if (gradient.useColourC) {
    line = pictureFrame.colourC;
  }
  const tmb::Colour fill = m_param[kSwfFillColourParam] != 0 ? pictureFrame.colourB : pictureFrame.colour;

  auto shape = std::make_unique<SwfTagDefineShape>(SwfRect{0, 0, m_frame.width, m_frame.height});
  std::unique_ptr<SwfStyle> gradientFill;
  if (gradient.mode != 0) {
    tmb::Rect bounds{0, 0, m_frame.width, m_frame.height};
    if (!gradient.useCanvasBounds) {
      CFRect box;
      m_path.GetBoundsOfRange(box, first, last + 1, {});
      auto round = [](float v) { return int(std::lround(v)); };
      bounds = {round(box.left), round(box.top), round(box.right), round(box.bottom)};
    }
    gradientFill = MakeGradientFill(pictureFrame, gradient, bounds);
  }
  int lineStyle = 0, fillStyle = 0;
  if (gradientFill) {
    tmb::Colour gradientLine = pictureFrame.gradient.back();
    if (gradient.useColourC) {
      gradientLine = pictureFrame.colourC;
    } else if (gradient.lineColourSource == 0) {
      gradientLine = pictureFrame.colourB;
    } else if (gradient.lineColourSource == 2) {
      gradientLine = line;
    }
    lineStyle = shape->AddLineStyle(kLineWidth, ColourOf(gradientLine));
    fillStyle = shape->AddFillStyle(std::move(gradientFill));
  } else {
    lineStyle = shape->AddLineStyle(kLineWidth, ColourOf(line));
    fillStyle = shape->AddFillStyle(ColourOf(fill));
  }
  shape->CloseStyles();
  // A non-zero first stroke mark leaves the movie's outlines unfilled.
  const bool filled = !m_path.m_pStrokeMarks || m_path.m_pStrokeMarks->GetMark(0) == 0;
  SwfOutlineWriter writer(*shape, lineStyle, filled ? fillStyle : 0);
  AddOutlineRecords(writer, m_path, first, last);
  shape->AddRecord(std::make_unique<SwfEndShapeRecord>());
  return shape;
}

std::unique_ptr<SwfTagDefineShape> AnimationBuilder::PaperRectangle(int picture) const {
  const SwfColour paper = ColourOf(FrameOf(picture).colourB);
  auto shape = std::make_unique<SwfTagDefineShape>(SwfRect{0, 0, m_frame.width, m_frame.height});
  const int line = shape->AddLineStyle(kLineWidth, paper);
  const int fill = shape->AddFillStyle(paper);
  shape->CloseStyles();
  SwfOutlineWriter writer(*shape, line, fill);
  writer.MoveTo({0, 0});
  writer.LineTo({m_frame.width, 0});
  writer.LineTo({m_frame.width, m_frame.height});
  writer.LineTo({0, m_frame.height});
  writer.CloseContour();
  shape->AddRecord(std::make_unique<SwfEndShapeRecord>());
  return shape;
}

std::vector<Placed> AnimationBuilder::BuildPicture(int start, int end, int picture) {
  std::vector<Placed> shapes;
  auto add = [&](std::unique_ptr<SwfTagDefineShape> shape, int depth) {
    const int id = shape->Id();
    m_movie.AddTag(std::move(shape));
    PlaceCharacter(m_movie, id, false, depth);
    shapes.push_back({id, depth});
  };
  if (!gSwfSinglePicture) m_nNextDepth = kFirstOutlineDepth;
  for (int first = start; first < end;) {
    int last = first;
    while (last + 1 < end && m_path.GetFlag(last + 1) < CStrokePath::kFlagSection) ++last;
    add(OutlineShape(first, last, picture), NextDepth());
    first = last + 1;
  }
  // The paper is the picture's last shape, beneath the outlines at the lowest depth.
  if (m_param[kSwfFrameRectParam] != 0) add(PaperRectangle(picture), kPaperDepth);
  return shapes;
}

}  // namespace

void PlaceCharacter(SwfMovie& movie, int id, bool move, int depth) {
  SwfPlacement placement;
  placement.depth = depth;
  placement.move = move;
  placement.characterId = id;
  placement.matrix = SwfMatrix();
  movie.AddTag(std::make_unique<SwfTagPlaceObject2>(std::move(placement)));
}

tmb::Status BuildSwfAnimation(const CPathSequence& sequence, std::span<const int32_t> durations,
                              const ParamBlock& param, SwfMovie& movie, SwfMovieFrame& frame) {
  std::unique_ptr<CStrokePath> path = PrepareSwfPath(sequence);
  if (!path) return tmb::Status::Fail("the character's outlines cannot be copied for the movie");
  frame.width = sequence.m_rcCanvas.Width() * kTwipsPerPixel;
  frame.height = sequence.m_rcCanvas.Height() * kTwipsPerPixel;
  if (gDivisionEditing == 0 && param[kSwfSimplifyParam] != 0) {
    TrimPath(*path, sequence.m_bKeepFirstPicture != 0, sequence.m_bKeepLastPicture != 0);
  }

  std::vector<int> starts = SwfPictureStarts(*path);
  // Outlines past the recorded pictures belong to the last of them: a picture drawn
  // stroke by stroke opens every stroke's outline as a picture start.
  const size_t recorded = size_t(std::clamp(sequence.m_nFrameCounter, 1, CPathSequence::kMaxFrames));
  if (starts.size() > recorded) starts.resize(recorded);
  const int pictures = int(starts.size());
  const bool backAndForth = sequence.m_bBackAndForth != 0;
  const SwfTiming timing = ComputeSwfTiming(param[kSwfTimingModeParam], durations, pictures, backAndForth);
  frame.rate = timing.rate;

  movie.AddTag(std::make_unique<SwfTagSetBackgroundColor>(ColourOf(sequence.m_frames[0].colourB)));
  AnimationBuilder builder(sequence, *path, param, movie, frame);
  std::vector<std::vector<Placed>> shown;
  for (int p = 0; p < pictures; ++p) {
    const int end = p + 1 < pictures ? starts[size_t(p) + 1] : path->m_nCount;
    std::vector<Placed> shapes = builder.BuildPicture(starts[size_t(p)], end, p);
    const int repeats = timing.repeats[size_t(p)];
    const bool lastPicture = p == pictures - 1;
    for (int r = 0; r < repeats; ++r) {
      if (r > 0 && !gSwfSinglePicture) builder.Place(shapes);
      builder.ShowFrame();
      const bool stays = gSwfSinglePicture || (lastPicture && !backAndForth && r == repeats - 1);
      if (!stays) builder.Remove(shapes);
    }
    shown.push_back(std::move(shapes));
  }
  for (size_t k = 0; k < timing.backRepeats.size(); ++k) {
    const std::vector<Placed>& shapes = shown[size_t(pictures - 2) - k];
    for (int r = 0; r < timing.backRepeats[k]; ++r) {
      builder.Place(shapes);
      builder.ShowFrame();
      builder.Remove(shapes);
    }
  }
  // An empty character is still a movie of one (blank) frame.
  if (pictures == 0) builder.ShowFrame();
  return tmb::Status::Ok();
}

tmb::Status ExportSwfAnimation(const CPathSequence& sequence, const std::filesystem::path& path,
                               std::span<const int32_t> durations, const ParamBlock& param) {
  SwfMovie movie;
  SwfMovieFrame frame;
  if (tmb::Status s = BuildSwfAnimation(sequence, durations, param, movie, frame); !s) return s;
  return WriteSwfFile(movie, path, frame.width, frame.height, frame.rate);
}

tmb::Status ExportSwfAnimationToMemory(const CPathSequence& sequence, std::span<const int32_t> durations,
                                       const ParamBlock& param, std::vector<uint8_t>& out) {
  SwfMovie movie;
  SwfMovieFrame frame;
  if (tmb::Status s = BuildSwfAnimation(sequence, durations, param, movie, frame); !s) return s;
  return WriteSwfToMemory(movie, frame.width, frame.height, frame.rate, out);
}
