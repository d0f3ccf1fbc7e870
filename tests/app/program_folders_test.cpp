// The program's folders: the data folder found from the program's own place and only
// read, the user's folder the store writes to, the help, and what start-up says when the
// data folder lacks a file.
#include "app/program_folders.h"

#include <QStandardPaths>
#include <filesystem>

#include "app/app_fixture.h"
#include "app/kind_lookup.h"
#include "core/canvas/work_canvas.h"
#include "core/document/tmb_doc.h"
#include "core/file/stored_path.h"
#include "core/record/char_slots.h"
#include "core/record/default_files.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace tmb::test {
namespace {

namespace fs = std::filesystem;

const fs::path kBuildData = fs::path(TMB_BUILD_DIR) / "data";

TEST(ProgramFolders, TheDataFolderIsLookedForInTheInstalledLayoutThenBesideTheProgram) {
  EXPECT_EQ(DataFolderCandidates("/opt/t/bin"), (std::vector<std::string>{"/opt/t/share/tamberi", "/opt/t/bin/data"}));
  TempDir root;
  const std::vector<std::string> candidates = DataFolderCandidates((root / "bin").string());
  EXPECT_EQ(FindDataFolder(candidates), candidates[0]) << "none there: the installed one is named";
  fs::create_directories(root / "bin" / "data");
  EXPECT_EQ(FindDataFolder(candidates), (root / "bin" / "data").string());
  fs::create_directories(root / "share" / "tamberi");
  EXPECT_EQ(FindDataFolder(candidates), (root / "share" / "tamberi").string());
  EXPECT_EQ(HelpFilePath("/usr/share/tamberi"), "/usr/share/tamberi/help/index.html");
}

TEST(ProgramFolders, TheBuiltDataFolderHoldsEveryFileTheProgramReadsAndItsHelp) {
  EXPECT_TRUE(MissingDataFiles(kBuildData.string()).empty());
  EXPECT_TRUE(fs::is_regular_file(HelpFilePath(kBuildData.string())));
  const std::vector<std::string> all = MissingDataFiles("/nowhere");
  EXPECT_EQ(all.size(), 4 + kDefaultEffectFiles.size());  // with the style file
  EXPECT_EQ(all.front(), kDefaultCharFile);
}

using StartFolders = AppTest;

TEST_F(StartFolders, FromTheBuildTreeTheDataFolderIsBesideTheProgramAndTheStoreIsTheUsers) {
  const std::string user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
  ASSERT_FALSE(user.empty());
  fs::remove_all(user);
  ASSERT_TRUE(Start());
  EXPECT_EQ(gDrawState.m_szCurFolder, kBuildData.string());
  EXPECT_EQ(theApp.m_strHelpPath, HelpFilePath(kBuildData.string()));
  EXPECT_EQ(gDrawState.m_szUserFolder, user);
  EXPECT_EQ(gWorkCanvas.m_folder, user);
  EXPECT_EQ(gDrawState.m_szDrawFilePath, user);
  // The record defaults name the shipped pictures, and they are there.
  for (int slot : {0, 1}) {
    for (int text : {kTextPicture1, kTextPicture2}) {
      const std::string picture = ResolveStoredPath(gCharSlots[slot].m_text[text]);
      EXPECT_EQ(fs::path(picture).parent_path(), kBuildData) << picture;
      EXPECT_TRUE(fs::is_regular_file(picture)) << picture;
    }
  }
  // Nothing was asked or shown, and nothing was written: the user's folder is made on
  // first need.
  EXPECT_TRUE(messages.ids.empty());
  EXPECT_FALSE(fs::exists(user));
  // The free space asked about is that of the user's folder, or of the nearest folder
  // above it that exists.
  ASSERT_EQ(machine.spaceFolders.size(), 1u);
  EXPECT_EQ(user.rfind(machine.spaceFolders[0], 0), 0u) << machine.spaceFolders[0];
  EXPECT_TRUE(fs::is_directory(machine.spaceFolders[0]));
}

TEST_F(StartFolders, TheDefaultFileLoadsFromTheDataFolderWhereverTheProgramStarted) {
  TempDir elsewhere;
  const fs::path cwd = fs::current_path();
  fs::current_path(elsewhere.path());
  profile.WriteString("Data", "StartLoadFileName", "standerd");
  const bool started = Start();
  fs::current_path(cwd);
  ASSERT_TRUE(started);
  EXPECT_EQ(gDrawState.m_nStartLoadMode, kStartNamedFile);
  // Its settings, the defaults of slots 0 and 1, became the start settings of slots 4 and
  // 5 (whose own brush preset differs); the title names it, and no window saves to it.
  for (int slot : {4, 5}) {
    EXPECT_EQ(gCharSlots[slot].m_param[0], 3) << slot;
    EXPECT_EQ(gCharSlots[slot].m_param[3], 15) << slot;
  }
  EXPECT_EQ(gDrawState.m_szCharFilePath, "standerd.wdf");
  EXPECT_FALSE(GetCharDocumentOfKind(kKindDrawA)->HasPath());
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(StartFolders, ADataFolderThatLacksFilesIsToldAndStartUpGoesOn) {
  TempDir root;
  fs::create_directories(root / "share" / "tamberi");
  fs::copy_file(kBuildData / kDefaultCharFile, root / "share" / "tamberi" / kDefaultCharFile);
  theApp.SetProgramFile((root / "bin" / "tamberi").string());
  ASSERT_TRUE(Start());
  // The missing style file is named in the list, and its reader says it found none.
  ASSERT_EQ(messages.ids, (std::vector<int>{61515, 61575}));
  const std::string& text = messages.texts[0];
  EXPECT_NE(text.find("style_def.dat"), std::string::npos);
  EXPECT_NE(text.find(kDefaultPictureFlowers), std::string::npos);
  EXPECT_NE(text.find(kDefaultEffectFiles[3]), std::string::npos);
  EXPECT_EQ(text.find(kDefaultCharFile), std::string::npos) << "it is there";
  EXPECT_NE(text.find((root / "share" / "tamberi").string()), std::string::npos);
  EXPECT_EQ(frame()->ChildFrames().size(), 2u);
  // The help is looked for in the same folder, and the message says where.
  frame()->WinHelp(0);
  ASSERT_EQ(messages.ids.size(), 3u);
  EXPECT_EQ(messages.ids[2], 61510);
  EXPECT_NE(messages.texts[2].find((root / "share" / "tamberi" / "help" / "index.html").string()), std::string::npos);
  theApp.Reset();

  // No data folder at all: both places are named.
  fs::remove_all(root / "share");
  messages.ids.clear();
  messages.texts.clear();
  ASSERT_TRUE(Start());
  ASSERT_EQ(messages.ids, (std::vector<int>{61515, 61575}));
  EXPECT_NE(messages.texts[0].find(kDefaultCharFile), std::string::npos);
  EXPECT_NE(messages.texts[0].find((root / "share" / "tamberi").string()), std::string::npos);
  EXPECT_NE(messages.texts[0].find((root / "bin" / "data").string()), std::string::npos);
}

}  // namespace
}  // namespace tmb::test
