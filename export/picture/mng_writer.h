// The MNG movie writer: a signature, the movie header and the termination chunk, then per
// frame a FRAM chunk with the frame's wait and one PNG datastream, then MEND.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "platform/file/safe_save.h"

// One movie being written. The file lives here, from OpenMngFile to CloseMngFile, and
// replaces a file of the same name only when it is closed whole; a movie never closed
// leaves the earlier file as it was.
struct CMngWriter {
  // Set by the animation output before a frame is added. The transparency switch is
  // also read when the file is opened: it chooses the header's simplicity profile.
  int m_nWait = 0;            // wait of the next frame, 1/100 s
  int m_bTransparent = 0;     // frames get a tRNS chunk of the key colour
  uint32_t m_nKeyColour = 0;  // 0x00BBGGRR

  // Open from a successful OpenMngFile to CloseMngFile; null otherwise.
  std::unique_ptr<tmb::SafeSave> m_pFile;
  // A write failed: the movie is incomplete and will not replace any file.
  int m_bFailed = 0;
  int m_nFramesWritten = 0;
  // What the header says: the frame size and profile, and the frames it counts.
  int m_nWidth = 0;
  int m_nHeight = 0;
  int m_nHeaderFrames = 0;
  int m_bHeaderTransparent = 0;
};

// Chunk layout constants of the movie header.
constexpr uint32_t kMngTicksPerSecond = 100;
constexpr uint32_t kMngProfileSimple = 3;        // MNG-VLC with the valid-profile bit
constexpr uint32_t kMngProfileTransparent = 11;  // the same, with transparency

// Starts a movie of frames frames of width x height at path (UTF-8): signature, MHDR and
// TERM. Returns 1, or 0 (nothing open) when the file cannot be created or a size is out
// of range. An open movie of the same state is abandoned first.
int OpenMngFile(CMngWriter& state, const std::string& path, int width, int height, int frames);
// Adds a frame whose pixels are laid out as dib_pixels.h says: FRAM with the state's wait, then the PNG
// datastream. Returns 1, or 0 when no movie is open or the frame cannot be written.
int AddMngFrame(CMngWriter& state, int width, int height, std::span<const uint8_t> pixels);
// Writes MEND and puts the file in place; a header that counts frames never written (a
// run stopped early) gets the count written. Returns 1, or 0 when no movie is open or any
// write failed (no file is replaced then).
int CloseMngFile(CMngWriter& state);
