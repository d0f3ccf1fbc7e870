#include "tools/default_pictures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/bitmap/dib.h"
#include "platform/file/safe_save.h"
#include "platform/gdi/pixel.h"

namespace {

struct Rgb {
  float r, g, b;
};

Rgb Mix(Rgb a, Rgb b, float t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }

Rgb Shade(Rgb c, float d) { return {c.r + d, c.g + d, c.b + d}; }

int Channel(float v) { return static_cast<int>(std::lround(std::clamp(v, 0.0f, 255.0f))); }

uint32_t& PixelAt(tmb::Surface& s, int x, int y) { return s.ColourRow(y)[x]; }

Rgb Get(const tmb::Surface& s, int x, int y) {
  const tmb::Colour c = tmb::ColourFromStored(s.ColourRow(y)[x]);
  return {float(tmb::RedOf(c)), float(tmb::GreenOf(c)), float(tmb::BlueOf(c))};
}

void Put(tmb::Surface& s, int x, int y, Rgb c) {
  PixelAt(s, x, y) = tmb::StoredFromColour(tmb::MakeRgb(Channel(c.r), Channel(c.g), Channel(c.b)));
}

// Lays colour over the pixel with coverage t (0 to 1); nothing outside the surface.
void Blend(tmb::Surface& s, int x, int y, Rgb c, float t) {
  if (x < 0 || y < 0 || x >= s.width() || y >= s.height() || t <= 0) return;
  Put(s, x, y, Mix(Get(s, x, y), c, std::min(t, 1.0f)));
}

// A fixed hash of a lattice point to [0, 1): every build draws the same pictures.
float Hash(int x, int y, uint32_t seed) {
  uint32_t h = static_cast<uint32_t>(x) * 0x8DA6B343u ^ static_cast<uint32_t>(y) * 0xD8163841u ^ seed * 0xCB1AB31Fu;
  h ^= h >> 13;
  h *= 0x5BD1E995u;
  h ^= h >> 15;
  return static_cast<float>(h & 0xFFFFFFu) / 16777216.0f;
}

// Smooth value noise in [0, 1) over cells of the given size.
float Noise(float x, float y, float cell, uint32_t seed) {
  const float fx = x / cell, fy = y / cell;
  const int ix = static_cast<int>(std::floor(fx)), iy = static_cast<int>(std::floor(fy));
  auto smooth = [](float t) { return t * t * (3 - 2 * t); };
  const float tx = smooth(fx - float(ix)), ty = smooth(fy - float(iy));
  const float top = Hash(ix, iy, seed) + (Hash(ix + 1, iy, seed) - Hash(ix, iy, seed)) * tx;
  const float bottom = Hash(ix, iy + 1, seed) + (Hash(ix + 1, iy + 1, seed) - Hash(ix, iy + 1, seed)) * tx;
  return top + (bottom - top) * ty;
}

// A small generator of its own, for the same reason.
class Random {
 public:
  explicit Random(uint32_t seed) : m_state(seed) {}
  float Next() {
    m_state = m_state * 1664525u + 1013904223u;
    return static_cast<float>(m_state >> 8) / 16777216.0f;
  }
  float Between(float a, float b) { return a + (b - a) * Next(); }

 private:
  uint32_t m_state;
};

// The quiet unevenness of handmade paper.
void Mottle(tmb::Surface& s, float strength) {
  for (int y = 0; y < s.height(); ++y) {
    for (int x = 0; x < s.width(); ++x) {
      const float n = 0.6f * Noise(float(x), float(y), 90, 1) + 0.4f * Noise(float(x), float(y), 23, 2);
      const float grain = Hash(x, y, 3) - 0.5f;
      Put(s, x, y, Shade(Get(s, x, y), (n - 0.5f) * strength + grain * strength * 0.3f));
    }
  }
}

// Thin fibres lying in the paper, a little darker or lighter than it.
void Fibres(tmb::Surface& s, int count, Random& rnd) {
  for (int i = 0; i < count; ++i) {
    float x = rnd.Between(0, float(s.width())), y = rnd.Between(0, float(s.height()));
    float angle = rnd.Between(0, 6.2832f);
    const int length = static_cast<int>(rnd.Between(15, 70));
    const float tone = rnd.Next() < 0.7f ? -18.0f : 10.0f;
    const float strength = rnd.Between(0.15f, 0.35f);
    for (int k = 0; k < length; ++k) {
      const Rgb c = Shade(Get(s, std::clamp(int(x), 0, s.width() - 1), std::clamp(int(y), 0, s.height() - 1)), tone);
      Blend(s, int(x), int(y), c, strength);
      angle += rnd.Between(-0.12f, 0.12f);
      x += std::cos(angle);
      y += std::sin(angle);
    }
  }
}

// A soft-edged ellipse of colour c at most opacity strong.
void SoftEllipse(tmb::Surface& s, float cx, float cy, float rx, float ry, float tilt, Rgb c, float opacity) {
  const float reach = std::max(rx, ry) + 2;
  const float cs = std::cos(tilt), sn = std::sin(tilt);
  for (int y = int(cy - reach); y <= int(cy + reach); ++y) {
    for (int x = int(cx - reach); x <= int(cx + reach); ++x) {
      const float dx = float(x) - cx, dy = float(y) - cy;
      const float u = (dx * cs + dy * sn) / rx, v = (-dx * sn + dy * cs) / ry;
      const float d = std::sqrt(u * u + v * v);
      Blend(s, x, y, c, opacity * std::clamp((1.0f - d) * 3.0f, 0.0f, 1.0f));
    }
  }
}

// The height of a ridge line at x: a base height and three gentle waves.
float Ridge(float x, float base, float amplitude, uint32_t seed) {
  const float p = Hash(int(seed), 0, 7) * 6.2832f;
  return base + amplitude * (0.55f * std::sin(x * 0.011f + p) + 0.3f * std::sin(x * 0.027f + 2 * p) +
                             0.15f * std::sin(x * 0.061f + 3 * p));
}

void HillLayer(tmb::Surface& s, float base, float amplitude, uint32_t seed, Rgb colour, Rgb mist) {
  for (int x = 0; x < s.width(); ++x) {
    const float top = Ridge(float(x), base, amplitude, seed);
    for (int y = std::max(0, int(top)); y < s.height(); ++y) {
      // Mist gathers at the foot of each hill.
      const float below = (float(y) - top) / (float(s.height()) * 0.12f);
      const float edge = std::clamp(top + 1 - float(y), 0.0f, 1.0f);
      Blend(s, x, y, Mix(colour, mist, std::clamp(below, 0.0f, 0.8f)), 1.0f - edge);
    }
  }
}

// A conifer: a narrow soft triangle on a short trunk.
void Tree(tmb::Surface& s, float cx, float bottom, float height, Rgb colour) {
  const float halfWidth = height * 0.2f;
  for (int y = int(bottom - height); y <= int(bottom); ++y) {
    const float t = (float(y) - (bottom - height)) / height;  // 0 at the tip
    const float half = halfWidth * t;
    for (int x = int(cx - half - 1); x <= int(cx + half + 1); ++x) {
      const float inside = std::clamp(half + 0.5f - std::fabs(float(x) - cx), 0.0f, 1.0f);
      Blend(s, x, y, Shade(colour, (t - 0.5f) * 10), inside * 0.9f);
    }
  }
}

}  // namespace

void DrawPaperPicture(tmb::Surface& s) {
  const Rgb washi{247, 242, 231};
  for (int y = 0; y < s.height(); ++y) {
    for (int x = 0; x < s.width(); ++x) Put(s, x, y, washi);
  }
  Mottle(s, 9);
  Random rnd(1);
  Fibres(s, s.width() * s.height() / 600, rnd);
  // A few petals fallen on the paper.
  for (int i = 0; i < 24; ++i) {
    const float r = rnd.Between(2.5f, 5.0f);
    SoftEllipse(s, rnd.Between(0, float(s.width())), rnd.Between(0, float(s.height())), r, r * 0.6f,
                rnd.Between(0, 3.1416f), Rgb{242, 196, 206}, rnd.Between(0.25f, 0.5f));
  }
}

void DrawLandscapePicture(tmb::Surface& s) {
  const float w = float(s.width()), h = float(s.height());
  const Rgb skyTop{212, 224, 235}, skyLow{245, 239, 226}, mist{238, 240, 236};
  for (int y = 0; y < s.height(); ++y) {
    const Rgb sky = Mix(skyTop, skyLow, std::clamp(float(y) / (h * 0.5f), 0.0f, 1.0f));
    for (int x = 0; x < s.width(); ++x) Put(s, x, y, sky);
  }
  SoftEllipse(s, w * 0.72f, h * 0.17f, w * 0.06f, w * 0.06f, 0, Rgb{252, 244, 222}, 0.8f);
  HillLayer(s, h * 0.42f, h * 0.05f, 1, Rgb{196, 208, 216}, mist);
  HillLayer(s, h * 0.50f, h * 0.04f, 2, Rgb{172, 194, 190}, mist);
  HillLayer(s, h * 0.60f, h * 0.035f, 3, Rgb{152, 182, 162}, mist);
  // The forest: rows of conifers, the farther rows paler.
  Random rnd(2);
  const Rgb far{150, 178, 160}, near{104, 142, 114};
  for (int row = 0; row < 3; ++row) {
    const float bottom = h * (0.70f + 0.07f * float(row));
    const Rgb colour = Mix(far, near, float(row) / 2.0f);
    for (float x = rnd.Between(-10, 0); x < w + 10; x += rnd.Between(12, 22)) {
      Tree(s, x, bottom + rnd.Between(-6, 6), rnd.Between(35, 70) * (1.0f + 0.25f * float(row)),
           Shade(colour, rnd.Between(-8, 8)));
    }
    // Mist between the rows, thickest at their foot.
    for (int y = int(bottom - h * 0.08f); y < s.height(); ++y) {
      const float d = (float(y) - bottom) / (h * 0.03f);
      const float t = 0.6f * std::exp(-d * d);
      for (int x = 0; x < s.width(); ++x) Blend(s, x, y, mist, t);
    }
  }
  Mottle(s, 5);
}

int WriteBmpPicture(const tmb::Surface& surface, const std::filesystem::path& path) {
  CDib dib;
  if (dib.CreateFromBitmap(nullptr, &surface, nullptr) != 1) return 0;
  return tmb::SaveFileAtomically(path, dib.m_block.data(), dib.m_nBlockSize).ok() ? 1 : 0;
}
