// Character data files through the application: the File menu's open, save and save as,
// the one-touch conversion and dropped files, with the user's answers scripted.
#include <filesystem>

#include "app/app_fixture.h"
#include "app/dummy_doc.h"
#include "app/kind_lookup.h"
#include "app/tmb_document.h"
#include "core/file/file_select.h"
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
