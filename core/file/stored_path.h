// Paths held in records and character data files are code page 932 text, often written
// on Windows ("c:\...\花見.bmp") or as a bare name ("花見.bmp", as the shipped default file
// holds them). Such a path names the file of that name in the data folder, where the
// program keeps its shipped pictures and scripts.
#pragma once

#include <string>
#include <string_view>

// The UTF-8 path a stored (code page 932) path stands for: a Windows path (a drive or a
// backslash) or a name without a folder becomes the data folder's file of its name when
// that file exists; anything else is only converted. Empty for an empty path.
std::string ResolveStoredPath(std::string_view cp932);
