// Handwriting in the started program: two characters written with the mouse into window
// A's writing box are stored under what the recogniser reads when the automatic
// registration runs, and listed under those names when it runs on them again once they
// are no longer ink (opened from a file, or expanded from the dictionary, which stores
// nothing again); the tablet pen colour command colours both windows' ink, which shows in
// that colour while it is written, in every line mode.
#include <QAbstractButton>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSlider>
#include <filesystem>

#include "app/app_fixture.h"
#include "app/dialogs/colour_page.h"
#include "app/kind_lookup.h"
#include "app/sheets/shape_sheet.h"
#include "convert/driver/tablet_ink.h"
#include "core/document/tmb_doc.h"
#include "core/path/stroke_path.h"
#include "core/store/char_store.h"
#include "core/store/text_store.h"
#include "core/text/name_list.h"
#include "platform/text/code_page.h"
#include "resources/command_ids.h"
#include "support/manual_clock.h"
#include "support/picture_files.h"
#include "support/store_folder.h"
#include "support/temp_dir.h"
#include "support/ui/menu_path.h"
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

// While the ink is shown, what is being written shows in the tablet pen's colour in every
// line mode: black ink, and a single colour on white or on tinted paper.
TEST_F(HandwritingRoad, TheInkBeingWrittenShowsInThePensColourInEveryLineMode) {
  ASSERT_EQ(gDrawState.m_bInkDisplay, 1) << "the ink is shown";
  colours.Next(0x0000FF);  // red
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"窗口", "背景色", "Tablet画笔"}));
  struct Case {
    const char* what;
    int singleColour;
    Colour paper;
  } cases[] = {
      {"black ink", 0, 0xFFFFFF},
      {"blue on white paper", 1, 0xFFFFFF},
      {"blue on yellow paper", 1, 0xC0FFFF},
  };
  const Rect client = view->ClientRectLogical();
  const Point o = gDrawState.m_ptCanvasOrigin;
  const auto shown = [&](int x, int y) { return view->windowSurface().GetPixel(x + o.x - client.left, y + o.y - client.top); };
  const auto reddish = [](Colour c) { return RedOf(c) > 0xC0 && GreenOf(c) < 0x60 && BlueOf(c) < 0x60; };
  const auto bluish = [](Colour c) { return BlueOf(c) > 0xA0 && RedOf(c) < 0x60; };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    // The colour page of window A's sheet: the colour mode, the character's colour (blue)
    // and the paper's, then "変換表示".
    ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"形状", "色彩"}));
    auto* sheetFrame = qobject_cast<CShapePropSheetFrame*>(frame()->m_pSheetFrameA.data());
    ASSERT_TRUE(sheetFrame);
    CColorPage* page = sheetFrame->m_pSheet->colourPage();
    ASSERT_TRUE(page);
    const auto click = [page](int id) { qobject_cast<QAbstractButton*>(page->Control(id))->click(); };
    const auto rgb = [page](Colour colour) {
      qobject_cast<QSlider*>(page->Control(676))->setValue(RedOf(colour));
      qobject_cast<QSlider*>(page->Control(677))->setValue(GreenOf(colour));
      qobject_cast<QSlider*>(page->Control(678))->setValue(BlueOf(colour));
    };
    click(c.singleColour ? 679 : 667);
    click(668);  // the character's colour
    rgb(0xFF0000);
    click(669);  // the paper's
    rgb(c.paper);
    click(ui::kIdOk);
    ASSERT_EQ(RecordA().m_param[CColorPage::kColourModeParam], c.singleColour ? CColorPage::kSingleColourMode : 0);
    sheetFrame->hide();
    ASSERT_TRUE(frame()->ExecuteCommand(kCmdClearAll));
    QCoreApplication::processEvents();

    pen->Press(At({100, 300}));
    for (int x = 104; x < 260; x += 4) pen->Move(At({x, 300}));
    // Looked at while the stroke is written.
    int red = 0, blue = 0;
    for (int y = 280; y < 320; ++y) {
      for (int x = 110; x < 250; ++x) {
        red += reddish(shown(x, y));
        blue += bluish(shown(x, y));
      }
    }
    if (c.paper != 0xFFFFFF) SavePictureForViewing(view->windowSurface(), "live_ink_pen_on_colour_line_mode");
    pen->Release(At({260, 300}));
    EXPECT_GT(red, 300);
    EXPECT_EQ(blue, 0);
  }
}

}  // namespace
}  // namespace tmb::test
