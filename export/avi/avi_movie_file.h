// The one AVI movie an animation run writes: opened with its frame size and wait, fed
// 24-bit frames of exactly that size, and put in place when closed; until then any file
// of its name stays as it was. A finished movie can be recompressed with the codec the
// user picks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/gdi/dib_rows.h"

// Starts a movie of width x height frames at path (UTF-8), each lasting wait / 100 s (a
// wait below 1 counts as 1). frames is the length expected; the header gets the number
// really written. 1, or 0 when the movie cannot be made (another one is open, a side out
// of range, the folder cannot be written).
int OpenAviFile(const std::string& path, int width, int height, int frames, int wait);
// Adds one frame of the 24-bit bottom-up rows bits (size bytes) described by header,
// which must match the movie's size. 1 written; -1 the frame does not match the movie;
// -2 the write failed or the movie would pass the largest AVI file (the movie is then
// unusable; the reason is in AviError).
int WriteAviFrame(const tmb::DibHeader& header, const uint8_t* bits, size_t size);
// Writes the real counts and puts the movie in place. 1, or 0 when it failed (the file of
// its name stays as it was; the reason is in AviError).
int CloseAviFile();
// Drops the open movie; a file of its name stays as it was.
void AbandonAviFile();
// Why the last call failed, in words for a message.
const std::string& AviError();

// Asks for the codec of the movie being written (its frames; an audio stream is carried
// over as it stands); the answer is what the next recompression proposes. 1 chosen; 0
// when the user cancelled or no movie is open.
int ChooseAviCodec();
// Asks for a codec and writes the uncompressed movie oldPath again into newPath (may be
// the same), with progress; the user may stop it by a click. 1 when written; 0 when the
// user cancelled the question or the work, or the save failed (told): newPath then stays
// as it was.
int RecompressAvi(const std::string& newPath, const std::string& oldPath);
