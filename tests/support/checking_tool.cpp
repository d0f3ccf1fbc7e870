#include "support/checking_tool.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>

namespace tmb::test {
namespace {

std::string Quoted(const std::string& text) {
  std::string out = "'";
  for (char c : text) {
    if (c == '\'') {
      out += "'\\''";
    } else {
      out += c;
    }
  }
  return out + "'";
}

}  // namespace

bool HasTool(const std::string& name) {
  const std::string command = "command -v " + Quoted(name) + " >/dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

int RunTool(const std::string& tool, const std::string& arguments, const std::filesystem::path& file,
            std::string* output) {
  const std::string command = Quoted(tool) + " " + arguments + " " + Quoted(file.string()) + " 2>&1";
  std::FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return -1;
  std::array<char, 4096> buffer;
  std::string text;
  size_t n;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) text.append(buffer.data(), n);
  const int status = ::pclose(pipe);
  if (output) *output = text;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace tmb::test
