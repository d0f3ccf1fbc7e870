#include "support/temp_dir.h"

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace tmb::test {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tmbtest.XXXXXX").string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  if (!::mkdtemp(name.data())) throw std::runtime_error("mkdtemp failed");
  path_ = name.data();
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

}  // namespace tmb::test
