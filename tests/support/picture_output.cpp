#include "support/picture_output.h"

#include <system_error>
#include <vector>

#include "brush/bitmap/dib.h"
#include "support/file_bytes.h"

namespace tmb::test {

std::filesystem::path SavePicture(const Surface& surface, const std::string& name) {
  const std::filesystem::path dir = std::filesystem::path(TMB_PICTURES_DIR);
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  CDib dib;
  if (ec || dib.CreateFromBitmap(nullptr, &surface, nullptr) != 1) return {};
  const std::filesystem::path path = dir / (name + ".bmp");
  WriteFileBytes(path, std::vector<uint8_t>(dib.m_block.begin(), dib.m_block.begin() + dib.m_nBlockSize));
  return path;
}

}  // namespace tmb::test
