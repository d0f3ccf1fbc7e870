// The file chooser's several-file question on a chooser that takes one file at a time.
#include "platform/service/file_chooser.h"

#include <gtest/gtest.h>

namespace {

class OneAnswer final : public tmb::FileChooser {
 public:
  bool OpenFile(const tmb::FileChoice& choice, std::string& path) override {
    title = choice.title;
    if (answer.empty()) return false;
    path = answer;
    return true;
  }
  bool SaveFile(const tmb::FileChoice&, std::string&) override { return false; }
  bool ChooseFolder(const std::string&, std::string&, const std::string&) override { return false; }
  std::string answer, title;
};

TEST(FileChooser, SeveralFilesFromAOneFileChooserAreItsOneAnswer) {
  OneAnswer chooser;
  std::vector<std::string> paths = {"left over"};
  EXPECT_FALSE(chooser.OpenFiles({"t", "", "", "", ""}, paths));
  EXPECT_EQ(paths, (std::vector<std::string>{"left over"}));
  chooser.answer = "/a/b.bmp";
  EXPECT_TRUE(chooser.OpenFiles({"t", "", "", "", ""}, paths));
  EXPECT_EQ(paths, (std::vector<std::string>{"/a/b.bmp"}));
  EXPECT_EQ(chooser.title, "t");
  // The chooser installed by default cancels.
  EXPECT_FALSE(tmb::Choosers().OpenFiles({}, paths));
}

}  // namespace
