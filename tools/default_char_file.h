// The default file "standerd.wdf": the record defaults of character slots 0 and 1 as
// parts 1 and 2, written by the character file's own writer. The names of the pictures
// and effect scripts it holds are bare, so that they lead to the data folder wherever
// the program is installed.
#pragma once

#include <filesystem>

// Writes the file at path (replacing it only once complete). 1, or 0 on failure.
int WriteDefaultCharFile(const std::filesystem::path& path);
