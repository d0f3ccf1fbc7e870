#include "brush/bitmap/pixel_effects.h"

#include <algorithm>

#include "brush/bitmap/colour_functions.h"

namespace {

using tmb::Colour;

int Channel(Colour c, int i) { return ColourChannel(c, i); }

// The offsets a negative radius compares: left and up, then right and down, then the
// diagonals.
constexpr tmb::Point kDirect[] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}, {-1, -1}, {1, -1}, {-1, 1}, {1, 1}};

}  // namespace

int GreyValue(Colour colour, int mode) {
  const int r = Channel(colour, 0), g = Channel(colour, 1), b = Channel(colour, 2);
  if (mode == 1) return (r + g + b) / 3;
  return int(0.3 * r + 0.59 * g + 0.11 * b);
}

int AverageNeighbourhood(const tmb::Surface& picture, int x, int y, NeighbourhoodParams& params) {
  if (picture.IsNull() || picture.IsMono()) return 0;
  const tmb::Rect clip = tmb::Rect::Intersection(params.clip, picture.Bounds());
  const uint32_t key = tmb::StoredFromColour(params.colour) & 0xFFFFFFu;
  int sum[3] = {0, 0, 0}, count = 0, equal = 0;
  auto take = [&](int px, int py) {
    if (px < clip.left || px >= clip.right || py < clip.top || py >= clip.bottom) return;
    const uint32_t p = picture.ColourRow(py)[px] & 0xFFFFFFu;
    sum[0] += int((p >> 16) & 0xFF);
    sum[1] += int((p >> 8) & 0xFF);
    sum[2] += int(p & 0xFF);
    ++count;
    equal += p == key;
  };
  const int radius = std::clamp(params.radius, -kMaxAverageRadius, kMaxAverageRadius);
  if (radius >= 0) {
    const int top = std::max(y - radius, clip.top), bottom = std::min(y + radius + 1, clip.bottom);
    for (int py = top; py < bottom; ++py) {
      for (int px = x - radius; px <= x + radius; ++px) take(px, py);
    }
  } else {
    const int n = radius == -1 ? 2 : radius == -2 ? 4 : 8;
    for (int k = 0; k < n; ++k) take(x + kDirect[k].x, y + kDirect[k].y);
  }
  if (count == 0 || equal == count) return 0;
  params.colour = ClampedRgb(sum[0] / count, sum[1] / count, sum[2] / count);
  return 1;
}

int ShiftPixelColour(tmb::Surface& picture, int x, int y, const int amounts[3], int filter, int scale,
                     Colour keyColour) {
  if (picture.IsNull() || picture.IsMono() || x < 0 || y < 0 || x >= picture.width() || y >= picture.height()) {
    return 0;
  }
  uint32_t& stored = picture.ColourRow(y)[x];
  const Colour c = tmb::ColourFromStored(stored);
  const bool isKey = c == tmb::PlainColour(keyColour);
  if ((filter == kShiftOtherThanKey && isKey) || (filter == kShiftKeyOnly && !isKey)) return 0;
  int v[3];
  for (int i = 0; i < 3; ++i) v[i] = scale ? Channel(c, i) * amounts[i] / 255 : Channel(c, i) + amounts[i];
  stored = tmb::StoredFromColour(ClampedRgb(v[0], v[1], v[2]));
  return 1;
}

void ShiftRectColours(tmb::Surface& picture, const tmb::Rect& rect, const int amounts[3], int filter, int scale,
                      Colour keyColour) {
  const tmb::Rect r = tmb::Rect::Intersection(rect, picture.Bounds());
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) ShiftPixelColour(picture, x, y, amounts, filter, scale, keyColour);
  }
}

void ThresholdTwoColours(tmb::Surface& picture, Colour colourA, Colour colourB, int left, int top, int right,
                         int bottom, int blackWhite) {
  if (picture.IsNull() || picture.IsMono()) return;
  // The bounds are inclusive; whatever lies past the picture is left out.
  const tmb::Rect r = tmb::Rect::Intersection({left, top, right + 1, bottom + 1}, picture.Bounds());
  const uint32_t outA = tmb::StoredFromColour(blackWhite ? 0x000000 : colourA);
  const uint32_t outB = tmb::StoredFromColour(blackWhite ? 0xFFFFFF : colourB);
  for (int y = r.top; y < r.bottom; ++y) {
    uint32_t* row = picture.ColourRow(y);
    uint32_t last = 0;
    bool lastB = false, known = false;
    for (int x = r.left; x < r.right; ++x) {
      // A run of equal pixels reuses the last decision.
      if (!known || row[x] != last) {
        last = row[x];
        const Colour c = tmb::ColourFromStored(last);
        lastB = ColourDistance(c, colourB) < ColourDistance(c, colourA);
        known = true;
      }
      row[x] = lastB ? outB : outA;
    }
  }
}

Colour GradientColourAt(Colour colour1, Colour colour2, int pos, int span, int mirrored) {
  const int lines = std::max(span - 1, 1);
  int p = pos;
  if (mirrored) p = pos <= span / 2 ? 2 * pos : 2 * (span - pos);
  p = std::clamp(p, 0, lines);
  int v[3];
  for (int i = 0; i < 3; ++i) v[i] = Channel(colour1, i) + (Channel(colour2, i) - Channel(colour1, i)) * p / lines;
  return ClampedRgb(v[0], v[1], v[2]);
}

void GradientFillSelection(tmb::Surface& picture, const tmb::Rect& rect, int vertical, int mirrored, Colour colour1,
                           Colour colour2, Colour keyColour, int keyMatch) {
  if (picture.IsNull() || picture.IsMono()) return;
  tmb::Rect area = rect;
  area.Normalize();
  const tmb::Rect r = tmb::Rect::Intersection(area, picture.Bounds());
  const int span = vertical ? area.Width() : area.Height();
  const uint32_t key = tmb::StoredFromColour(keyColour);
  for (int y = r.top; y < r.bottom; ++y) {
    uint32_t* row = picture.ColourRow(y);
    uint32_t lineColour = tmb::StoredFromColour(GradientColourAt(colour1, colour2, y - area.top, span, mirrored));
    for (int x = r.left; x < r.right; ++x) {
      if (keyMatch >= 0 && (row[x] == key) != (keyMatch == 1)) continue;
      if (vertical) lineColour = tmb::StoredFromColour(GradientColourAt(colour1, colour2, x - area.left, span, mirrored));
      row[x] = lineColour;
    }
  }
}
