// The program as a desktop installs it: `cmake --install` into a temporary prefix; the
// desktop entry and the icon; the ".wdf" file type by its name and by its magic; and the
// installed program started with a fresh home, which reads its data from the prefix,
// keeps the user's characters and store in the user's folder and writes nothing into the
// prefix (which the tests make read-only and compare before and after).
#include <QAbstractButton>
#include <QStandardPaths>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>

#include "app/app_fixture.h"
#include "app/kind_lookup.h"
#include "app/program_folders.h"
#include "app/tmb_document.h"
#include "core/bitmap/dib.h"
#include "core/canvas/work_canvas.h"
#include "core/document/tmb_doc.h"
#include "core/file/char_block_format.h"
#include "core/file/stored_path.h"
#include "core/path/stroke_path.h"
#include "core/record/char_slots.h"
#include "core/record/default_files.h"
#include "core/record/log_font.h"
#include "core/store/char_store.h"
#include "core/text/text_settings.h"
#include "export/animation/anim_sheet_values.h"
#include "export/sheet/ani_base_page.h"
#include "export/sheet/ani_p_sheet.h"
#include "export/sheet/ani_save_page.h"
#include "platform/file/binary_file.h"
#include "support/char_file_fixture.h"
#include "support/checking_tool.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"
#include "support/ui/menu_path.h"

namespace tmb::test {
namespace {

namespace fs = std::filesystem;

constexpr char kMimeType[] = "application/x-tamberi-wdf";
const char kKanji[] = "\x8A\xBF";  // 漢
const std::vector<WdfPoint> kStrokes = {{100, 120, 1, 40}, {180, 130, 0, 60}, {150, 90, 1, 50}, {155, 240, 0, 70}};

std::string Quote(const fs::path& path) { return "'" + path.string() + "'"; }

std::string Trimmed(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
  return text;
}

// Every file and folder under root with its size and time of change.
using Snapshot = std::map<std::string, std::pair<uintmax_t, fs::file_time_type>>;
Snapshot Take(const fs::path& root) {
  Snapshot snap;
  for (const fs::directory_entry& e : fs::recursive_directory_iterator(root)) {
    snap[fs::relative(e.path(), root).string()] = {e.is_regular_file() ? e.file_size() : 0, e.last_write_time()};
  }
  return snap;
}

void SetWritable(const fs::path& root, bool writable) {
  const auto bits = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  const auto how = writable ? fs::perm_options::add : fs::perm_options::remove;
  std::error_code ec;
  for (const fs::directory_entry& e : fs::recursive_directory_iterator(root, ec))
    fs::permissions(e.path(), bits, how, ec);
  fs::permissions(root, bits, how, ec);
}

// A character file of two parts written by the program's own writer.
void WriteCharacterFile(const fs::path& path) {
  auto record = std::make_unique<CCharDataFull>();
  SetPoints(*record, kStrokes);
  BinaryFile file;
  ASSERT_TRUE(file.Open(path, BinaryFile::Mode::kCreate));
  for (int part = 1; part <= 2; ++part) ASSERT_EQ(record->WriteBlock(file, part), 1);
  ASSERT_TRUE(file.Close());
}

class Installed : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    const ToolRun run = RunTool(Quote(TMB_CMAKE_COMMAND) + " --install " + Quote(TMB_BUILD_DIR) + " --prefix " +
                                Quote(prefix.path()) + " 2>&1");
    ASSERT_EQ(run.exitCode, 0) << run.output;
  }
  void TearDown() override {
    SetWritable(prefix.path(), true);
    if (savedDataHome) setenv("XDG_DATA_HOME", savedDataHome->c_str(), 1);
    AppTest::TearDown();
  }

  fs::path Share() const { return prefix / "share"; }
  fs::path DataFolder() const { return Share() / "tamberi"; }
  // The variables that make the desktop tools look into the prefix and a fresh home.
  std::string DesktopEnvironment() const {
    return "env HOME=" + Quote(home.path()) + " XDG_DATA_HOME=" + Quote(home / ".local/share") +
           " XDG_DATA_DIRS=" + Quote(Share()) + " XDG_CONFIG_HOME=" + Quote(home / ".config") +
           " XDG_CONFIG_DIRS=" + Quote(home / "xdg") + " XDG_CURRENT_DESKTOP=X-Generic ";
  }
  std::string FileType(const fs::path& file) const {
    return Trimmed(RunTool(DesktopEnvironment() + "xdg-mime query filetype " + Quote(file) + " 2>&1").output);
  }
  // The user's data folder of this program under the fresh home.
  void UseFreshHome() {
    if (const char* old = std::getenv("XDG_DATA_HOME")) savedDataHome = old;
    setenv("XDG_DATA_HOME", (home / ".local/share").c_str(), 1);
  }

  TempDir prefix, home;
  std::optional<std::string> savedDataHome;
};

TEST_F(Installed, TheLayoutIsThatOfADesktopProgramAndItsEntryIsValid) {
  if (!ToolInstalled("desktop-file-validate")) GTEST_SKIP() << "desktop-file-validate is not installed";
  EXPECT_TRUE(fs::is_regular_file(prefix / "bin" / "tamberi"));
  EXPECT_TRUE(MissingDataFiles(DataFolder().string()).empty());
  EXPECT_TRUE(fs::is_regular_file(HelpFilePath(DataFolder().string())));
  EXPECT_TRUE(fs::is_regular_file(Share() / "mime" / "packages" / "tamberi.xml"));
  const fs::path entry = Share() / "applications" / "tamberi.desktop";
  const ToolRun validate = RunTool("desktop-file-validate " + Quote(entry) + " 2>&1");
  EXPECT_EQ(validate.exitCode, 0) << validate.output;
  EXPECT_EQ(validate.output, "");
  const std::vector<uint8_t> bytes = FileBytes(entry);
  const std::string text(bytes.begin(), bytes.end());
  for (const char* line :
       {"Exec=tamberi %f\n", "Icon=tamberi\n", "Categories=Graphics;", "MimeType=application/x-tamberi-wdf;\n"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
  // The icon in the theme's usual sizes, each a sound PNG of its size.
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const std::string side = std::to_string(size);
    const fs::path icon = Share() / "icons/hicolor" / (side + "x" + side) / "apps/tamberi.png";
    const std::vector<uint8_t> png = FileBytes(icon);
    ASSERT_GE(png.size(), 24u) << icon;
    EXPECT_EQ((png[16] << 24) | (png[17] << 16) | (png[18] << 8) | png[19], size) << icon;
    ExpectPngcheckPasses(icon);
  }
}

TEST_F(Installed, TheFileTypeIsKnownByItsNameAndByItsMagicAndOpensWithTheProgram) {
  for (const char* tool : {"update-mime-database", "xdg-mime", "mimetype"}) {
    if (!ToolInstalled(tool)) GTEST_SKIP() << tool << " is not installed";
  }
  const ToolRun update = RunTool(DesktopEnvironment() + "update-mime-database " + Quote(Share() / "mime") + " 2>&1");
  ASSERT_EQ(update.exitCode, 0) << update.output;
  EXPECT_EQ(update.output, "");

  WriteCharacterFile(home / "mine.wdf");
  fs::copy_file(home / "mine.wdf", home / "mine");
  EXPECT_EQ(FileType(home / "mine.wdf"), kMimeType);
  EXPECT_EQ(FileType(home / "mine"), kMimeType) << "without its extension, by its magic";
  WriteFileBytes(home / "other", {'T', 'A', 'M', 'B', 'E', 'R', 'I', '!'});
  EXPECT_NE(FileType(home / "other"), kMimeType);

  // Every magic the reader accepts, and only those.
  const std::vector<std::string_view> accepted = AcceptedBlockMagics();
  std::vector<std::string> magics(accepted.begin(), accepted.end());
  magics.push_back("TAMBERI DATA FILE 9.9");
  for (size_t i = 0; i < magics.size(); ++i) {
    std::vector<uint8_t> head(kBlockMagicSize + 16, 0);
    std::copy(magics[i].begin(), magics[i].end(), head.begin());
    const fs::path file = home / ("block" + std::to_string(i));
    WriteFileBytes(file, head);
    EXPECT_EQ(FileType(file) == kMimeType, i < accepted.size()) << magics[i];
  }

  const ToolRun opener = RunTool(DesktopEnvironment() + "xdg-mime query default " + kMimeType + " 2>&1");
  EXPECT_EQ(Trimmed(opener.output), "tamberi.desktop");
}

TEST_F(Installed, TheInstalledProgramStartsFromThePrefixWithAFreshHomeAndWritesNothingThere) {
  WriteCharacterFile(home / "mine.wdf");
  // A screen of the size the drawing windows ask for, so that no notice about it is shown.
  std::ofstream(home / "screen.json")
      << R"({"screens": [{"name": "s", "x": 0, "y": 0, "width": 1280, "height": 1024, "logicalDpi": 96}]})";
  SetWritable(prefix.path(), false);
  const Snapshot before = Take(prefix.path());
  const std::string command =
      "cd " + Quote(home.path()) +
      " && env -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u XDG_CACHE_HOME HOME=" + Quote(home.path()) +
      " XDG_RUNTIME_DIR=" + Quote(home.path()) +
      " QT_QPA_PLATFORM=offscreen:configfile=" + Quote(home / "screen.json") + " TAMBERI_QUIT_AFTER_START=1 " +
      Quote(prefix / "bin" / "tamberi") + " mine.wdf 2>&1";
  const ToolRun run = RunTool(command);
  EXPECT_EQ(run.exitCode, 0) << run.output;
  // A run that asks nobody writes each message it would have shown as a line of its own:
  // none about missing data files, none about the file it opened.
  EXPECT_EQ(run.output.find("message "), std::string::npos) << run.output;
  EXPECT_EQ(Take(prefix.path()), before);
}

TEST_F(Installed, TheInstalledDataServesTheStartAndTheUsersCharactersStayInTheUsersFolder) {
  UseFreshHome();
  SetWritable(prefix.path(), false);
  const Snapshot before = Take(prefix.path());
  theApp.SetProgramFile((prefix / "bin" / "tamberi").string());
  ASSERT_TRUE(Start());
  EXPECT_TRUE(messages.ids.empty());
  EXPECT_EQ(gDrawState.m_szCurFolder, DataFolder().string());
  EXPECT_EQ(theApp.m_strHelpPath, HelpFilePath(DataFolder().string()));
  // The default file and the pictures the defaults name are those of the prefix.
  CTmbDocument* doc = qobject_cast<CTmbDocument*>(theApp.m_pKindDoc[0].data());
  ASSERT_TRUE(doc);
  EXPECT_EQ(doc->engine().LoadFile(kDefaultCharFile, 0), 1);
  for (int text : {kTextPicture1, kTextPicture2}) {
    const std::string picture = ResolveStoredPath(gCharSlots[1].m_text[text]);
    EXPECT_EQ(fs::path(picture).parent_path(), DataFolder());
    CDib dib;
    EXPECT_EQ(dib.ReadFile(picture), 1) << picture;
  }
  const fs::path user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
  EXPECT_EQ(user.parent_path(), home / ".local/share");
  EXPECT_EQ(gWorkCanvas.m_folder, user.string());
  EXPECT_FALSE(fs::exists(user)) << "made on first need only";

  // A character with a text character whose strokes are in the user's store.
  CCharDataFull& record = doc->engine().m_char;
  SetPoints(record, kStrokes);
  CTextSettings& text = record.m_textSettings[0];
  text.m_nEntries = 1;
  text.m_strText = kKanji;
  text.m_entries[0].SetChar(kKanji);
  text.m_entries[0].m_font = DefaultTextFont();
  text.m_entries[0].m_nScale = 100;
  {
    CharStore store;
    CStrokePath strokes(100);
    strokes.AppendPoint(10, 10, 1);
    strokes.AppendPoint(40, 60, 0);
    ASSERT_EQ(store.AddFontCharacter(text.m_entries[0], strokes), 1);
  }
  EXPECT_TRUE(fs::is_regular_file(user / "fontdata.idx"));

  const fs::path saved = user / "mine.wdf";
  ASSERT_EQ(doc->engine().SaveCharacterFile(saved.string()), 1);
  record.ClearPoints();
  ASSERT_EQ(doc->engine().LoadFile(saved.string(), 0), 1);
  EXPECT_EQ(RecordPoints(record), kStrokes);
  // The reopened file refilled window A's temporary set, beside the main store.
  EXPECT_TRUE(fs::is_regular_file(user / "fontdata_tmp1.idx"));
  EXPECT_TRUE(messages.ids.empty());
  EXPECT_EQ(Take(prefix.path()), before);
}

// A new record and the file page's first fill name the folder the program was started in
// as the save folder, so the first animation of an installed program writes its frames
// there, even when the process has moved on to another folder, and nothing into the
// prefix.
TEST_F(Installed, TheFirstAnimationWritesItsFramesIntoTheCurrentFolderAtStart) {
  UseFreshHome();
  SetWritable(prefix.path(), false);
  const Snapshot before = Take(prefix.path());
  const fs::path work = home / "work";
  fs::create_directories(work);
  const fs::path previous = fs::current_path();
  const int filled = gAnimSavePageFilled;
  gAnimSavePageFilled = 0;  // a fresh start of the program
  theApp.SetProgramFile((prefix / "bin" / "tamberi").string());
  fs::current_path(work);
  const bool started = Start();
  fs::current_path(previous);
  ASSERT_TRUE(started);
  ShowAndPaint();
  EXPECT_EQ(ResolveStoredPath(gCharSlots[0].m_text[kTextFolder]), work.string());

  auto click = [this](int id) {
    CAniPSheet& sheet = *frame()->AnimationSheet();
    auto* page = static_cast<CAniPage*>(sheet.Page(sheet.ActiveIndex()));
    auto* button = qobject_cast<QAbstractButton*>(page->Control(id));
    ASSERT_NE(button, nullptr) << id;
    button->click();
  };
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"动画", "ファイル"}));
  click(450);  // "作成する": the frame pictures
  click(CAniPage::kConfirm);
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"动画", "基本設定"}));
  click(CAniBasePage::kShowButton);
  gAnimSavePageFilled = filled;

  const int frames = GetCharDocumentOfKind(kKindDrawA)->DrawnRecord()->m_param[50];
  ASSERT_GE(frames, 2);
  int written = 0;
  for (const fs::directory_entry& e : fs::directory_iterator(work)) {
    const std::string name = e.path().filename().string();
    EXPECT_EQ(name.rfind("ani_", 0), 0u) << name;
    ++written;
  }
  EXPECT_EQ(written, frames);
  EXPECT_TRUE(fs::exists(work / "ani_01.bmp") || fs::exists(work / "ani_01.png") || fs::exists(work / "ani_01.jpg"));
  EXPECT_TRUE(messages.ids.empty());
  EXPECT_EQ(Take(prefix.path()), before);
}

}  // namespace
}  // namespace tmb::test
