#include "support/picture_files.h"

#include <filesystem>

#include "core/bitmap/dib.h"
#include "export/picture/png_writer.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/raster_ops.h"

namespace tmb::test {

std::string SavePictureForViewing(const Surface& surface, const std::string& name) {
  const std::filesystem::path folder = std::filesystem::path(TMB_BUILD_DIR) / "pictures";
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) return {};
  // The PNG writer takes 24-bit rows: a one-bit picture is copied into colour first.
  Surface colour;
  const Surface* source = &surface;
  if (surface.IsMono()) {
    if (!colour.Create(surface.width(), surface.height(), PixelFormat::kColour32).ok()) return {};
    DeviceContext from, to;
    from.SelectSurface(const_cast<Surface*>(&surface));
    to.SelectSurface(&colour);
    to.BitBlt(0, 0, surface.width(), surface.height(), &from, 0, 0, kSrcCopy);
    source = &colour;
  }
  CDib dib;
  if (dib.CreateFromBitmap(nullptr, source, nullptr) != 1) return {};
  const std::filesystem::path path = folder / (name + ".png");
  const std::span<const uint8_t> pixels(dib.m_pBits, dib.m_nBlockSize - size_t(dib.m_pBits - dib.m_pBlock));
  return WritePngFile(path.string(), surface.width(), surface.height(), pixels) == 1 ? path.string() : std::string();
}

}  // namespace tmb::test
