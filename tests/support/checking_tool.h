// Runs the programs the users of a file format trust (pngcheck, djpeg, gifsicle,
// gif2rgb ...) on files the tests wrote.
#pragma once

#include <filesystem>
#include <string>

namespace tmb::test {

struct ToolRun {
  int exitCode = -1;
  std::string output;  // standard output and error together
};

// Whether a program of that name is on the search path.
bool ToolInstalled(const std::string& name);
// Runs a shell command and collects what it prints.
ToolRun RunTool(const std::string& command);

// Expects pngcheck to find no fault in the PNG or MNG file; skips the test where pngcheck
// is not installed.
void ExpectPngcheckPasses(const std::filesystem::path& file);

}  // namespace tmb::test
