// Pictures embedded in character data files: the kind of a picture told by its first
// bytes, and the temporary files the reader writes them to. The kind never comes from a
// file name, whose extension may be in any case or missing.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

// Picture types of the picture record.
enum PictureType { kPictureNone = -1, kPictureBmp = 0, kPictureJpeg = 1, kPicturePng = 2 };

// BMP, JPEG or PNG by the signature at the start of bytes; kPictureNone for anything
// else (GIF among them: a picture record cannot restore it).
int PictureTypeOfBytes(std::span<const uint8_t> bytes);
// ".bmp", ".jpg" or ".png"; empty for another type.
const char* PictureExtension(int type);

// Writes bytes to a new file "tmbt<number><ext>" in the system's temporary folder, never
// over an existing file. Returns its path (UTF-8), or empty when it could not be written.
std::string WriteTempPicture(std::span<const uint8_t> bytes, const char* ext);

// The temporary picture files a record's reader made (background pictures 1 and 2). The
// record owns them: a file is deleted when another replaces it and when the owner goes,
// so a picture read from a file stays available to the next save of that record.
class CTempPictures {
 public:
  CTempPictures() = default;
  ~CTempPictures();
  CTempPictures(const CTempPictures&) = delete;
  CTempPictures& operator=(const CTempPictures&) = delete;

  // Takes path (may be empty) as picture index's file, deleting the one held before.
  void Adopt(int index, std::string path);
  // The file of picture index (UTF-8), empty when none.
  const std::string& Path(int index) const;
  // Deletes both files.
  void Clear();

 private:
  std::array<std::string, 2> m_paths;
};
