// The faces the glyph import reads outlines from: where a font's face file is found (the
// font engine's search, or a file a test names), and the one message per face that tells
// the user a face cannot serve as outlines. Font files are untrusted input.
#pragma once

#include <functional>
#include <string>

#include "platform/gdi/font.h"
#include "platform/gdi/font_engine.h"

using GlyphFaceFinder = std::function<tmb::FaceFile(const tmb::Font& font)>;

// The face file that serves font.
tmb::FaceFile GlyphFaceFileOf(const tmb::Font& font);
// Installs finder; an empty one restores the font engine's search.
void SetGlyphFaceFinder(GlyphFaceFinder finder);

// Shows the message of cause (a glyph read result below 0 that blames the face) for the
// face named faceName (UTF-8), unless this face was reported before in this run.
void ReportGlyphFaceFault(const std::string& faceName, int cause);
// Forgets which faces were reported, as at start.
void ForgetReportedGlyphFaces();
