#include "convert/driver/marker_list.h"

#include "convert/driver/label_font.h"
#include "core/canvas/path_pens.h"
#include "platform/gdi/device_context.h"

CTesData gMarkers;

namespace {

struct CodeStyle {
  int first;
  int last;
  MarkerStyle style;
};

constexpr tmb::Colour kHighlight = 0xffff00;
constexpr int kLabelHeight = 12;

constexpr CodeStyle kCodeStyles[] = {
    {1033, 1033, {0x0000ff, 2}}, {1034, 1034, {0xff0000, 2}}, {1035, 1035, {0x00ff00, 2}},
    {1036, 1036, {0x00ffff, 2}}, {1037, 1037, {0xff00ff, 2}}, {1038, 1038, {kHighlight, 2}},
    {1039, 1039, {0x0080ff, 2}}, {1040, 1040, {0x80ff00, 2}}, {1041, 1041, {0x808000, 2}},
    {1042, 1042, {0x800000, 2}}, {1043, 1043, {0x000000, 2}}, {1076, 1076, {kHighlight, 2}},
    {1077, 1077, {0x808000, 1}}, {1078, 1078, {0x00ffff, 3}}, {1079, 1079, {0x00ff00, 2}},
    {1080, 1080, {0x00ff00, 4}}, {1081, 1081, {0x0000ff, 3}}, {1082, 1082, {0x0000ff, 5}},
    {1083, 1083, {0xffff00, 1}}, {1084, 1084, {0xff0000, 2}}, {1085, 1085, {0xff00ff, 3}},
    {1086, 1088, {kHighlight, 2}}, {1089, 1089, {0xff0000, 6}}, {1090, 1090, {0xff00ff, 6}},
    {1091, 1110, {kHighlight, 2}},
};

}  // namespace

std::optional<MarkerStyle> MarkerStyleOf(int code) {
  for (const CodeStyle& s : kCodeStyles) {
    if (code >= s.first && code <= s.last) return s.style;
  }
  return std::nullopt;
}

CTesData::CTesData() : m_labelFont(ConversionLabelFont(kLabelHeight)) { Clear(); }

void CTesData::Clear() {
  m_nCount = 0;
  m_bPostingOff = 0;
  m_nCurrent = 255;
  m_nSpare = 0;
  m_kinds.fill(kDefaultKind);
  m_codes.fill(0);
}

void CTesData::EnablePosting(int on) { m_bPostingOff = on == 0 ? 1 : 0; }

void CTesData::PostMarker(float x, float y, int kind, int code) {
  if (m_bPostingOff != 0 || m_nCount >= kCapacity) return;
  m_points[m_nCount] = CFPoint(x, y);
  m_kinds[m_nCount] = kind < 0 ? kDefaultKind : kind;
  m_codes[m_nCount] = code;
  ++m_nCount;
}

void CTesData::PostMarkerIf(int condition, float x, float y, int kind, int code) {
  if (condition == 0) return;
  EnablePosting(1);
  PostMarker(x, y, kind, code);
  EnablePosting(0);
}

void CTesData::DrawMarkers(tmb::DeviceContext& dc) const {
  const int oldMode = dc.SetBackgroundMode(tmb::kTransparent);
  for (int k = 0; k < m_nCount; ++k) {
    const std::optional<MarkerStyle> style = MarkerStyleOf(m_codes[k]);
    if (!style) continue;
    const tmb::Point p = m_points[k].RoundToPoint();
    FillSquareMark(&dc, p.x, p.y, style->halfSize, style->colour);
  }
  dc.SetBackgroundMode(oldMode);
}
