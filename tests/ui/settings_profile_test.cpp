#include "platform/ui/settings_profile.h"

#include <QFile>
#include <filesystem>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

#include "support/file_bytes.h"
#include "support/small_disk.h"
#include "support/temp_dir.h"

namespace tmb::ui {
namespace {

QString IniIn(const test::TempDir& dir) { return QString::fromStdString((dir / "t.ini").string()); }

TEST(SettingsProfile, ValuesSurviveAReopen) {
  test::TempDir dir;
  {
    SettingsProfile p(IniIn(dir));
    p.WriteInt("Data", "CountV3", 12);
    p.WriteInt("Data", "BackColorPreview", 0xFFC080);
    p.WriteString("SubData", "Box1", "(  -1,   2)-(   3,   4)");
    p.WriteString("Data", "DrawFilePath", "/home/ü/文字");
  }
  SettingsProfile p(IniIn(dir));
  EXPECT_EQ(p.GetInt("Data", "CountV3", 0), 12);
  EXPECT_EQ(p.GetInt("Data", "BackColorPreview", 0), 0xFFC080);
  EXPECT_EQ(p.GetString("SubData", "Box1", ""), "(  -1,   2)-(   3,   4)");
  EXPECT_EQ(p.GetString("Data", "DrawFilePath", ""), "/home/ü/文字");
}

TEST(SettingsProfile, MissingOrDamagedValuesGiveTheDefault) {
  test::TempDir dir;
  QFile file(IniIn(dir));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("[Data]\nPenDelay=fast\nPenSpeed= 4 \nBox=1,2,3,4\n[Broken\nTotal\n");
  file.close();
  SettingsProfile p(IniIn(dir));
  EXPECT_EQ(p.GetInt("Data", "PenDelay", 15), 15);
  EXPECT_EQ(p.GetInt("Data", "PenSpeed", 3), 4);
  EXPECT_EQ(p.GetInt("Data", "Missing", -7), -7);
  EXPECT_EQ(p.GetString("Data", "Missing", "x"), "x");
  EXPECT_EQ(p.GetString("Data", "Box", ""), "1,2,3,4");
}

TEST(SettingsProfile, ASyncThatCannotWriteSaysSoAndKeepsTheOldSettings) {
  test::TempDir dir;
  {
    SettingsProfile p(IniIn(dir));
    p.WriteString("Data", "DrawFilePath", "/home/old");
    ASSERT_TRUE(p.Sync());
  }
  const std::vector<uint8_t> old = test::FileBytes(IniIn(dir).toStdString());
  ASSERT_FALSE(old.empty());
  {
    // The disk stays full until the profile is gone: closing it writes once more.
    test::SmallDisk full(old.size() + 8);
    SettingsProfile p(IniIn(dir));
    p.WriteString("Data", "DrawFilePath", std::string(4096, 'n'));
    EXPECT_FALSE(p.Sync());
  }
  EXPECT_EQ(test::FileBytes(IniIn(dir).toStdString()), old);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1);

  // A folder that is a file cannot take the settings at all.
  SettingsProfile nowhere(QString::fromStdString((dir / "t.ini" / "x.ini").string()));
  nowhere.WriteInt("Data", "CountV3", 1);
  EXPECT_FALSE(nowhere.Sync());
}

}  // namespace
}  // namespace tmb::ui
