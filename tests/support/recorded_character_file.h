// Character data files written by the program's own file writer for tests: window A's
// part holds a character drawn into a new record, window B's part is empty.
#pragma once

#include <functional>
#include <string>

class CCharData;

namespace tmb::test {

// Writes the file at path (UTF-8) from two new documents with the settings window A starts
// with, after draw has put the strokes into window A's record; true when it was written.
bool WriteWindowACharacterFile(const std::string& path, const std::function<void(CCharData&)>& draw);

// The same with the recorded character (recorded_character.h).
bool WriteRecordedCharacterFile(const std::string& path);

}  // namespace tmb::test
