// Handwriting in the started program: two characters written with the mouse into window
// A's writing box are stored under what the recogniser reads when the automatic
// registration runs, and listed under those names when it runs on them again once they
// are no longer ink (opened from a file, or expanded from the dictionary, which stores
// nothing again); the tablet pen colour command colours both windows' ink.
#include <QPlainTextEdit>
#include <QScrollBar>
#include <filesystem>

#include "app/app_fixture.h"
#include "app/kind_lookup.h"
#include "convert/driver/tablet_ink.h"
#include "core/document/tmb_doc.h"
#include "core/path/stroke_path.h"
#include "core/store/char_store.h"
#include "core/store/text_store.h"
#include "core/text/name_list.h"
#include "platform/text/code_page.h"
#include "resources/command_ids.h"
#include "support/manual_clock.h"
#include "support/store_folder.h"
#include "support/temp_dir.h"
#include "support/ui/pen_events.h"
#include "support/written_characters.h"
#include "views/tmb_view.h"
#include "views/tmb_view_area.h"

namespace tmb::test {
namespace {

constexpr char kPackageModel[] = "/usr/share/tegaki/models/zinnia/handwriting-ja.model";

std::string Sjis(const char* utf8) { return Utf8ToSjis(utf8).value(); }

const WrittenCharacter& Named(const char* text) {
  for (const WrittenCharacter& c : WrittenCharacters()) {
    if (std::string(c.text) == text) return c;
  }
  throw std::out_of_range(text);
}

// The number of characters the text store holds.
int StoredCount() {
  CharStore store;
  return store.MakeFileNames(CharStore::kMainSet, false, true) == 1 ? store.GetFontCount() : -1;
}

std::vector<std::string> ListedNames() {
  std::vector<std::string> names;
  for (int i = 0; i < gNameList.GetCount(); ++i) names.push_back(gNameList.Entry(i).m_strName);
  return names;
}

class HandwritingRoad : public AppTest {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(kPackageModel)) GTEST_SKIP() << "no handwriting model installed";
    AppTest::SetUp();
    ASSERT_TRUE(Start());
    if (CFrame_View* a = FrameOfKind(kKindDrawA)) a->showMaximized();
    ShowAndPaint();
    view = CTmbView::ViewOfKind(kKindDrawA);
    ASSERT_TRUE(view);
    pen = std::make_unique<PenEvents>(view->area()->viewport(), clock);
    store = std::make_unique<ScopedStoreFolder>();
  }
  void TearDown() override {
    pen.reset();
    store.reset();
    gNameList.Reset();
    AppTest::TearDown();
  }
  static CCharDataFull& RecordA() { return GetCharDocumentOfKind(kKindDrawA)->engine().m_char; }
  // Where paper point p lies in view A's window.
  QPoint At(Point p) const {
    const Rect client = view->ClientRectLogical();
    const Point o = gDrawState.m_ptCanvasOrigin;
    return {p.x + o.x - client.left, p.y + o.y - client.top};
  }
  // Writes c with the mouse at its grid's size, its box's corner at paper point at.
  void Write(const WrittenCharacter& c, Point at) {
    for (const auto& stroke : c.strokes) {
      const std::vector<Point> samples = StrokeSamples(stroke, 1, at, 6);
      pen->Press(At(samples.front()));
      for (size_t k = 1; k < samples.size(); ++k) pen->Move(At(samples[k]));
      pen->Release(At(samples.back()));
    }
  }
  // Shows the registration panel (which switches the automatic registration on) and
  // scrolls its writing box into the window.
  Rect ShowWritingBox() {
    if (!gDrawState.m_toolPanel.m_bShown) {
      EXPECT_TRUE(frame()->ExecuteCommand(kCmdRegistrationPanel));
    }
    const Rect w = gDrawState.m_toolPanel.m_rcWriting;
    const Point o = gDrawState.m_ptCanvasOrigin;
    view->area()->verticalScrollBar()->setValue(w.top + o.y - 10);
    view->area()->horizontalScrollBar()->setValue(std::max(0, w.left + o.x - 10));
    QCoreApplication::processEvents();
    return w;
  }

  ManualClock clock;
  TempDir dir;
  CTmbView* view = nullptr;
  std::unique_ptr<PenEvents> pen;
  std::unique_ptr<ScopedStoreFolder> store;
};

TEST_F(HandwritingRoad, WrittenCharactersAreStoredByTheRegistrationAndListedOnceTheyAreNoLongerInk) {
  const Rect box = ShowWritingBox();
  ASSERT_GE(box.right - box.left, 230);
  Write(Named("十"), {box.left + 10, box.top + 40});
  const int tenPoints = RecordA().m_nPoints;
  Write(Named("木"), {box.left + 125, box.top + 40});
  ASSERT_EQ(RecordA().CountStrokes(), 6);
  EXPECT_EQ(gInkSamples[0].InkPointCount(), RecordA().m_nPoints);

  // The automatic registration stores each written character under what it reads as.
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdAutoRegistration));
  EXPECT_EQ(StoredCount(), 2);
  CStrokePath ten(200), ki(200);
  ASSERT_EQ(LoadTextCharacter(ten, Sjis("十")), 1);
  EXPECT_EQ(ten.GetCount(), tenPoints);
  ASSERT_EQ(LoadTextCharacter(ki, Sjis("木")), 1);
  EXPECT_EQ(ki.GetCount(), RecordA().m_nPoints - tenPoints);
  EXPECT_EQ(ki.CountStrokes(), 4);

  // Saved and opened again, the character is no ink: the registration lists its parts
  // under the names they were read as, and stores nothing.
  const std::string path = (dir / "written.wdf").string();
  chooser.Next(path);
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdFileSaveAs));
  chooser.Next(path);
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdFileOpen));
  ASSERT_EQ(RecordA().CountStrokes(), 6);
  EXPECT_EQ(gInkSamples[0].InkPointCount(), 0);
  gNameList.Reset();
  ShowWritingBox();
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdAutoRegistration));
  EXPECT_EQ(ListedNames(), (std::vector<std::string>{Sjis("十"), Sjis("木")}));
  EXPECT_EQ(StoredCount(), 2);
}

TEST_F(HandwritingRoad, CharactersExpandedFromTheDictionaryAreNotStoredAgainByTheRegistration) {
  const Rect box = ShowWritingBox();
  Write(Named("十"), {box.left + 10, box.top + 40});
  Write(Named("木"), {box.left + 125, box.top + 40});
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdAutoRegistration));
  ASSERT_EQ(StoredCount(), 2);

  // The dictionary expands the two characters into window A, in place of the writing.
  dialogs.Then([](ui::DialogWindow& d) {
    qobject_cast<QPlainTextEdit*>(d.Control(524))->setPlainText(QStringLiteral("十木"));
    ScriptedDialogs::Click(d, 409);  // 展開: 実行
    return d.result() == QDialog::Accepted ? ui::kIdOk : ui::kIdCancel;
  });
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdDictionary));
  ASSERT_EQ(RecordA().CountStrokes(), 6);
  EXPECT_EQ(gInkModes[0], kInkLeave);
  EXPECT_EQ(gInkSamples[0].InkPointCount(), 0) << "the expanded characters are no ink";
  ShowWritingBox();
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdAutoRegistration));
  EXPECT_EQ(StoredCount(), 2) << "nothing is stored again";

  // A stroke written after them is ink again, and the pen input merges again.
  const int before = RecordA().m_nPoints;
  Write(Named("一"), {box.left + 60, box.top + 170});
  EXPECT_EQ(gInkModes[0], kInkMerge);
  EXPECT_EQ(gInkSamples[0].InkPointCount(), RecordA().m_nPoints - before);
  EXPECT_EQ(gInkSamples[0].FirstInkStroke(), 6);
}

TEST_F(HandwritingRoad, TheTabletPenColourCommandColoursTheInkOfBothWindows) {
  ASSERT_EQ(gInkSamples[0].m_bActive, 1);
  ASSERT_EQ(gInkSamples[1].m_bActive, 1);
  colours.Next(0x123456);
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdTabletPen));
  for (const CTabletInk& ink : gInkSamples) {
    EXPECT_EQ(ink.GetDrawingAttributes().colour, 0x123456u);
    EXPECT_EQ(ink.GetDrawingAttributes().width, 1);
  }
}

}  // namespace
}  // namespace tmb::test
