// Character data files through the application: the File menu's open, save and save as,
// the one-touch conversion and dropped files, with the user's answers scripted.
#include <filesystem>

#include "app/app_fixture.h"
#include "app/dummy_doc.h"
#include "app/kind_lookup.h"
#include "app/tmb_document.h"
#include "core/bitmap/palettes.h"
#include "core/file/file_select.h"
#include "export/picture/picture_file_writer.h"
#include "imageedit/view/bmp_view_window.h"
#include "resources/command_ids.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

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
