#include "core/store/store_paths.h"

#include <string>

#include "core/canvas/work_canvas.h"

std::filesystem::path StoreFilePath(std::string_view fileName) {
  return std::filesystem::path(gWorkCanvas.m_folder) / std::filesystem::path(fileName);
}

std::filesystem::path StoreFolder() { return StoreFilePath(kFontSubFileName).parent_path(); }

bool MakeFolderOf(const std::filesystem::path& file) {
  const std::filesystem::path folder = file.parent_path();
  // A store whose folder was never named would land wherever the program was started.
  if (folder.empty()) return false;
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  return std::filesystem::is_directory(folder, ec);
}

std::filesystem::path StoreSetPath(std::string_view base, int tempSet, std::string_view ext) {
  std::string name(base);
  if (tempSet != 0) name += "_tmp" + std::to_string(tempSet);
  name += ext;
  return StoreFilePath(name);
}
