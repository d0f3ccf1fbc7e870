// The recent character files: the list itself (newest first, four at most, one entry per
// file), and the File menu across a restart of the program with its settings kept, where
// a file removed meanwhile is taken off with a message and the others open.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/app_fixture.h"
#include "app/kind_lookup.h"
#include "app/recent_files.h"
#include "platform/ui/settings_profile.h"
#include "resources/command_ids.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace tmb::test {
namespace {

namespace fs = std::filesystem;

constexpr int kMsgRecentFileGone = 61512;

TEST(RecentFileList, NewestFirstFourAtMostAndEachFileOnce) {
  TempDir dir;
  const std::string a = (dir / "a.wdf").string(), b = (dir / "b.wdf").string();
  CRecentFileList list(4);
  for (const char* name : {"a.wdf", "b.wdf", "c.wdf", "d.wdf", "e.wdf"}) list.Add((dir / name).string());
  EXPECT_EQ(list.paths(), (std::vector<std::string>{(dir / "e.wdf").string(), (dir / "d.wdf").string(),
                                                    (dir / "c.wdf").string(), b}));
  list.Add((dir / "sub" / ".." / "c.wdf").string());
  EXPECT_EQ(list.paths().front(), (dir / "c.wdf").string()) << "another spelling of the same file";
  EXPECT_EQ(list.paths().size(), 4u);
  list.Remove(3);
  list.Remove(7);
  EXPECT_EQ(list.paths().size(), 3u);

  MemoryProfile profile;
  list.Write(profile);
  EXPECT_EQ(profile.GetString(CRecentFileList::kSection, "File4", "x"), "") << "a key without a file is emptied";
  CRecentFileList back(4);
  back.Read(profile);
  EXPECT_EQ(back.paths(), list.paths());
  profile.WriteString(CRecentFileList::kSection, "File2", "");
  back.Read(profile);
  EXPECT_EQ(back.paths().size(), 1u) << "an empty key ends the list";
}

class RecentFiles : public AppTest {
 protected:
  // A file whose character in window A has points points.
  std::string WriteCharacterFile(const std::string& name, int points) {
    const fs::path path = dir / name;
    std::vector<WdfPoint> stroke;
    for (int i = 0; i < points; ++i) stroke.push_back({100 + 5 * i, 110, i == 0 ? 1 : 0, 30});
    WriteFileBytes(path, BuildWdfFile({CharPart(1, stroke), CharPart(0, {})}));
    return path.string();
  }
  // The texts of the recent files the File menu shows.
  std::vector<QString> RecentItems() {
    std::vector<QString> items;
    for (int i = 0; i < kRecentFileCount; ++i) {
      QAction* a = frame()->ActionOf(kCmdRecentFile1 + i);
      if (a && a->isVisible()) items.push_back(a->text());
    }
    return items;
  }
  // Whether the File menu holds the recent-file items before its exit.
  bool InFileMenu() {
    QAction* exit = frame()->ActionOf(kCmdFileExit);
    for (QAction* top : frame()->menuBar()->actions()) {
      if (!top->menu() || !top->menu()->actions().contains(exit)) continue;
      const QList<QAction*> items = top->menu()->actions();
      return items.indexOf(frame()->ActionOf(kCmdRecentFile1)) >= 0 &&
             items.indexOf(frame()->ActionOf(kCmdRecentFile1)) < items.indexOf(exit);
    }
    return false;
  }

  TempDir dir;
};

TEST_F(RecentFiles, TheListOutlivesARestartAndARemovedFileIsTakenOffWithAMessage) {
  const QString ini = QString::fromStdString((dir / "profile.ini").string());
  const std::string first = WriteCharacterFile("first.wdf", 2);
  const std::string second = WriteCharacterFile("second.wdf", 3);
  {
    ui::SettingsProfile store(ini);
    SetProfileStore(&store);
    ASSERT_TRUE(Start());
    EXPECT_TRUE(RecentItems().empty());
    for (const std::string& path : {first, second}) {
      chooser.Next(path);
      ASSERT_TRUE(frame()->ExecuteCommand(kCmdFileOpen));
    }
    const QString folder = QString::fromStdString(dir.path().string());
    EXPECT_EQ(RecentItems(), (std::vector<QString>{QStringLiteral("&1 second.wdf  (%1)").arg(folder),
                                                   QStringLiteral("&2 first.wdf  (%1)").arg(folder)}));
    frame()->close();
    theApp.ExitInstance();
    ASSERT_TRUE(store.Sync());
    theApp.Reset();
    theApp.m_recentFiles.Clear();
    gDrawState.Reset();
  }
  fs::remove(first);
  ui::SettingsProfile store(ini);
  SetProfileStore(&store);
  ASSERT_TRUE(Start());
  ASSERT_EQ(RecentItems().size(), 2u);
  EXPECT_TRUE(InFileMenu());
  EXPECT_TRUE(RecentItems()[0].startsWith(QStringLiteral("&1 second.wdf")));

  messages.ids.clear();
  EXPECT_TRUE(frame()->ExecuteCommand(kCmdRecentFile1 + 1));
  EXPECT_EQ(messages.ids, std::vector<int>{kMsgRecentFileGone});
  EXPECT_EQ(theApp.m_recentFiles.paths(), std::vector<std::string>{second});
  EXPECT_EQ(RecentItems().size(), 1u);
  EXPECT_FALSE(frame()->QueryCommand(kCmdRecentFile1 + 1).enabled());

  EXPECT_TRUE(frame()->ExecuteCommand(kCmdRecentFile1));
  EXPECT_EQ(gDrawState.m_szCharFilePath, second);
  const CCharDataFull& a = *GetCharDocumentOfKind(kKindDrawA)->DrawnRecord();
  EXPECT_EQ(a.m_nPoints, 3);
  frame()->close();
  theApp.ExitInstance();
  ASSERT_TRUE(store.Sync());
  SetProfileStore(&profile);
  ui::SettingsProfile after(ini);
  EXPECT_EQ(after.GetString(CRecentFileList::kSection, "File1", ""), second);
  EXPECT_EQ(after.GetString(CRecentFileList::kSection, "File2", "x"), "");
}

}  // namespace
}  // namespace tmb::test
