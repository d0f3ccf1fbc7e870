#include "platform/ui/settings_profile.h"

#include <QFile>
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tmb::ui
