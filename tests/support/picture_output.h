// Pictures that tests leave for a person to look at, under the build folder's "pictures".
#pragma once

#include <filesystem>
#include <string>

#include "platform/gdi/surface.h"

namespace tmb::test {

// Writes surface as a BMP file named name (".bmp" added) under <build>/pictures and
// returns its path; empty when it could not be written.
std::filesystem::path SavePicture(const Surface& surface, const std::string& name);

}  // namespace tmb::test
