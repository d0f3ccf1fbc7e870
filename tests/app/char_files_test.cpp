// Character data files through the application: the File menu's open, save and save as,
// the one-touch conversion and dropped files, with the user's answers scripted.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "app/app_fixture.h"
#include "app/dummy_doc.h"
#include "app/kind_lookup.h"
#include "app/tmb_document.h"
#include "core/bitmap/palettes.h"
#include "core/file/file_select.h"
#include "export/picture/picture_file_writer.h"
#include "core/path/stroke_path.h"
#include "core/record/log_font.h"
#include "core/store/char_store.h"
#include "core/store/store_paths.h"
#include "core/store/store_records.h"
#include "core/store/store_section.h"
#include "imageedit/view/bmp_view_window.h"
#include "resources/command_ids.h"
#include "support/file_bytes.h"
#include "support/path_points.h"
#include "support/read_only_folder.h"
#include "support/small_disk.h"
#include "support/temp_dir.h"
#include "support/ui/menu_path.h"

namespace tmb::test {
namespace {

namespace fs = std::filesystem;

class CharFiles : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    gFileSelect.Reset();
    ASSERT_TRUE(Start());
  }
  void TearDown() override {
    gFileSelect.Reset();
    ResetPalettes();
    AppTest::TearDown();
  }
  static CCharDataFull& Record(int kind) { return *GetCharDocumentOfKind(kind)->DrawnRecord(); }
  fs::path TwoParts(const char* name) {
    const fs::path path = dir / name;
    WriteFileBytes(path, BuildWdfFile({CharPart(1, {{100, 110, 1, 30}}, 21),
                                       CharPart(0, {{200, 210, 1, -1}, {201, 211, 0, -1}}, 22)}));
    return path;
  }

  TempDir dir;
};

TEST_F(CharFiles, TheOpenCommandLoadsBothPartsIntoWindowsAAndB) {
  const fs::path path = TwoParts("pair.wdf");
  chooser.Next(path.string());
  EXPECT_TRUE(frame()->ExecuteCommand(kCmdFileOpen));
  ASSERT_EQ(chooser.asked.size(), 1u);
  EXPECT_EQ(chooser.asked[0].filter, "(*.wdf)|*.wdf|(*.*)|*.*||");
  EXPECT_EQ(Record(kKindDrawA).m_nPoints, 1);
  EXPECT_EQ(Record(kKindDrawA).m_pPressure[0], 30);
  EXPECT_EQ(Record(kKindDrawA).m_param[3], 21);
  EXPECT_EQ(Record(kKindDrawB).m_nPoints, 2);
  EXPECT_EQ(Record(kKindDrawB).m_param[3], 22);
  EXPECT_EQ(gDrawState.m_szCharFilePath, path.string());
  EXPECT_EQ(gDrawState.m_szLastFolder, dir.path().string());
  EXPECT_EQ(frame()->windowTitle(), QStringLiteral("Tamberi - pair.wdf"));
  EXPECT_TRUE(messages.ids.empty());
  // Save is offered now; it writes both windows back to the same file.
  frame()->UpdateAllActions();
  EXPECT_TRUE(frame()->QueryCommand(kCmdFileSave).enabled());
  Record(kKindDrawB).m_pPoints[1] = {300, 310};
  Record(kKindDrawB).m_bModified = 1;
  EXPECT_TRUE(GetCharDocumentOfKind(kKindDrawB)->IsModified());
  EXPECT_TRUE(frame()->ExecuteCommand(kCmdFileSave));
  EXPECT_FALSE(GetCharDocumentOfKind(kKindDrawB)->IsModified());
  Record(kKindDrawB).m_nPoints = 0;
  chooser.Next(path.string());
  EXPECT_TRUE(frame()->ExecuteCommand(kCmdFileOpen));
  ASSERT_EQ(Record(kKindDrawB).m_nPoints, 2);
  EXPECT_EQ(Record(kKindDrawB).m_pPoints[1].x, 300);
}

// Another program that holds a store file: the file opened apart and locked until the
// object goes. A lock belongs to its opening of the file, so the program's own opening
// waits for it as for another program's.
class StoreFileHolder {
 public:
  explicit StoreFileHolder(const fs::path& file) : fd_(open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644)) {
    holding_ = fd_ >= 0 && flock(fd_, LOCK_EX | LOCK_NB) == 0;
  }
  ~StoreFileHolder() {
    if (fd_ >= 0) close(fd_);
  }
  StoreFileHolder(const StoreFileHolder&) = delete;
  StoreFileHolder& operator=(const StoreFileHolder&) = delete;
  bool holding() const { return holding_; }

 private:
  int fd_;
  bool holding_ = false;
};

// A store that cannot be written while a file is opened (a full disk, a store another
// program holds past the wait) is told as what it is, not as a damaged file. The file
// opens: window A shows its character, and the strokes of its text character, which
// only the file carried, go into the next file the user saves.
TEST_F(CharFiles, AStoreThatCannotBeWrittenWhileAFileOpensIsToldAndTheFilesStrokesStay) {
  constexpr int kMsgStoreNotWritten = 61522;
  const char kKanji[] = "\x8A\xBF";  // 漢
  const std::vector<PathPoint> strokes = {{10, 20, 1}, {30, 40, 0}, {50, 60, 1}};
  CCharDataFull& a = Record(kKindDrawA);
  a.m_nPoints = 2;
  a.m_pPoints[0] = {100, 110};
  a.m_pPoints[1] = {120, 130};
  a.m_pFlags[0] = 1;
  a.m_pFlags[1] = 0;
  CTextSettings& text = a.m_textSettings[0];
  text.m_nEntries = 1;
  text.m_entries[0] = CTextCharEntry();
  text.m_entries[0].SetChar(kKanji);
  text.m_entries[0].m_font = DefaultTextFont();
  text.m_entries[0].m_nScale = 100;
  const CTextCharEntry entry = text.m_entries[0];
  {
    CharStore set1;
    ASSERT_EQ(set1.MakeFileNames(1, false, false), 1);
    CStrokePath path(10);
    for (const PathPoint& p : strokes) path.AppendPoint(int(p.x), int(p.y), p.flag);
    ASSERT_EQ(set1.AddFontCharacter(entry, path), 1);
  }
  const fs::path file = dir / "text.wdf";
  chooser.Next(file.string());
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"文件", "另存为"}));
  const fs::path set1Index = StoreSetPath(kFontStoreBase, 1, kIndexExt);

  const struct {
    const char* road;
    std::function<void(const std::function<void()>&)> around;
  } roads[] = {
      {"a full disk", [](const std::function<void()>& open) {
         SmallDisk full(kStoreHeaderSize);
         open();
       }},
      {"a store another program holds", [&set1Index](const std::function<void()>& open) {
         StoreFileHolder holder(set1Index);
         ASSERT_TRUE(holder.holding());
         open();
       }},
      {"a store folder the program may not write", [&set1Index, &entry](const std::function<void()>& open) {
         // The window's set holds a character of its own, which the open cannot put aside.
         CharStore set1;
         ASSERT_EQ(set1.MakeFileNames(1, false, false), 1);
         CStrokePath own(10);
         own.AppendPoint(200, 200, 1);
         own.AppendPoint(210, 210, 0);
         ASSERT_EQ(set1.AddFontCharacter(entry, own), 1);
         ReadOnlyFolder readOnly(set1Index.parent_path());
         open();
       }},
  };
  const bool readOnlyFolders = ReadOnlyFolder(set1Index.parent_path()).refusing();
  for (const auto& r : roads) {
    SCOPED_TRACE(r.road);
    if (&r == &roads[2] && !readOnlyFolders) continue;
    // Only the file carries the text character's strokes; the window holds nothing.
    CharStore().RemoveTempFiles(-1);
    a.m_nPoints = 0;
    text.m_nEntries = 0;
    messages.ids.clear();
    messages.texts.clear();
    r.around([&] {
      chooser.Next(file.string());
      ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"文件", "打开"}));
    });
    EXPECT_EQ(messages.ids, std::vector<int>{kMsgStoreNotWritten});
    ASSERT_FALSE(messages.texts.empty());
    EXPECT_NE(messages.texts[0].find(set1Index.parent_path().string()), std::string::npos);
    ASSERT_EQ(a.m_nPoints, 2);
    EXPECT_EQ(a.m_pPoints[1].x, 120);
    ASSERT_EQ(text.m_nEntries, 1);
    EXPECT_EQ(text.m_entries[0].Char(), kKanji);
    EXPECT_EQ(gDrawState.m_szCharFilePath, file.string());

    // Saved where the store can be written again, and read back with nothing else: the
    // character's strokes came through.
    const fs::path again = dir / "again.wdf";
    chooser.Next(again.string());
    ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"文件", "另存为"}));
    CharStore().RemoveTempFiles(-1);
    messages.ids.clear();
    chooser.Next(again.string());
    ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"文件", "打开"}));
    EXPECT_TRUE(messages.ids.empty());
    CStrokePath p1(10), p2(10);
    ASSERT_EQ(LoadEntryCharacter(p1, p2, entry, 1), 1);
    EXPECT_EQ(PointsOf(p1), strokes);
  }
  if (!readOnlyFolders) GTEST_SKIP() << "no folder can be made read-only here: that road was not tried";
}

TEST_F(CharFiles, ADroppedFileLoadsIntoBothWindowsAsTheFileChoiceSays) {
  gFileSelect.m_nMode = kSelectAtoB_BtoA;
  const fs::path path = TwoParts("dropped.wdf");
  frame()->OnDropFiles({QString::fromStdString(path.string())});
  EXPECT_EQ(Record(kKindDrawA).m_nPoints, 2);
  EXPECT_EQ(Record(kKindDrawB).m_nPoints, 1);
  EXPECT_EQ(Record(kKindDrawA).m_nLoadState, 2);
  EXPECT_EQ(frame()->windowTitle(), QStringLiteral("Tamberi - dropped.wdf"));
}

TEST_F(CharFiles, SaveAsThenOneTouchConversionTakesOnlySettings) {
  Record(kKindDrawA).m_nPoints = 0;
  const fs::path saved = dir / "mine.wdf";
  chooser.Next(saved.string());
  EXPECT_TRUE(frame()->ExecuteCommand(kCmdFileSaveAs));
  EXPECT_TRUE(fs::exists(saved));
  EXPECT_EQ(gDrawState.m_szCharFilePath, saved.string());

  // Draw something, take a temporary copy, then take the settings of another file.
  Record(kKindDrawA).m_pPoints[0] = {50, 60};
  Record(kKindDrawA).m_pFlags[0] = 1;
  Record(kKindDrawA).m_nPoints = 1;
  EXPECT_TRUE(frame()->ExecuteCommand(kCmdEditTempSave));
  CTmbDocument* docA = GetCharDocumentOfKind(kKindDrawA);
  EXPECT_EQ(docA->engine().m_bTempSaved, 1);
  EXPECT_EQ(docA->engine().m_base[kBaseTempSave].m_nPoints, 1);

  chooser.Next(TwoParts("style.wdf").string());
  EXPECT_TRUE(frame()->ExecuteCommand(kCmdFileOneTouch));
  EXPECT_EQ(Record(kKindDrawA).m_nPoints, 1);
  EXPECT_EQ(Record(kKindDrawA).m_pPoints[0].x, 50);
  EXPECT_EQ(Record(kKindDrawA).m_param[3], 21);
  EXPECT_EQ(gDrawState.m_szCharFilePath, saved.string());
}

// A background picture saved in the file by the program's own writer comes back in the
// image editor when the file is opened, the editor opening for it.
TEST_F(CharFiles, AFileWithABackgroundPictureOpensWithItInTheImageEditor) {
  Surface picture;
  ASSERT_TRUE(picture.Create(40, 30, PixelFormat::kColour32));
  picture.Fill(0x30A0F0);
  for (int x = 0; x < 40; ++x) picture.SetPixel(x, x * 3 / 4, 0x000000);
  const fs::path png = dir / "behind.png";
  ASSERT_EQ(WritePictureFile(nullptr, &picture, nullptr, png.string(), 40, 30, kFormatPng), 1);
  CCharDataFull& a = Record(kKindDrawA);
  a.m_picturePath[0] = png.string();
  a.m_param[115] = 1;  // the picture is in use, so it is embedded
  const fs::path saved = dir / "with picture.wdf";
  chooser.Next(saved.string());
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdFileSaveAs));
  // The file holds the picture itself: the source may go.
  fs::remove(png);
  a.m_picturePath[0].clear();
  EXPECT_EQ(CBmpViewWindow::Instance(), nullptr);

  chooser.Next(saved.string());
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdFileOpen));
  CBmpViewWindow* editor = CBmpViewWindow::Instance();
  ASSERT_NE(editor, nullptr);
  const Surface& shown = editor->editor().m_bmpWork;
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 40; ++x) ASSERT_EQ(shown.GetPixel(x, y), picture.GetPixel(x, y)) << x << "," << y;
  }
  EXPECT_EQ(shown.GetPixel(45, 5), editor->editor().BackgroundColour()) << "beyond the picture";
  EXPECT_EQ(a.m_bPicturesPending, 0);
  EXPECT_TRUE(messages.ids.empty());
  // A file without pictures leaves the editor's picture as it is.
  chooser.Next(TwoParts("plain.wdf").string());
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdFileOpen));
  EXPECT_EQ(shown.GetPixel(0, 0), picture.GetPixel(0, 0));
}

// On a display of 256 colours a loaded character's colour enters its window's palette,
// the window's paper kept out.
TEST_F(CharFiles, OnAPaletteDisplayALoadedCharactersColourEntersThePalette) {
  gPaletteMode = 1;
  InitAppPalettes();
  WdfBlock part = CharPart(1, {{100, 110, 1, 30}});
  part.params[170] = 3;
  part.params[156] = 0x3080C0;
  part.params[157] = 0xF0F0E0;
  const fs::path path = dir / "coloured.wdf";
  WriteFileBytes(path, BuildWdfFile({part}));
  chooser.Next(path.string());
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdFileOpen));
  EXPECT_EQ(gColourTables[1][0], (PaletteEntry{0xC0, 0x80, 0x30, 0}));
  EXPECT_EQ(gExcludedColour, 0xF0F0E0u);
}

TEST_F(CharFiles, PictureWindowsHaveADocumentThatHoldsNothing) {
  theApp.OpenImageEditor();
  ASSERT_EQ(theApp.OpenWindowOfKind(kKindPreview), 1);
  for (int kind : {kKindImageEditor, kKindZoom, kKindPreview}) {
    auto* doc = qobject_cast<CDummyDoc*>(GetDocumentOfKind(kind));
    ASSERT_TRUE(doc) << kind;
    EXPECT_TRUE(doc->OnNewDocument());
    EXPECT_FALSE(doc->IsModified()) << kind;
    doc->SaveImageAs();  // no image view to save: nothing happens
    EXPECT_FALSE(doc->IsModified()) << kind;
    EXPECT_EQ(qobject_cast<CTmbDocument*>(GetDocumentOfKind(kind)), nullptr);
  }
  EXPECT_EQ(frame()->AskSaveChanges(1, 1), 0);
  EXPECT_TRUE(messages.ids.empty());
}

}  // namespace
}  // namespace tmb::test
