#include "support/magick_pictures.h"

#include <fstream>
#include <vector>

#include "support/checking_tool.h"
#include "support/temp_dir.h"

namespace tmb::test {
namespace {

std::string Quoted(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

constexpr MagickBmpKind kKinds[] = {
    {"rle8", "convert", "-type Palette -compress RLE", "BMP3:", 1, 8, nullptr},
    {"rle8_long_header", "convert", "-type Palette -compress RLE", "BMP:", 1, 8, nullptr},
    {"rgb565", "convert", "-type TrueColor -define bmp:subtype=RGB565", "BMP:", 3, 16, nullptr},
    {"rgb555", "convert", "-type TrueColor -define bmp:subtype=RGB555", "BMP:", 3, 16, nullptr},
    {"argb1555", "convert", "-type TrueColorAlpha -define bmp:subtype=ARGB1555", "BMP:", 3, 16, nullptr},
    {"argb4444", "convert", "-type TrueColorAlpha -define bmp:subtype=ARGB4444", "BMP:", 3, 16, "rgb24"},
    {"rgb555_no_masks", "convert", "-type TrueColor -define bmp:subtype=RGB555 -define bmp:format=bmp3", "", 3, 16,
     "rgb555"},
    {"argb8888", "convert", "-type TrueColorAlpha -define bmp:subtype=ARGB8888", "BMP:", 3, 32, nullptr},
    {"rgb555_plain", "ffmpeg", "-pix_fmt rgb555le", "", 0, 16, nullptr},
    {"rgb565_short_header", "ffmpeg", "-pix_fmt rgb565le", "", 3, 16, nullptr},
    {"palette8", "convert", "-type Palette -compress None", "BMP3:", 0, 8, nullptr},
    {"rgb24", "convert", "-type TrueColor -compress None", "BMP3:", 0, 24, nullptr},
};

}  // namespace

std::span<const MagickBmpKind> MagickBmpKinds() { return kKinds; }

const MagickBmpKind& MagickReferenceKind(const MagickBmpKind& kind) {
  if (!kind.referenceKind) return kind;
  for (const MagickBmpKind& k : kKinds) {
    if (std::string(k.name) == kind.referenceKind) return k;
  }
  return kind;
}

bool MagickWritesBmp() {
  static const bool writes = [] {
    if (!ToolInstalled("convert")) return false;
    TempDir dir;
    const ToolRun run = RunTool("convert -size 2x2 xc:red " + Quoted("BMP3:" + (dir / "t.bmp").string()));
    std::ifstream in(dir / "t.bmp", std::ios::binary);
    char magic[2] = {};
    in.read(magic, 2);
    return run.exitCode == 0 && magic[0] == 'B' && magic[1] == 'M';
  }();
  return writes;
}

bool FfmpegInstalled() { return ToolInstalled("ffmpeg"); }

Surface MagickTestPicture() {
  Surface s;
  s.Create(38, 12, PixelFormat::kColour32);
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 38; ++x) {
      if (x % 7 == 3) {
        s.SetPixel(x, y, MakeRgb(17 * (y + 2), 0, 255));  // lone pixels, one colour a row
        continue;
      }
      const int k = (x / 4 * 7 + y * 3) % 40;
      s.SetPixel(x, y, MakeRgb(17 * (k % 16), 255 - 17 * (k % 11), 17 * (k * 7 % 16)));
    }
  }
  return s;
}

bool WritePpm(const Surface& picture, const std::filesystem::path& path) {
  std::ofstream out(path, std::ios::binary);
  out << "P6\n" << picture.width() << " " << picture.height() << "\n255\n";
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const Colour c = picture.GetPixel(x, y);
      const char rgb[3] = {char(RedOf(c)), char(GreenOf(c)), char(BlueOf(c))};
      out.write(rgb, 3);
    }
  }
  return bool(out);
}

bool MakeMagickBmp(const MagickBmpKind& kind, const std::filesystem::path& source, const std::filesystem::path& out) {
  std::error_code ec;
  std::filesystem::remove(out, ec);
  const std::string tool(kind.tool);
  const std::string command =
      tool == "ffmpeg" ? "ffmpeg -hide_banner -loglevel error -y -i " + Quoted(source) + " " + kind.options + " " + Quoted(out)
                       : "convert " + Quoted(source) + " " + kind.options + " " + Quoted(kind.prefix + out.string());
  return RunTool(command).exitCode == 0 && std::filesystem::exists(out);
}

bool MagickPng(const std::filesystem::path& in, const std::filesystem::path& out) {
  return RunTool("convert " + Quoted(in) + " " + Quoted("PNG24:" + out.string())).exitCode == 0 &&
         std::filesystem::exists(out);
}

}  // namespace tmb::test
