#include "platform/file/mounted_volumes.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace tmb {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kVolumeFolders[] = {"/media/", "/run/media/", "/mnt/"};

bool IsOctal(char c) { return c >= '0' && c <= '7'; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool UnderVolumeFolder(std::string_view mountPoint) {
  for (std::string_view folder : kVolumeFolders) {
    if (mountPoint.size() > folder.size() && mountPoint.substr(0, folder.size()) == folder) return true;
  }
  return false;
}

// The device a path leads to, or the path itself when it leads nowhere.
std::string Resolved(const std::string& path) {
  std::error_code ec;
  const fs::path target = fs::canonical(path, ec);
  return ec ? path : target.string();
}

std::string LabelOf(const std::string& device, const std::string& labelsFolder) {
  // Only devices have labels (a memory file system names no file).
  if (device.empty() || device.front() != '/') return {};
  std::error_code ec;
  const std::string wanted = Resolved(device);
  for (fs::directory_iterator it(labelsFolder, ec), end; !ec && it != end; it.increment(ec)) {
    if (Resolved(it->path().string()) == wanted) return UnescapeLabelName(it->path().filename().string());
  }
  return {};
}

}  // namespace

std::string UnescapeMountField(std::string_view field) {
  std::string out;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() && IsOctal(field[i + 1]) && IsOctal(field[i + 2]) &&
        IsOctal(field[i + 3])) {
      out.push_back(static_cast<char>(((field[i + 1] - '0') << 6) | ((field[i + 2] - '0') << 3) | (field[i + 3] - '0')));
      i += 3;
    } else {
      out.push_back(field[i]);
    }
  }
  return out;
}

std::string UnescapeLabelName(std::string_view name) {
  std::string out;
  for (size_t i = 0; i < name.size(); ++i) {
    if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x' && HexValue(name[i + 2]) >= 0 &&
        HexValue(name[i + 3]) >= 0) {
      out.push_back(static_cast<char>(HexValue(name[i + 2]) * 16 + HexValue(name[i + 3])));
      i += 3;
    } else {
      out.push_back(name[i]);
    }
  }
  return out;
}

std::vector<MountedVolume> MountedVolumes(const std::string& mountsFile, const std::string& labelsFolder) {
  std::vector<MountedVolume> volumes;
  std::ifstream in(mountsFile);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string device, mountPoint;
    if (!(fields >> device >> mountPoint)) continue;
    MountedVolume volume{UnescapeMountField(mountPoint), {}};
    if (!UnderVolumeFolder(volume.mountPoint)) continue;
    volume.label = LabelOf(UnescapeMountField(device), labelsFolder);
    volumes.push_back(std::move(volume));
  }
  return volumes;
}

}  // namespace tmb
