// The SVG picture of a character: the outlines of the path sequence as one polygon per
// stroke outline, gathered in g elements by fill colour.
#pragma once

#include <filesystem>
#include <string>

#include "platform/gdi/geometry.h"
#include "platform/service/result.h"

class CCharData;
class CPathSequence;

// Opens the g element every polygon of the picture stands in: fill and stroke colours, a
// zero stroke width and a unit scale.
void WriteSvgFillStart(std::string& text, tmb::Colour strokeColour, tmb::Colour fillColour);
// Closes the g of the previous colour when closePrevious is set, and opens one filled in
// colour.
void WriteSvgFillSwitch(std::string& text, tmb::Colour colour, bool closePrevious);

// The SVG document of the sequence's outlines: every stroke outline with a point inside
// the sequence's canvas rectangle becomes a polygon, its points relative to the
// rectangle's top-left corner with two decimals; strokes of colour kind 1 (their stroke
// mark) are filled in picture 0's colour B, the others in its colour. Strokes with a
// non-finite point are left out.
std::string BuildSvgText(const CPathSequence& sequence);

// Writes BuildSvgText as the file at path through a safe save: the previous file stays
// until the new one is complete, and stays as it was on failure.
tmb::Status WriteSvgFile(const CPathSequence& sequence, const std::filesystem::path& path);

// The save-as of a drawing window as an SVG picture: the outlines of gPathSequence (begun
// and filled by the caller). The record's settings do not change the picture.
tmb::Status SaveSvgPicture(const std::filesystem::path& path, const CCharData& record);
