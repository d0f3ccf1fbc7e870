#include "support/checking_tool.h"

#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>

#include <gtest/gtest.h>

namespace tmb::test {

bool ToolInstalled(const std::string& name) {
  return std::system(("command -v '" + name + "' >/dev/null 2>&1").c_str()) == 0;
}

ToolRun RunTool(const std::string& command) {
  ToolRun run;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, n);
  const int status = pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

void ExpectPngcheckPasses(const std::filesystem::path& file) {
  if (!ToolInstalled("pngcheck")) GTEST_SKIP() << "pngcheck is not installed";
  const ToolRun check = RunTool("pngcheck -q '" + file.string() + "'");
  EXPECT_EQ(check.exitCode, 0) << check.output;
}

}  // namespace tmb::test
