#include "views/registration/source_line_count.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

int CountSourceLines(const std::string& folder, const std::string& text, std::string* trace) {
  namespace fs = std::filesystem;
  if (text.empty()) return 0;
  std::error_code ec;
  std::vector<fs::path> files;
  for (fs::directory_iterator it(fs::path(folder), ec), end; !ec && it != end; it.increment(ec)) {
    if (it->is_regular_file(ec) && it->path().extension() == ".cpp") files.push_back(it->path());
  }
  // The same order on every file system.
  std::sort(files.begin(), files.end());
  int total = 0;
  for (const fs::path& file : files) {
    std::ifstream in(file, std::ios::binary);
    int hits = 0;
    for (std::string line; std::getline(in, line);) hits += line.find(text) != std::string::npos ? 1 : 0;
    total += hits;
    if (trace && hits > 0) *trace += file.filename().string() + ": " + std::to_string(hits) + "\n";
  }
  if (trace) *trace += "total: " + std::to_string(total) + "\n";
  return total;
}
