// The SWF export of a character's pictures: every outline run of the path sequence becomes
// a shape, every picture one or more frames, timed by the character's animation settings.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "core/record/param_block.h"
#include "platform/service/result.h"

class CPathSequence;
class SwfMovie;

// While set, every picture's outlines are drawn in picture 0's colour and no picture is
// taken off the stage: the pictures pile up into one.
extern int gSwfSinglePicture;

// Animation parameters the export reads.
constexpr int kSwfTimingModeParam = 251;   // see swf_export_timing.h
constexpr int kSwfFrameRectParam = 253;    // each picture on a paper-coloured rectangle
constexpr int kSwfFillColourParam = 254;   // fills in colour B instead of the picture colour
constexpr int kSwfSimplifyParam = 256;     // simplify the pictures between the first and the last

// The frame size (twips) and rate of a built movie.
struct SwfMovieFrame {
  int width = 0;
  int height = 0;
  int rate = 12;
};

// Adds a PlaceObject2 that puts character id at depth (moving what is there with move).
void PlaceCharacter(SwfMovie& movie, int id, bool move, int depth);

// Builds the movie of the sequence's pictures into movie (constructed just before, so
// that its ids start at 1); durations are hundredths of a second per picture. Picture
// starts past the pictures recorded with AddFrame belong to the last recorded picture. The
// sequence is read, never changed. Fails when the sequence has no path or it cannot be copied.
tmb::Status BuildSwfAnimation(const CPathSequence& sequence, std::span<const int32_t> durations,
                              const ParamBlock& param, SwfMovie& movie, SwfMovieFrame& frame);

// Builds the movie and writes it as the file at path through a safe save: the previous
// file stays until the new one is complete, and stays as it was on failure.
tmb::Status ExportSwfAnimation(const CPathSequence& sequence, const std::filesystem::path& path,
                               std::span<const int32_t> durations, const ParamBlock& param);
// The same file into memory.
tmb::Status ExportSwfAnimationToMemory(const CPathSequence& sequence, std::span<const int32_t> durations,
                                       const ParamBlock& param, std::vector<uint8_t>& out);
