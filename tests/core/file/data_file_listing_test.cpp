#include "core/file/data_file_listing.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

struct Listed {
  std::string name;
  bool folder;
  bool hasChildren;
  friend bool operator==(const Listed&, const Listed&) = default;
};

void PrintTo(const Listed& l, std::ostream* os) {
  *os << l.name << (l.folder ? "/" : "") << (l.hasChildren ? " +" : "");
}

TEST(DataFileListing, DataFilesEndInWdfInAnyCase) {
  const struct {
    const char* name;
    bool data;
  } cases[] = {{"a.wdf", true},   {"B.WDF", true},   {"x.Wdf", true}, {".wdf", false},
               {"a.wdf.bak", false}, {"awdf", false}, {"a.wd", false}, {"", false}};
  for (const auto& c : cases) EXPECT_EQ(IsDataFileName(c.name), c.data) << c.name;
}

TEST(DataFileListing, AFolderListsItsFoldersAndDataFilesByAbsolutePathAndNeverMovesTheCurrentFolder) {
  tmb::test::TempDir dir, elsewhere;
  const std::vector<uint8_t> bytes{1, 2, 3};
  for (const char* file : {"a.wdf", "B.WDF", "notes.txt", ".old.wdf", "sub/z.wdf", "deep/x/y.txt"}) {
    fs::create_directories((dir / file).parent_path());
    tmb::test::WriteFileBytes(dir / file, bytes);
  }
  fs::create_directories(dir / "empty");
  fs::create_directories(dir / ".hidden/inner");
  fs::create_directories(dir / "only_text");
  tmb::test::WriteFileBytes(dir / "only_text/readme.txt", bytes);
  fs::create_directory_symlink(dir / "sub", dir / "link");
  fs::create_directory_symlink(elsewhere / "missing", dir / "dangling");
  // A name that is no UTF-8 opens by its bytes.
  const std::string latin1 = "caf\xe9.wdf";
  tmb::test::WriteFileBytes(dir / latin1, bytes);

  const fs::path cwd = fs::current_path();
  std::vector<CFolderItem> items;
  ASSERT_TRUE(ListDataFolder(dir.path().string(), items));
  EXPECT_EQ(fs::current_path(), cwd);

  std::vector<Listed> listed;
  for (const CFolderItem& item : items) {
    listed.push_back({item.m_strName, item.m_bFolder, item.m_bHasChildren});
    EXPECT_EQ(item.m_strPath, (dir / item.m_strName).string());
    EXPECT_TRUE(fs::exists(item.m_strPath)) << item.m_strPath;
  }
  const std::vector<Listed> expected = {
      {"a.wdf", false, false}, {"B.WDF", false, false},    {latin1, false, false},  {"deep", true, true},
      {"empty", true, false},  {"link", true, true},       {"only_text", true, false}, {"sub", true, true},
  };
  EXPECT_EQ(listed, expected);
  EXPECT_EQ(tmb::test::FileBytes(items[2].m_strPath), bytes);

  // A path given with a separator at its end joins without a second one.
  ASSERT_TRUE(ListDataFolder(dir.path().string() + "/", items));
  EXPECT_EQ(items[0].m_strPath, (dir / "a.wdf").string());
}

TEST(DataFileListing, AFolderThatCannotBeReadListsNothing) {
  tmb::test::TempDir dir;
  tmb::test::WriteFileBytes(dir / "file.wdf", {1});
  std::vector<CFolderItem> items{CFolderItem{}};
  EXPECT_FALSE(ListDataFolder((dir / "missing").string(), items));
  EXPECT_TRUE(items.empty());
  EXPECT_FALSE(ListDataFolder((dir / "file.wdf").string(), items));
  EXPECT_FALSE(HasListedChild((dir / "missing").string()));
}

std::vector<CTreeRoot> SampleRoots() {
  return ListTreeRoots("/home/u", "/opt/tmb/data/",
                       {{"/media/u/USB", "STICK"}, {"/mnt/disk", ""}, {"/home/u", "HOME"}});
}

TEST(DataFileListing, TheRootsAreHomeDataFolderFileSystemAndVolumesEachOnce) {
  std::vector<std::string> texts, paths;
  for (const CTreeRoot& r : SampleRoots()) {
    texts.push_back(r.m_strText);
    paths.push_back(r.m_strPath);
  }
  EXPECT_EQ(texts, (std::vector<std::string>{"u (/home/u)", "data (/opt/tmb/data)", "(/)", "STICK (/media/u/USB)",
                                             "disk (/mnt/disk)"}));
  EXPECT_EQ(paths, (std::vector<std::string>{"/home/u", "/opt/tmb/data", "/", "/media/u/USB", "/mnt/disk"}));
  // No home: the others stand.
  EXPECT_EQ(ListTreeRoots("", "/data", {}).size(), 2u);
}

TEST(DataFileListing, AFolderIsReachedFromTheNearestRootThatHoldsIt) {
  const std::vector<CTreeRoot> roots = SampleRoots();
  const struct {
    const char* folder;
    int root;
    std::vector<std::string> below;
  } cases[] = {
      {"/home/u/a/b", 0, {"a", "b"}},
      {"/home/u/", 0, {}},
      {"/opt/tmb/data", 1, {}},
      {"/home/uv", 2, {"home", "uv"}},  // a name that only begins like a root's
      {"/etc//x", 2, {"etc", "x"}},
      {"/media/u/USB/pics", 3, {"pics"}},
      {"relative/path", -1, {}},
      {"", -1, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.folder);
    std::vector<std::string> below{"stale"};
    EXPECT_EQ(FindRootOf(roots, c.folder, below), c.root);
    EXPECT_EQ(below, c.below);
  }
}

}  // namespace
