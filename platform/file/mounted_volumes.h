// The volumes mounted where a desktop puts removable and extra disks (/media, /run/media,
// /mnt), read from the kernel's mount list, each with its file system label when the
// system names one. Reading the list never touches a volume.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tmb {

struct MountedVolume {
  std::string mountPoint;  // absolute
  std::string label;       // empty when the volume has none
};

// The volumes of mountsFile (the kernel's mount list format) mounted under the removable
// disk folders, in the list's order; labels from the links in labelsFolder that lead to
// a volume's device.
std::vector<MountedVolume> MountedVolumes(const std::string& mountsFile = "/proc/self/mounts",
                                          const std::string& labelsFolder = "/dev/disk/by-label");

// A field of the mount list with its octal escapes ("\040" a blank) undone.
std::string UnescapeMountField(std::string_view field);
// A link name of the labels folder with its hex escapes ("\x20" a blank) undone.
std::string UnescapeLabelName(std::string_view name);

}  // namespace tmb
