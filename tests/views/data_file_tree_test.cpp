#include "views/data_file_tree.h"

#include <gtest/gtest.h>

#include <QTreeWidget>
#include <filesystem>
#include <string>
#include <vector>

#include "support/file_bytes.h"
#include "support/store_folder.h"
#include "support/temp_dir.h"
#include "support/wdf_builder.h"
#include "view_fixture.h"

namespace tmb::test {
namespace {

namespace fs = std::filesystem;

constexpr int kWidthParam = 3;
constexpr int kFileWidth = 9;
// The length of the block's value table, of at least one entry.
constexpr int kValueTableParam = 50;

class DataFileTree : public DrawingViewTest {
 protected:
  void SetUp() override {
    DrawingViewTest::SetUp();
    WdfBlock block;
    block.points = {{5, 5, 1, -1}, {60, 5, 0, -1}};
    block.params = {{kWidthParam, kFileWidth}, {kValueTableParam, 1}};
    block.valueTable = {0};
    const std::vector<uint8_t> file = BuildWdfFile({block});
    WriteFileBytes(dir / "a.wdf", file);
    WriteFileBytes(dir / "B.WDF", file);
    WriteFileBytes(dir / "notes.txt", {1});
    fs::create_directories(dir / "empty");
    fs::create_directories(dir / ".hidden/inner");
    fs::create_directories(dir / "sub/deeper");
    fs::create_directories(elsewhere / "target");
    WriteFileBytes(elsewhere / "target/x.wdf", file);
    fs::create_directory_symlink(elsewhere / "target", dir / "gone");
    gDrawState.m_szCurFolder = dir.path().string();
    gDrawState.m_szCurFolderCrt = (dir / "sub").string();
    gDrawState.m_nCreatingKind = 0;
  }

  QTreeWidgetItem* RootAt(const fs::path& path) const {
    for (int i = 0; i < list.tree()->topLevelItemCount(); ++i) {
      if (CListv::PathOf(list.tree()->topLevelItem(i)) == path.string()) return list.tree()->topLevelItem(i);
    }
    return nullptr;
  }
  static QTreeWidgetItem* Child(QTreeWidgetItem* item, const std::string& name) {
    for (int c = 0; c < item->childCount(); ++c) {
      if (item->child(c)->text(0).toStdString() == name) return item->child(c);
    }
    return nullptr;
  }
  static std::vector<std::string> Names(QTreeWidgetItem* item) {
    std::vector<std::string> names;
    for (int c = 0; c < item->childCount(); ++c) names.push_back(item->child(c)->text(0).toStdString());
    return names;
  }
  // Chooses item as the user does, by selecting it.
  void Choose(QTreeWidgetItem* item) { list.tree()->setCurrentItem(item); }

  TempDir dir, elsewhere;
  ScopedStoreFolder store;
  CListv list{nullptr, 0};
};

TEST_F(DataFileTree, OpensAtTheStartFolderWithTheDataFilesAndFoldersBesideIt) {
  const fs::path cwd = fs::current_path();
  list.OnInitialUpdate();
  QTreeWidgetItem* root = RootAt(dir.path());
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->text(0).toStdString(), dir.path().filename().string() + " (" + dir.path().string() + ")");
  ASSERT_NE(RootAt("/"), nullptr);
  EXPECT_EQ(RootAt("/")->childCount(), 0) << "a root is read only when opened";
  // The start folder shows in its parent, opened.
  EXPECT_TRUE(root->isExpanded());
  EXPECT_EQ(Names(root), (std::vector<std::string>{"a.wdf", "B.WDF", "empty", "gone", "sub"}));
  QTreeWidgetItem* sub = Child(root, "sub");
  EXPECT_FALSE(sub->isExpanded());
  EXPECT_EQ(CListv::PathOf(sub), (dir / "sub").string());
  EXPECT_EQ(Child(root, "empty")->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator);
  EXPECT_EQ(sub->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
  EXPECT_FALSE(CListv::IsFolderItem(Child(root, "a.wdf")));

  // Opening a folder lists it once.
  sub->setExpanded(true);
  EXPECT_EQ(Names(sub), (std::vector<std::string>{"deeper"}));
  sub->setExpanded(false);
  sub->setExpanded(true);
  EXPECT_EQ(sub->childCount(), 1);

  // Building again gives the same tree, not a second one.
  const int roots = list.tree()->topLevelItemCount();
  list.OnInitialUpdate();
  EXPECT_EQ(list.tree()->topLevelItemCount(), roots);
  EXPECT_EQ(RootAt(dir.path())->childCount(), 5);
  EXPECT_EQ(fs::current_path(), cwd);
  EXPECT_EQ(gDrawState.m_szCurFolderCrt, (dir / "sub").string());
}

TEST_F(DataFileTree, AChosenFileGivesItsSettingsAndAFolderThatIsGoneBeeps) {
  AddThreeStrokes(a);
  const int points = a.m_nPoints;
  ASSERT_NE(a.m_param[kWidthParam], kFileWidth);
  const fs::path cwd = fs::current_path();
  list.OnInitialUpdate();
  QTreeWidgetItem* root = RootAt(dir.path());
  ASSERT_NE(root, nullptr);

  Choose(Child(root, "a.wdf"));
  EXPECT_EQ(a.m_param[kWidthParam], kFileWidth);
  EXPECT_EQ(a.m_nPoints, points) << "the character's points stay";
  EXPECT_EQ(a.m_pPoints[0], (Point{100, 100}));
  EXPECT_TRUE(list.tree()->selectedItems().isEmpty()) << "the choice is undone, so it can be made again";
  a.m_param[kWidthParam] = 1;
  Choose(Child(root, "a.wdf"));
  EXPECT_EQ(a.m_param[kWidthParam], kFileWidth);

  // An empty folder opens to nothing, quietly; a folder whose link leads nowhere beeps.
  Choose(Child(root, "empty"));
  EXPECT_EQ(Child(root, "empty")->childCount(), 0);
  EXPECT_EQ(messages.beeps, 0);
  fs::remove_all(elsewhere / "target");
  Choose(Child(root, "gone"));
  EXPECT_EQ(messages.beeps, 1);
  EXPECT_EQ(Child(root, "gone")->childCount(), 0);
  EXPECT_EQ(Child(root, "gone")->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator);
  EXPECT_TRUE(messages.ids.empty());

  EXPECT_EQ(fs::current_path(), cwd);
  EXPECT_EQ(gDrawState.m_szCurFolderCrt, (dir / "sub").string());
}

}  // namespace
}  // namespace tmb::test
