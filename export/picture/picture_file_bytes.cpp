#include "export/picture/picture_file_bytes.h"

#include <filesystem>

#include "export/picture/picture_read_result.h"
#include "platform/file/binary_file.h"

int ReadPictureFileBytes(const std::string& path, tmb::BitmapBytes& bytes) {
  bytes.Free();
  tmb::BinaryFile file;
  if (!file.Open(std::filesystem::u8path(path), tmb::BinaryFile::Mode::kRead)) return kPictureNotOpened;
  const int64_t size = file.Size();
  if (size < 0) return kPictureNotOpened;
  if (uint64_t(size) > kMaxPictureFileSize || !bytes.AllocateForOverwrite(size_t(size))) return kPictureTooLarge;
  if (!file.Read(bytes.data(), bytes.size())) {
    bytes.Free();
    return kPictureNotOpened;
  }
  return kPictureRead;
}
