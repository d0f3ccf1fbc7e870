#include "platform/file/mounted_volumes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

TEST(MountedVolumes, VolumesUnderTheDiskFoldersComeWithTheirLabels) {
  tmb::test::TempDir dir;
  const fs::path devices = dir / "dev", labels = dir / "by-label";
  fs::create_directories(devices);
  fs::create_directories(labels);
  for (const char* device : {"sdb1", "sdc1", "sdd1"}) tmb::test::WriteFileBytes(devices / device, {0});
  fs::create_symlink(devices / "sdb1", labels / "MY\\x20STICK");
  fs::create_symlink("../dev/sdc1", labels / "DISK");
  const std::string dev = devices.string() + "/";
  tmb::test::WriteFileBytes(dir / "mounts",
                            Bytes("proc /proc proc rw 0 0\n" +
                                  dev + "sdb1 /media/u/USB\\040STICK vfat rw 0 0\n"
                                  "/dev/sda1 / ext4 rw 0 0\n"
                                  "tmpfs /mnt/ram tmpfs rw 0 0\n" +
                                  dev + "sdc1 /run/media/u/DISK ext4 rw 0 0\n" +
                                  dev + "sdd1 /media ext4 rw 0 0\n"
                                  "broken\n"
                                  "\n" +
                                  dev + "sdd1 /mnt/plain ext4 rw 0 0\n"));
  const std::vector<tmb::MountedVolume> volumes = tmb::MountedVolumes((dir / "mounts").string(), labels.string());
  std::vector<std::string> seen;
  for (const tmb::MountedVolume& v : volumes) seen.push_back(v.mountPoint + "|" + v.label);
  EXPECT_EQ(seen, (std::vector<std::string>{"/media/u/USB STICK|MY STICK", "/mnt/ram|", "/run/media/u/DISK|DISK",
                                            "/mnt/plain|"}));
}

TEST(MountedVolumes, AMissingListOrLabelsFolderGivesWhatItCan) {
  tmb::test::TempDir dir;
  EXPECT_TRUE(tmb::MountedVolumes((dir / "none").string(), (dir / "none").string()).empty());
  tmb::test::WriteFileBytes(dir / "mounts", Bytes("/dev/x /mnt/a ext4 rw 0 0\n"));
  const std::vector<tmb::MountedVolume> volumes =
      tmb::MountedVolumes((dir / "mounts").string(), (dir / "no-labels").string());
  ASSERT_EQ(volumes.size(), 1u);
  EXPECT_EQ(volumes[0].mountPoint, "/mnt/a");
  EXPECT_EQ(volumes[0].label, "");
}

TEST(MountedVolumes, EscapesAreUndoneAndBrokenOnesKept) {
  EXPECT_EQ(tmb::UnescapeMountField("/media/a\\040b\\011c\\134d"), "/media/a b\tc\\d");
  EXPECT_EQ(tmb::UnescapeMountField("a\\04"), "a\\04");
  EXPECT_EQ(tmb::UnescapeMountField("a\\089"), "a\\089");
  EXPECT_EQ(tmb::UnescapeLabelName("MY\\x20DISK\\x2f"), "MY DISK/");
  EXPECT_EQ(tmb::UnescapeLabelName("a\\x2"), "a\\x2");
  EXPECT_EQ(tmb::UnescapeLabelName("a\\xZZ"), "a\\xZZ");
}

}  // namespace
