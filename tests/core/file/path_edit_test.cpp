#include "core/file/path_edit.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "support/scripted_chooser.h"

namespace {

TEST(PathEdit, ExtensionsAndTitlesChangeAndTheRestStays) {
  struct Case {
    const char* path;
    const char* ext;
    const char* replaced;
    const char* appended;  // with "_01"
  } cases[] = {
      {"c:\\data\\start.txt", ".wdf", "c:\\data\\start.wdf", "c:\\data\\start_01.txt"},
      {"/home/u/a.b/pic", "bmp", "/home/u/a.b/pic.bmp", "/home/u/a.b/pic_01"},
      {"name.tar.gz", "", "name.tar", "name.tar_01.gz"},
      {"/x/.hidden", "png", "/x/.hidden.png", "/x/.hidden_01"},
      {"d:file.jpg", ".png", "d:file.png", "d:file_01.jpg"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReplaceExtension(c.path, c.ext), c.replaced) << c.path;
    EXPECT_EQ(AppendToFileTitle(c.path, "_01"), c.appended) << c.path;
  }
  std::array<char, 12> buffer{};
  std::strcpy(buffer.data(), "ab/c.txt");
  EXPECT_TRUE(ReplaceExtensionInPlace(buffer, "wdf"));
  EXPECT_STREQ(buffer.data(), "ab/c.wdf");
  EXPECT_FALSE(ReplaceExtensionInPlace(buffer, "longest"));  // does not fit: unchanged
  EXPECT_STREQ(buffer.data(), "ab/c.wdf");
}

TEST(PathEdit, TheFolderChooserShowsItsTitleAndReportsACancel) {
  tmb::test::ScriptedChooser chooser;
  std::string out = "before";
  EXPECT_EQ(BrowseForFolder(out, "/start", "保存フォルダ"), 0);
  EXPECT_EQ(out, "before");
  chooser.Next("/chosen");
  EXPECT_EQ(BrowseForFolder(out, "/start", "title"), 1);
  EXPECT_EQ(out, "/chosen");
  ASSERT_EQ(chooser.asked.size(), 2u);
  EXPECT_EQ(chooser.asked[0].title, "保存フォルダ");
  EXPECT_EQ(chooser.asked[0].folder, "/start");
  EXPECT_EQ(chooser.asked[1].title, "title");
}

}  // namespace
