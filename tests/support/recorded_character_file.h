// A character data file that holds the recorded character (recorded_character.h) as
// window A's part and an empty window B, written by the program's own file writer.
#pragma once

#include <string>

namespace tmb::test {

// Writes the file at path (UTF-8) from two new documents; true when it was written.
bool WriteRecordedCharacterFile(const std::string& path);

}  // namespace tmb::test
