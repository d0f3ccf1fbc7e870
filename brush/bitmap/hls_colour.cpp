#include "brush/bitmap/hls_colour.h"

#include <algorithm>
#include <cmath>

namespace {

double Finite(double v) { return std::isfinite(v) ? v : 0.0; }

// One channel at hue h between the two levels m1 and m2 of the model.
double ChannelAt(double h, double m1, double m2) {
  h = std::fmod(h, 360.0);
  if (h < 0) h += 360.0;
  if (h < 60) return m1 + (m2 - m1) * h / 60.0;
  if (h < 180) return m2;
  if (h < 240) return m1 + (m2 - m1) * (240.0 - h) / 60.0;
  return m1;
}

// A channel of 0 to 1 as a byte: half-way values go up.
int ChannelByte(double value) {
  const double v = value * 255.0;
  const double rounded = std::trunc(2.0 * v) - std::trunc(v);
  return static_cast<int>(std::clamp(rounded, 0.0, 255.0));
}

}  // namespace

int RgbToHls(tmb::Colour colour, double* hue, double* saturation, double* lightness) {
  const int ri = tmb::RedOf(colour), gi = tmb::GreenOf(colour), bi = tmb::BlueOf(colour);
  const double r = ri / 255.0, g = gi / 255.0, b = bi / 255.0;
  const int maxi = std::max({ri, gi, bi});
  const int mini = std::min({ri, gi, bi});
  const double max = maxi / 255.0, min = mini / 255.0;
  *lightness = (max + min) / 2.0;
  const double d = max - min;
  if (maxi == mini) {
    *hue = 0.0;
    *saturation = 0.0;
    return 0;
  }
  double h;
  if (ri == maxi) {
    h = (g - b) / d;
  } else if (gi == maxi) {
    h = (b - r) / d + 2.0;
  } else {
    h = (r - g) / d + 4.0;
  }
  h *= 60.0;
  if (h < 0) h += 360.0;
  *hue = h;
  *saturation = max + min > 1.0 ? d / (2.0 - (max + min)) : d / (max + min);
  return 1;
}

tmb::Colour HlsToRgb(double hue, double saturation, double lightness) {
  hue = std::fmod(Finite(hue), 360.0);
  const double s = std::clamp(Finite(saturation), 0.0, 1.0);
  const double l = std::clamp(Finite(lightness), -1.0, 1.0);
  const double m2 = 2.0 * l <= 1.0 ? l * (1.0 + s) : l + s - l * s;
  const double m1 = 2.0 * l - m2;
  return tmb::MakeRgb(ChannelByte(ChannelAt(hue + 120.0, m1, m2)), ChannelByte(ChannelAt(hue, m1, m2)),
                      ChannelByte(ChannelAt(hue - 120.0, m1, m2)));
}
