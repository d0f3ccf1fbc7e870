// The marker list of the conversion: up to 2,048 feature markers, each a point with a
// kind and a code, that the driver posts and the drawing view shows as small squares.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/geometry/fpoint.h"
#include "platform/gdi/font.h"
#include "platform/gdi/geometry.h"

namespace tmb {
class DeviceContext;
}

// How a marker of one code is drawn: a filled square of this colour and half-size.
struct MarkerStyle {
  tmb::Colour colour;
  int halfSize;
};

// The square of a marker code; none for the codes that are held but not drawn.
std::optional<MarkerStyle> MarkerStyleOf(int code);

class CTesData {
 public:
  static constexpr int kCapacity = 2048;
  static constexpr int kDefaultKind = 2;  // the kind of a marker posted with a negative kind

  CTesData();

  // No markers, posting on.
  void Clear();
  // Posting is off after EnablePosting (0) and on after any other value.
  void EnablePosting(int on);
  bool IsPosting() const { return m_bPostingOff == 0; }
  // Appends a marker while posting is on and the list has room; else nothing.
  void PostMarker(float x, float y, int kind, int code);
  // With condition set: posting on, the marker posted, posting off.
  void PostMarkerIf(int condition, float x, float y, int kind, int code);
  // Draws every marker whose code has a square, on its point rounded to whole pixels.
  void DrawMarkers(tmb::DeviceContext& dc) const;

  int m_nCount = 0;
  int m_nCurrent = 255;
  int m_nSpare = 0;
  int m_bPostingOff = 0;
  std::array<CFPoint, kCapacity> m_points{};
  std::array<int32_t, kCapacity> m_kinds{};
  std::array<int32_t, kCapacity> m_codes{};
  std::array<std::string, kCapacity> m_labels;  // held with the markers, drawn by nobody
  tmb::Font m_labelFont;
};

extern CTesData gMarkers;
