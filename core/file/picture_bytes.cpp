#include "core/file/picture_bytes.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <unistd.h>

namespace {

constexpr std::string_view kTempPrefix = "tmbt";
// Names tried before giving up; the temporary folder never holds that many of ours.
constexpr unsigned kTempNameTries = 100000;

bool StartsWith(std::span<const uint8_t> bytes, std::initializer_list<uint8_t> sig) {
  if (bytes.size() < sig.size()) return false;
  size_t i = 0;
  for (uint8_t b : sig) {
    if (bytes[i++] != b) return false;
  }
  return true;
}

void RemoveFile(const std::string& path) {
  if (path.empty()) return;
  std::error_code ec;
  std::filesystem::remove(std::filesystem::u8path(path), ec);
}

}  // namespace

int PictureTypeOfBytes(std::span<const uint8_t> bytes) {
  if (StartsWith(bytes, {'B', 'M'})) return kPictureBmp;
  if (StartsWith(bytes, {0xFF, 0xD8, 0xFF})) return kPictureJpeg;
  if (StartsWith(bytes, {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A})) return kPicturePng;
  return kPictureNone;
}

const char* PictureExtension(int type) {
  switch (type) {
    case kPictureBmp: return ".bmp";
    case kPictureJpeg: return ".jpg";
    case kPicturePng: return ".png";
    default: return "";
  }
}

std::string WriteTempPicture(std::span<const uint8_t> bytes, const char* ext) {
  std::error_code ec;
  const std::filesystem::path dir = std::filesystem::temp_directory_path(ec);
  if (ec) return {};
  // Numbers start from the process id so that two running programs rarely collide; "x"
  // refuses a name that exists, so a collision only moves on to the next number.
  const unsigned base = static_cast<unsigned>(::getpid());
  for (unsigned n = 0; n < kTempNameTries; ++n) {
    const std::filesystem::path path = dir / (std::string(kTempPrefix) + std::to_string(base + n) + ext);
    std::FILE* fp = std::fopen(path.c_str(), "wbx");
    if (!fp) {
      if (errno == EEXIST) continue;
      return {};
    }
    const bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), fp) == bytes.size();
    const bool closed = std::fclose(fp) == 0;
    if (written && closed) return path.string();
    std::filesystem::remove(path, ec);
    return {};
  }
  return {};
}

CTempPictures::~CTempPictures() { Clear(); }

void CTempPictures::Adopt(int index, std::string path) {
  if (index < 0 || index > 1) return;
  if (m_paths[index] != path) RemoveFile(m_paths[index]);
  m_paths[index] = std::move(path);
}

const std::string& CTempPictures::Path(int index) const {
  static const std::string kNone;
  return index == 0 || index == 1 ? m_paths[index] : kNone;
}

void CTempPictures::Clear() {
  for (std::string& path : m_paths) {
    RemoveFile(path);
    path.clear();
  }
}
