#include "support/picture_files.h"

#include <filesystem>
#include <fstream>

#include "brush/bitmap/dib.h"

namespace tmb::test {

std::string SavePictureForViewing(const Surface& surface, const std::string& name) {
  const std::filesystem::path folder = std::filesystem::path(TMB_BUILD_DIR) / "pictures";
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  CDib dib;
  if (error || dib.CreateFromBitmap(nullptr, &surface, nullptr) != 1) return {};
  const std::filesystem::path path = folder / (name + ".bmp");
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(dib.m_pBlock), std::streamsize(dib.m_nBlockSize));
  return out.good() ? path.string() : std::string();
}

}  // namespace tmb::test
