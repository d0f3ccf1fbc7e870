// Runs the programs the users of a file format trust (pngcheck, djpeg ...) on files the
// tests wrote.
#pragma once

#include <filesystem>
#include <string>

namespace tmb::test {

// Whether a program of that name is on the PATH.
bool HasTool(const std::string& name);

// Runs tool with the arguments and the file (quoted for the shell); returns its exit
// status and puts what it printed (both streams) into output.
int RunTool(const std::string& tool, const std::string& arguments, const std::filesystem::path& file,
            std::string* output);

}  // namespace tmb::test
