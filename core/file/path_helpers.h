// Path names as the records and the file dialogs hold them: either separator ('\\' of
// stored Windows paths or '/'), an optional drive.
#pragma once

#include <string>
#include <string_view>

// The file name and extension of path.
std::string GetFileNameOfPath(std::string_view path);
// The extension of path's file name, without its dot; empty when it has none.
std::string GetFileExt(std::string_view path);
// The drive and folder of path without a trailing separator.
std::string GetDirectoryOfPath(std::string_view path);
// dir and name joined by '/', unless dir is empty or already ends with a separator.
std::string JoinPath(std::string_view dir, std::string_view name);
// dir joined with prefix, the decimal number and ext. A number of 0 picks the first
// number from 1 up whose file does not exist.
std::string MakeTempFileName(std::string_view dir, std::string_view prefix, unsigned number, std::string_view ext);
