// The user boxes of the area dialog, kept in profile section "SubData": "Total" and one
// key "Box1", "Box2", ... per box, each as text "(%4d,%4d)-(%4d,%4d)".
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/gdi/geometry.h"

class CDrawState;
namespace tmb {
class ProfileStore;
}

// The text of a box: left, top, right and bottom.
std::string FormatBoxText(const tmb::Rect& box);
// The first four integers of text, signs kept, any other characters between them; none
// when text holds fewer than four.
std::optional<tmb::Rect> ParseBoxText(std::string_view text);

// Empties the boxes and reads them; an empty key ends the list, a damaged one is skipped,
// and reading stops at the list's capacity whatever "Total" says.
void LoadWindowBoxes(tmb::ProfileStore& profile, CDrawState& state);
void SaveWindowBoxes(tmb::ProfileStore& profile, const CDrawState& state);
