#include "core/text/glyph_outline_read.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "core/text/glyph_faces.h"
#include "core/path/stroke_marks.h"
#include "core/path/stroke_path.h"
#include "core/path/stroke_work.h"
#include "platform/gdi/glyph_outline.h"
#include "platform/text/code_page.h"

namespace {

constexpr int kDigitOne = 49;
// The height the digit one is read at to find the way a face's contours run.
constexpr int kProbeHeight = 256;
constexpr int kProbeCapacity = 4000;
// The em of a font of height 0, which the font engine draws at its default size.
constexpr int kSmallestEm = 16;

// The one character of a code page 932 code, or none when the code is no character.
std::optional<char32_t> CharacterOf(int code) {
  if (code <= 0 || code > 0xFFFF) return std::nullopt;
  std::string bytes;
  if (code > 0xFF) bytes.push_back(static_cast<char>(code >> 8));
  bytes.push_back(static_cast<char>(code & 0xFF));
  const std::optional<std::u16string> wide = tmb::SjisToUtf16(bytes);
  if (!wide) return std::nullopt;
  const std::u32string chars = tmb::DecodeUtf16(*wide);
  if (chars.size() != 1) return std::nullopt;
  return chars.front();
}

int ResultOf(tmb::GlyphLoad load) {
  switch (load) {
    case tmb::GlyphLoad::kNoFace:
      return kGlyphFaceUnreadable;
    case tmb::GlyphLoad::kNoGlyph:
      return kGlyphNotInFont;
    case tmb::GlyphLoad::kRefused:
      return kGlyphRefused;
    case tmb::GlyphLoad::kOk:
      break;
  }
  return 0;
}

bool WithinRange(const std::vector<tmb::GlyphPolygon>& polygons, double limit) {
  auto inside = [limit](const tmb::GlyphVec& p) { return std::fabs(p.x) <= limit && std::fabs(p.y) <= limit; };
  for (const tmb::GlyphPolygon& polygon : polygons) {
    if (!inside(polygon.start)) return false;
    for (const tmb::GlyphCurve& curve : polygon.curves) {
      if (!std::all_of(curve.points.begin(), curve.points.end(), inside)) return false;
    }
  }
  return true;
}

int PointCount(const std::vector<tmb::GlyphPolygon>& polygons) {
  int64_t n = 0;
  for (const tmb::GlyphPolygon& polygon : polygons) {
    ++n;
    for (const tmb::GlyphCurve& curve : polygon.curves) n += int64_t(curve.points.size());
  }
  return int(std::min<int64_t>(n, INT32_MAX));
}

// The digit one of font read at the probe height, as contours in their order.
int ReadDigitOne(CStrokeWork& path, const CLogFont& font) {
  CLogFont probe = font;
  probe.height = kProbeHeight;
  return ReadGlyphOutline(path, kDigitOne, probe);
}

}  // namespace

int ReadGlyphOutline(CStrokePath& path, int code, const CLogFont& font) {
  const std::optional<char32_t> character = CharacterOf(code);
  if (!character) return kGlyphNotInFont;
  // The height as a character height; a negative one is taken by its size.
  const int h = int(std::min<int64_t>(std::llabs(int64_t(font.height)), INT32_MAX));
  tmb::Font platformFont = PlatformFontOf(font);
  platformFont.height = -h;
  platformFont.charSet = 1;
  std::vector<tmb::GlyphContour> contours;
  const tmb::GlyphLoad load = tmb::GetGlyphContours(GlyphFaceFileOf(platformFont), platformFont, *character, contours);
  int result = ResultOf(load);
  const std::vector<tmb::GlyphPolygon> polygons = tmb::ToGlyphRecords(contours);
  if (result == 0 && !WithinRange(polygons, double(kGlyphRangeEms) * std::max(h, kSmallestEm))) {
    result = kGlyphOutOfRange;
  }
  if (result < 0) {
    ReportGlyphFaceFault(platformFont.faceName, result);
    return result;
  }
  if (PointCount(polygons) > path.GetCapacity() - path.GetCount()) return kGlyphPathFull;

  auto append = [&path, h](const tmb::GlyphVec& p, int flag, uint8_t attr) {
    path.AddPointUnique(float(p.x), float(h - p.y), flag, 1);
    path.m_pAttrs[path.GetCount() - 1] = attr;
  };
  for (const tmb::GlyphPolygon& polygon : polygons) {
    append(polygon.start, CStrokePath::kFlagStart, CStrokePath::kAttrDefault);
    for (const tmb::GlyphCurve& curve : polygon.curves) {
      for (size_t k = 0; k < curve.points.size(); ++k) {
        const bool onCurve = curve.type == tmb::kGlyphLine || k + 1 == curve.points.size();
        append(curve.points[k], CStrokePath::kFlagContinue, onCurve ? CStrokePath::kAttrDefault : CStrokePath::kAttrSkip);
      }
    }
  }
  return int(std::min<size_t>(tmb::GlyphRecordBytes(polygons), INT32_MAX));
}

int HasSingleContourOutline(const CLogFont& font) {
  CStrokeWork path(kProbeCapacity);
  const int read = ReadDigitOne(path, font);
  if (read < 0) return read;
  return path.CountStrokes() == 1 ? 1 : 0;
}

int GlyphFaceTurnValue(const CLogFont& font) {
  CStrokeWork path(kProbeCapacity);
  if (ReadDigitOne(path, font) < 0) return -1;
  if (path.CountStrokes() != 1) return 0;
  path.CollectStrokeOutlines(0);
  return path.GetStrokeMark(0) != 0 ? 1 : 0;
}
