// Edits of path names that keep their other parts: a path is split into drive, folder,
// file title and extension (either separator, '\\' or '/') and joined again.
#pragma once

#include <span>
#include <string>
#include <string_view>

// path with its extension replaced by ext (given with or without its dot; empty removes
// the extension).
std::string ReplaceExtension(std::string_view path, std::string_view ext);
// The same on a zero-terminated buffer, cut to fit. Returns false (the buffer unchanged)
// when the result does not fit.
bool ReplaceExtensionInPlace(std::span<char> buffer, std::string_view ext);
// path with suffix appended to its file title: "c:\a\b.bmp" + "_01" is "c:\a\b_01.bmp".
std::string AppendToFileTitle(std::string_view path, std::string_view suffix);
// The folder chooser under title, starting at initial; the chosen folder goes to out. 1
// when one was chosen, 0 when cancelled (out unchanged).
int BrowseForFolder(std::string& out, const std::string& initial, const std::string& title);
