// Pictures that tests leave under <build dir>/pictures/ for a person to look at.
#pragma once

#include <string>

#include "platform/gdi/surface.h"

namespace tmb::test {

// Writes surface as <build dir>/pictures/<name>.png; returns the path, or an empty string
// when the picture could not be written.
std::string SavePictureForViewing(const Surface& surface, const std::string& name);

}  // namespace tmb::test
