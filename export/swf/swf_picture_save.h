// The save-as of a drawing window as an SWF movie: the character's outlines, collected in
// the path sequence, written as a one-frame-per-picture movie, and the export of a record
// with its own timing and colours.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "platform/gdi/geometry.h"
#include "platform/service/result.h"

class CCharData;

// Writes the pictures of gPathSequence (begun and filled by the caller with AddFrame) as
// the movie at path, one frame per picture at 12 frames per second, with the record's
// animation settings. The record is not changed; on failure the previous file stays.
tmb::Status SaveSwfPicture(const std::filesystem::path& path, const CCharData& record);

// Export modes of ExportSwfForRecord.
constexpr int kSwfRecordSinglePicture = 2;  // the pictures pile up into one
constexpr int kSwfRecordGivenColours = 3;   // picture colour and paper from colours

// Exports gPathSequence with owner's parameter block, which it changes as the export needs
// (a 25-hundredths wait in entry 121, no paper rectangle): picture 0 takes colours[0] and
// colours[1] with mode 3, else pictureColour and colour B of the block (entry 157); mode 2
// piles the pictures up. With a timing mode (entry 251) other than 0 the pictures take
// durations, otherwise 25 hundredths each.
tmb::Status ExportSwfForRecord(const std::filesystem::path& path, CCharData& owner, tmb::Colour pictureColour,
                               int mode, std::span<const int32_t> durations, std::span<const tmb::Colour> colours);
