#include "export/svg/svg_writer.h"

#include <cmath>

#include "core/path/path_sequence.h"
#include "core/path/stroke_marks.h"
#include "core/path/stroke_path.h"
#include "export/html/text_builders.h"
#include "platform/file/safe_save.h"

namespace {

constexpr int kDecimals = 2;
constexpr int kSecondColourKind = 1;

void AppendQuoted(std::string& text, int value) {
  text += '"';
  AppendByte(text, value);
  text += '"';
}

void AppendHead(std::string& text, const tmb::Rect& rect) {
  text += "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>";
  AppendCrLf(text);
  text += "<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 20000303 Stylable//EN\" "
          "\"http://www.w3.org/TR/2000/03/WD-SVG-20000303/DTD/svg-20000303-stylable.dtd\">";
  AppendCrLf(text);
  AppendCrLf(text);
  AppendCrLf(text);
  // Without the namespace, today's viewers show the markup instead of the picture.
  text += "<svg xmlns=\"http://www.w3.org/2000/svg\" xml:space=\"default\" width=";
  AppendQuoted(text, rect.Width());
  text += " height=";
  AppendQuoted(text, rect.Height());
  text += ">";
  AppendCrLf(text);
  AppendCrLf(text);
}

// The stroke [first, last] has a point inside rect and no point that is not finite.
bool StrokeShown(const CStrokePath& path, int first, int last, const tmb::Rect& rect) {
  bool inside = false;
  for (int i = first; i <= last; ++i) {
    const CFPoint p = path.m_pPoints[i];
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
    inside = inside || (p.x >= float(rect.left) && p.x < float(rect.right) && p.y >= float(rect.top) &&
                        p.y < float(rect.bottom));
  }
  return inside;
}

void AppendPolygon(std::string& text, const CStrokePath& path, int first, int last, const tmb::Rect& rect) {
  text += "<polygon points=\"";
  for (int i = first; i <= last; ++i) {
    AppendFloat(text, double(path.m_pPoints[i].x) - rect.left, kDecimals);
    text += ",";
    AppendFloat(text, double(path.m_pPoints[i].y) - rect.top, kDecimals);
    text += " ";
  }
  text += "\" />";
  AppendCrLf(text);
}

}  // namespace

void WriteSvgFillStart(std::string& text, tmb::Colour strokeColour, tmb::Colour fillColour) {
  text += "<g fill=";
  AppendRgb(text, fillColour);
  text += " stroke=";
  AppendRgb(text, strokeColour);
  text += " stroke-width=\"0\" transform=\"scale(1,1)\">";
  AppendCrLf(text);
  AppendCrLf(text);
}

void WriteSvgFillSwitch(std::string& text, tmb::Colour colour, bool closePrevious) {
  if (closePrevious) {
    text += "</g>";
    AppendCrLf(text);
  }
  text += "<g fill=";
  AppendRgb(text, colour);
  text += ">";
  AppendCrLf(text);
  AppendCrLf(text);
}

std::string BuildSvgText(const CPathSequence& sequence) {
  const tmb::Rect& rect = sequence.m_rcCanvas;
  const tmb::Colour first = sequence.m_frames[0].colour;
  const tmb::Colour second = sequence.m_frames[0].colourB;
  std::string text;
  AppendHead(text, rect);
  WriteSvgFillStart(text, first, first);
  bool switched = false;
  if (const CStrokePath* path = sequence.m_pPath) {
    int kind = -1;
    int stroke = -1;
    for (int i = 0; i < path->m_nCount;) {
      const int last = path->FindStrokeEnd(i);
      if (i == 0 || path->m_pFlags[i] != 0) ++stroke;
      const int strokeKind = path->m_pStrokeMarks ? path->m_pStrokeMarks->GetMark(stroke) : 0;
      if (strokeKind != kind) {
        WriteSvgFillSwitch(text, strokeKind == kSecondColourKind ? second : first, switched);
        switched = true;
        kind = strokeKind;
      }
      if (StrokeShown(*path, i, last, rect)) AppendPolygon(text, *path, i, last, rect);
      i = last + 1;
    }
  }
  AppendCrLf(text);
  if (switched) {
    text += "</g>";
    AppendCrLf(text);
  }
  text += "</g>";  // the g every polygon stands in
  AppendCrLf(text);
  text += "</svg>";
  AppendCrLf(text);
  AppendCrLf(text);
  return text;
}

tmb::Status WriteSvgFile(const CPathSequence& sequence, const std::filesystem::path& path) {
  const std::string text = BuildSvgText(sequence);
  return tmb::SaveFileAtomically(path, text.data(), text.size());
}

tmb::Status SaveSvgPicture(const std::filesystem::path& path, const CCharData& /*record*/) {
  return WriteSvgFile(gPathSequence, path);
}
