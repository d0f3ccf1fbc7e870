// The windows' ink over the handwriting recogniser: characters written with the mouse
// through the window's capture and read back as text, the ink as the record's own strokes,
// the parts of two characters stored and listed under their names, the pen path drawn as
// it always was, and a window without a model that works on as before.
#include <QEventLoop>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "convert/driver/analysis_overlay.h"
#include "convert/driver/tablet_ink.h"
#include "core/path/stroke_work.h"
#include "convert/driver/character_parts.h"
#include "core/store/text_store.h"
#include "core/text/name_list.h"
#include "platform/text/code_page.h"
#include "support/picture_files.h"
#include "support/store_folder.h"
#include "support/temp_dir.h"
#include "support/written_characters.h"
#include "views/input/pen_fixture.h"
#include "views/input/tablet_ink_input.h"

namespace tmb::test {
namespace {

constexpr char kPackageModel[] = "/usr/share/tegaki/models/zinnia/handwriting-ja.model";
constexpr int kStoreParts = 334;

std::string Sjis(const char* utf8) { return Utf8ToSjis(utf8).value(); }

// Puts the model places back to the usual ones when the test ends.
struct ModelPlaces {
  explicit ModelPlaces(std::vector<std::string> places) { SetHandwritingModelPlaces(std::move(places)); }
  ~ModelPlaces() {
    for (CTabletInk& ink : gInkSamples) ink.Detach();
    SetHandwritingModelPlaces({});
  }
};

// A drawing view of window A whose ink reads with the packaged model.
class TabletInk : public PenInputTest {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(kPackageModel)) GTEST_SKIP() << "no handwriting model installed";
    PenInputTest::SetUp();
  }
  // Writes character c with the mouse at scale times its grid, its box's corner at paper
  // point at.
  void Write(const WrittenCharacter& c, int scale, Point at) {
    for (const auto& stroke : c.strokes) {
      const std::vector<Point> samples = StrokeSamples(stroke, scale, at, 6);
      pen->Press(At(samples.front().x, samples.front().y));
      for (size_t k = 1; k < samples.size(); ++k) pen->Move(At(samples[k].x, samples[k].y));
      pen->Release(At(samples.back().x, samples.back().y));
    }
  }
  static const WrittenCharacter& Named(const char* text) {
    for (const WrittenCharacter& c : WrittenCharacters()) {
      if (std::string(c.text) == text) return c;
    }
    throw std::out_of_range(text);
  }
  std::string Read(int first, int end) {
    std::string text;
    EXPECT_EQ(gInkSamples[0].RecognizeText(first, end, text), 1);
    return text;
  }

  ModelPlaces places{{kPackageModel}};
  CTabletInk& ink = gInkSamples[0];
};

TEST_F(TabletInk, CharactersWrittenWithTheMouseReadAsTheirText) {
  ASSERT_EQ(ink.m_bActive, 1);
  EXPECT_EQ(gInkActive, 1);
  int right = 0;
  std::string misread;
  for (const WrittenCharacter& c : WrittenCharacters()) {
    a.ClearPoints();
    Write(c, 3, {100, 150});
    ASSERT_EQ(StrokeCount(a), int(c.strokes.size())) << c.text;
    const std::string text = Read(0, int(c.strokes.size()));
    if (text == Sjis(c.text)) {
      ++right;
    } else {
      misread += std::string(c.text) + " as " + SjisToUtf8Lossy(text) + "; ";
    }
  }
  EXPECT_GE(right, 8) << misread;
}

TEST_F(TabletInk, TheInkIsTheRecordsOwnStrokesNeverACopy) {
  Write(Named("十"), 2, {50, 60});
  ASSERT_GT(a.m_nPoints, 4);
  EXPECT_EQ(ink.InkPointCount(), a.m_nPoints);
  EXPECT_EQ(ink.FirstInkStroke(), 0);
  EXPECT_TRUE(ink.WrittenIntoRecord());
  // The conversion takes the points on the screen's canvas, stroke starts and pressures
  // with them, into a path the ink empties first.
  CStrokeWork path(100);
  path.AppendPoint(1, 1, 1);
  ink.CopyInkToStrokes(path);
  ASSERT_EQ(path.GetCount(), a.m_nPoints);
  const Point o = gDrawState.m_ptCanvasOrigin;
  for (int i = 0; i < a.m_nPoints; ++i) {
    EXPECT_EQ(path.m_pPoints[i].RoundToPoint(), (Point{a.m_pPoints[i].x + o.x, a.m_pPoints[i].y + o.y})) << i;
    EXPECT_EQ(path.m_pFlags[i], a.m_pFlags[i]) << i;
    EXPECT_EQ(path.m_pPressure[i], a.m_pPressure[i]) << i;
  }
  // Converting the character merges nothing into it: the record holds the ink already.
  const int points = a.m_nPoints;
  CStrokeWork source, converted;
  a.ToStrokeWork(source);
  a.CopySettingsToWork(converted);
  source.m_nWindow = 0;
  gInkModes[0] = kInkMerge;
  converted.ConvertCharacter(source);
  EXPECT_EQ(source.GetCount(), points);
  // Moving the ink leaves the character alone; clearing it leaves the strokes the
  // character's, and no longer ink.
  ink.OffsetInk(CFPoint(30, 40), 1);
  EXPECT_EQ(ink.m_nMovedStrokes, 2);
  EXPECT_EQ(ink.ClearInk(), 1);
  EXPECT_EQ(ink.m_nMovedStrokes, 0);
  EXPECT_EQ(a.m_nPoints, points);
  EXPECT_EQ(ink.InkPointCount(), 0);
  EXPECT_EQ(ink.FirstInkStroke(), 2);
  ink.CopyInkToStrokes(path);
  EXPECT_EQ(path.GetCount(), 0);
  // What is written next is the ink, from its first stroke on.
  Write(Named("一"), 2, {300, 60});
  EXPECT_EQ(ink.InkPointCount(), a.m_nPoints - points);
  EXPECT_EQ(ink.FirstInkStroke(), 2);
  EXPECT_EQ(Read(0, 1), Sjis("一"));
  std::string text;
  EXPECT_EQ(ink.RecognizeText(0, 2, text), 0) << "the ink holds one stroke";
  // Strokes undone below the ink's start leave no ink.
  a.m_nPoints = points - 3;
  EXPECT_EQ(ink.InkPointCount(), 0);
}

TEST_F(TabletInk, AStrokeRangeOutsideTheInkReadsNothing) {
  Write(Named("三"), 3, {100, 150});
  struct Case {
    int first, end, result;
  };
  for (const Case& c : {Case{2, 1, 0}, Case{3, 0, 0}, Case{-1, 2, 0}, Case{0, 4, 0}, Case{2, 2, 1}, Case{3, 3, 1}}) {
    std::string text = "old";
    EXPECT_EQ(ink.RecognizeText(c.first, c.end, text), c.result) << c.first << ", " << c.end;
    EXPECT_EQ(text, "") << c.first << ", " << c.end;
  }
  // The strokes of the range alone are read: the first of the three is a one.
  EXPECT_EQ(Read(0, 1), Sjis("一"));
  EXPECT_EQ(Read(0, 3), Sjis("三"));
}

TEST_F(TabletInk, TwoCharactersSideBySideAreStoredAndListedUnderTheirNames) {
  ScopedStoreFolder store;
  SetCharacterPartStore(&TextStorePartStore());
  Write(Named("十"), 2, {30, 200});
  const int tenPoints = a.m_nPoints;
  Write(Named("木"), 2, {280, 200});
  // What the registration command asks of a repaint while the window holds ink: the
  // parts of the character stored.
  a.m_param[kStoreParts] = 1;
  view->RepaintNow();
  ASSERT_EQ(gAnalysisOverlay.m_nCount, 2) << "the overlay finds one part per character";
  EXPECT_EQ(gAnalysisOverlay.m_marks[0].label, Sjis("十"));
  EXPECT_EQ(gAnalysisOverlay.m_marks[1].label, Sjis("木"));

  // Each part comes back with its own points, its box's corner at the origin.
  const auto expectStored = [&](const char* name, int first, int end) {
    const COverlayMark& mark = gAnalysisOverlay.m_marks[first == 0 ? 0 : 1];
    const Point o{mark.parts[0].rect.left, mark.parts[0].rect.top};
    CStrokePath part(200);
    ASSERT_EQ(LoadTextCharacter(part, Sjis(name)), 1);
    ASSERT_EQ(part.GetCount(), end - first) << name;
    for (int i = first; i < end; ++i) {
      EXPECT_EQ(part.m_pPoints[i - first].RoundToPoint(), (Point{a.m_pPoints[i].x - o.x, a.m_pPoints[i].y - o.y}))
          << name << " " << i;
      EXPECT_EQ(part.m_pFlags[i - first], a.m_pFlags[i]) << name << " " << i;
    }
  };
  expectStored("十", 0, tenPoints);
  expectStored("木", tenPoints, a.m_nPoints);

  // Once the strokes are no longer ink (as after opening the character from a file), the
  // same repaint lists the parts instead, under the names they were read as.
  ink.ClearInk();
  view->RepaintNow();
  a.m_param[kStoreParts] = 0;
  ASSERT_EQ(gNameList.GetCount(), 2);
  EXPECT_EQ(gNameList.Entry(0).m_strName, Sjis("十"));
  EXPECT_EQ(gNameList.Entry(1).m_strName, Sjis("木"));
  SetCharacterPartStore(nullptr);
  gNameList.Reset();
}

TEST_F(TabletInk, ACharacterOnThePenPathLooksAsItDidWithoutTheRecogniser) {
  // The same strokes written and painted with the recogniser and without it.
  auto writeAndPaint = [&](const char* name) {
    a.ClearPoints();
    Write(Named("木"), 3, {100, 150});
    view->RepaintNow();
    const Surface& back = BackBuffer();
    EXPECT_FALSE(SavePictureForViewing(back, name).empty());
    std::vector<Colour> pixels;
    for (int y = 0; y < back.height(); ++y) pixels.insert(pixels.end(), back.ColourRow(y), back.ColourRow(y) + back.width());
    return pixels;
  };
  const std::vector<Colour> with = writeAndPaint("ink_pen_path_with_recogniser");
  ink.Detach();
  SetHandwritingModelPlaces({"/nonexistent/handwriting-ja.model"});
  AttachTabletInk(*view, 0);
  ASSERT_EQ(ink.m_bActive, 0);
  const std::vector<Colour> without = writeAndPaint("ink_pen_path_without_recogniser");
  EXPECT_GT(InkIn({100, 150, 400, 450}), 2000) << "the character is drawn";
  ASSERT_EQ(with.size(), without.size());
  size_t differing = 0;
  for (size_t k = 0; k < with.size(); ++k) differing += with[k] != without[k];
  EXPECT_EQ(differing, 0u);
}

TEST_F(TabletInk, ThePenColourCommandColoursBothWindowsInkWhileItWorks) {
  gInkPenColour = 0x123456;
  ink.Detach();
  AttachTabletInk(*view, 0);
  EXPECT_EQ(ink.GetDrawingAttributes().colour, 0x123456u) << "a new ink takes the pen colour";
  SetTabletPenColour(0x0000FF);
  EXPECT_EQ(ink.GetDrawingAttributes().colour, 0x0000FFu);
  EXPECT_EQ(ink.GetDrawingAttributes().width, 1);
  ink.SetPenAttributes(-1, 0x00FF00);
  EXPECT_EQ(ink.GetDrawingAttributes().colour, 0x0000FFu) << "a negative width changes nothing";
  ink.Detach();
  gInkSamples[1].Detach();
  SetTabletPenColour(0xFF0000);
  EXPECT_EQ(ink.GetDrawingAttributes().colour, 0x0000FFu) << "without ink input nothing is coloured";
  gInkPenColour = 0;
}

TEST_F(TabletInk, DestroyingAViewLeavesTheApplicationRunning) {
  CTmbView& other = MakeView(2);
  ASSERT_EQ(gInkSamples[1].m_bActive, 1);
  ink.Detach();
  EXPECT_EQ(ink.m_bActive, 0);
  EXPECT_EQ(gInkActive, 1) << "window B still reads";
  gInkSamples[1].Detach();
  EXPECT_EQ(gInkActive, 0);
  (void)other;
  QEventLoop loop;
  QTimer::singleShot(0, &loop, [&] { loop.exit(7); });
  EXPECT_EQ(loop.exec(), 7) << "no quit was posted";
}

TEST_F(TabletInk, TheResultDisplayAndTheFixedRoutines) {
  Write(Named("十"), 3, {100, 150});
  ink.ShowRecognition();
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0], "Recognition Results\n十");
  ink.Detach();
  ink.ShowRecognition();
  EXPECT_EQ(messages.texts.back(), "Recognition Results\nNo Tablet or Recgnaizer");

  CStrokePath stroke(10);
  CTabletInk::MakeFixedStroke(stroke);
  ASSERT_EQ(stroke.GetCount(), 2);
  EXPECT_EQ(stroke.m_pPoints[0].RoundToPoint(), (Point{20, 100}));
  EXPECT_EQ(stroke.m_pPoints[1].RoundToPoint(), (Point{1300, 2100}));
  EXPECT_EQ(stroke.m_pFlags[0], 1);
  EXPECT_EQ(stroke.m_pFlags[1], 0);
  const std::vector<InkCandidate> reading = CTabletInk::MakeFixedRecognition();
  ASSERT_FALSE(reading.empty());
  for (size_t k = 1; k < reading.size(); ++k) EXPECT_LT(reading[k].score, reading[k - 1].score);
}

// Windows whose recogniser's model is missing or damaged.
class NoRecogniser : public PenInputTest {};

TEST_F(NoRecogniser, EveryInkOperationReturnsAtOnceAndTheWindowWorksOn) {
  TempDir dir;
  std::ofstream(dir / "damaged.model") << "not a model at all";
  struct Case {
    const char* name;
    std::vector<std::string> places;
    int attach, available;
  };
  const std::string missing = (dir / "missing.model").string();
  const std::string damaged = (dir / "damaged.model").string();
  for (const Case& c : {Case{"missing", {missing}, 0, 0}, Case{"damaged", {damaged}, 0, 1}}) {
    ModelPlaces places(c.places);
    CTabletInk& ink = gInkSamples[0];
    ink.Detach();
    EXPECT_EQ(AttachTabletInk(*view, 0), c.attach) << c.name;
    EXPECT_EQ(gInkAvailable, c.available) << c.name;
    // A model that is there but cannot be read leaves the ink attached, not active.
    EXPECT_EQ(ink.m_bInitialised, c.available) << c.name;
    EXPECT_EQ(ink.m_bActive, 0) << c.name;
    EXPECT_EQ(gInkActive, 0) << c.name;
    a.ClearPoints();
    pen->Stroke({At(100, 100), At(200, 100), At(300, 110)});
    EXPECT_EQ(a.m_nPoints, 4) << "the stroke is written as ever";
    EXPECT_EQ(ink.InkPointCount(), 0) << c.name;
    CStrokeWork path(10);
    ink.CopyInkToStrokes(path);
    EXPECT_EQ(path.GetCount(), 0) << c.name;
    std::string text = "old";
    EXPECT_EQ(ink.RecognizeText(0, 1, text), 0) << c.name;
    EXPECT_EQ(text, "") << c.name;
    EXPECT_TRUE(messages.ids.empty()) << c.name;
  }
}

// A model looked for in the data folder when its package did not put one in place.
TEST_F(NoRecogniser, TheModelIsLookedForWhereItsPackagePutsItThenInTheDataFolder) {
  SetHandwritingModelPlaces({});
  gDrawState.m_szCurFolder = "/data/folder";
  EXPECT_EQ(HandwritingModelPlaces(), (std::vector<std::string>{kPackageModel, "/data/folder/handwriting-ja.model"}));
}

}  // namespace
}  // namespace tmb::test
