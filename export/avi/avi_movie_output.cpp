#include "export/avi/avi_movie_output.h"

#include "export/avi/avi_movie_file.h"
#include "platform/gdi/dib_rows.h"
#include "platform/gdi/pixel.h"
#include "platform/media/avi_writer.h"
#include "platform/service/messages.h"

CAviMovieFile gAviMovieFile;

namespace {

constexpr int kMsgMovieNotWritten = 61592;

// The block (0, 0, width, height) of a colour picture as 24-bit bottom-up padded rows.
bool CopyFrameRows(const tmb::Surface& picture, int width, int height, std::vector<uint8_t>& rows) {
  if (picture.IsMono() || width < 1 || height < 1 || picture.width() < width || picture.height() < height) {
    return false;
  }
  const size_t stride = tmb::AviFrameBytes(width, 1);
  rows.assign(stride * size_t(height), 0);
  for (int y = 0; y < height; ++y) {
    const uint32_t* src = picture.ColourRow(height - 1 - y);
    uint8_t* dst = rows.data() + size_t(y) * stride;
    for (int x = 0; x < width; ++x, dst += 3) {
      const tmb::Colour c = tmb::ColourFromStored(src[x]);
      dst[0] = uint8_t(tmb::BlueOf(c));
      dst[1] = uint8_t(tmb::GreenOf(c));
      dst[2] = uint8_t(tmb::RedOf(c));
    }
  }
  return true;
}

}  // namespace

bool CAviMovieFile::Open(const std::string& path, int width, int height, int length, int wait) {
  m_szPath = path;
  m_bTold = false;
  return OpenAviFile(path, width, height, length, wait) == 1;
}

bool CAviMovieFile::AddFrame(tmb::DeviceContext& /*dc*/, const tmb::Surface& picture, int width, int height) {
  tmb::DibHeader header;
  header.width = width;
  header.height = height;
  header.bitCount = 24;
  const bool copied = CopyFrameRows(picture, width, height, m_rows);
  const int result = copied ? WriteAviFrame(header, m_rows.data(), m_rows.size()) : -1;
  if (result == 1) return true;
  if (!m_bTold) {
    m_bTold = true;
    const std::string why = copied ? AviError() : std::string("the frame does not match the movie");
    tmb::ShowMessage(kMsgMovieNotWritten, tmb::kMsgOk, {m_szPath, why});
  }
  return false;
}

bool CAviMovieFile::Close(bool recompress) {
  if (CloseAviFile() != 1) return false;
  // A movie that is not recompressed stays uncompressed; RecompressAvi has told why.
  if (recompress) RecompressAvi(m_szPath, m_szPath);
  return true;
}

void CAviMovieFile::Abandon() { AbandonAviFile(); }
