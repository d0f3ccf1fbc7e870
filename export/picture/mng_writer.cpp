#include "export/picture/mng_writer.h"

#include <array>
#include <climits>
#include <filesystem>

#include <zlib.h>

#include "export/picture/dib_pixels.h"
#include "export/picture/png_writer.h"
#include "platform/file/big_endian.h"
#include "platform/gdi/surface.h"

namespace {

constexpr std::array<uint8_t, 8> kMngSignature = {0x8A, 'M', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
constexpr uint8_t kTermAfterLastFrame = 3;
constexpr uint32_t kTermIterationMax = 0x7FFFFFFF;
constexpr uint8_t kFramingMode = 4;

// One chunk: length, type, data and the CRC-32 of type and data, numbers big-endian.
bool WriteChunk(tmb::BinaryFile& file, const char (&type)[5], std::span<const uint8_t> data) {
  uint8_t number[4];
  tmb::StoreBigU32(number, uint32_t(data.size()));
  const auto* typeBytes = reinterpret_cast<const uint8_t*>(type);
  uLong crc = crc32(0L, typeBytes, 4);
  // A null buffer would restart the sum (MEND has no data).
  if (!data.empty()) crc = crc32(crc, data.data(), uInt(data.size()));
  file.Write(number, 4);
  file.Write(typeBytes, 4);
  file.Write(data.data(), data.size());
  tmb::StoreBigU32(number, uint32_t(crc));
  return file.Write(number, 4);
}

// The movie header: frame size, ticks per second, layers (the frames and the background),
// frames, play time and simplicity profile.
bool WriteMovieHeader(tmb::BinaryFile& file, const CMngWriter& state, int frames) {
  std::array<uint8_t, 28> mhdr{};
  const uint32_t fields[] = {uint32_t(state.m_nWidth),
                             uint32_t(state.m_nHeight),
                             kMngTicksPerSecond,
                             uint32_t(frames) + 1,
                             uint32_t(frames),
                             0,
                             state.m_bHeaderTransparent ? kMngProfileTransparent : kMngProfileSimple};
  for (size_t i = 0; i < std::size(fields); ++i) tmb::StoreBigU32(&mhdr[4 * i], fields[i]);
  return WriteChunk(file, "MHDR", mhdr);
}

bool WriteHeader(tmb::BinaryFile& file, const CMngWriter& state) {
  std::array<uint8_t, 10> term{};
  term[0] = kTermAfterLastFrame;  // then action after iterations 0 and delay 0
  tmb::StoreBigU32(&term[6], kTermIterationMax);
  file.Write(kMngSignature.data(), kMngSignature.size());
  WriteMovieHeader(file, state, state.m_nHeaderFrames);
  return WriteChunk(file, "TERM", term);
}

}  // namespace

int OpenMngFile(CMngWriter& state, const std::string& path, int width, int height, int frames) {
  state.m_pFile.reset();
  state.m_bFailed = 0;
  state.m_nFramesWritten = 0;
  if (width <= 0 || height <= 0 || width > tmb::Surface::kMaxSide || height > tmb::Surface::kMaxSide || frames < 0 ||
      frames == INT_MAX) {
    return 0;
  }
  auto save = std::make_unique<tmb::SafeSave>(std::filesystem::u8path(path));
  if (!save->Begin()) return 0;
  state.m_nWidth = width;
  state.m_nHeight = height;
  state.m_nHeaderFrames = frames;
  state.m_bHeaderTransparent = state.m_bTransparent != 0 ? 1 : 0;
  if (!WriteHeader(save->file(), state)) return 0;
  state.m_pFile = std::move(save);
  return 1;
}

int AddMngFrame(CMngWriter& state, int width, int height, std::span<const uint8_t> pixels) {
  if (!state.m_pFile || state.m_bFailed || !HoldsDibPixels24(width, height, pixels.size())) return 0;
  tmb::BinaryFile& file = state.m_pFile->file();
  // Framing mode, an empty name, "change the interframe delay for the next frame", three
  // unchanged settings and the delay.
  std::array<uint8_t, 10> fram{};
  fram[0] = kFramingMode;
  fram[2] = 1;
  tmb::StoreBigU32(&fram[6], uint32_t(state.m_nWait < 0 ? 0 : state.m_nWait));
  const std::optional<uint32_t> key =
      state.m_bTransparent ? std::optional<uint32_t>(state.m_nKeyColour) : std::nullopt;
  if (!WriteChunk(file, "FRAM", fram) || !WritePngStream(file, width, height, pixels, kPngInsideMng, key)) {
    state.m_bFailed = 1;
    return 0;
  }
  ++state.m_nFramesWritten;
  return 1;
}

int CloseMngFile(CMngWriter& state) {
  if (!state.m_pFile) return 0;
  std::unique_ptr<tmb::SafeSave> save = std::move(state.m_pFile);
  if (state.m_bFailed || !WriteChunk(save->file(), "MEND", {})) return 0;
  // A player may trust the counts: a movie cut short says how many frames it holds.
  if (state.m_nFramesWritten != state.m_nHeaderFrames) {
    tmb::BinaryFile& file = save->file();
    if (!file.Seek(int64_t(kMngSignature.size())) || !WriteMovieHeader(file, state, state.m_nFramesWritten)) return 0;
  }
  return save->Commit() ? 1 : 0;
}
