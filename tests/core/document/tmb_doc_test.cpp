#include "core/document/tmb_doc.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/document/doc_windows.h"
#include "core/file/char_block_format.h"
#include "core/file/file_select.h"
#include "core/path/stroke_marks.h"
#include "core/path/stroke_path.h"
#include "core/record/char_slots.h"
#include "core/record/log_font.h"
#include "core/state/draw_state.h"
#include "core/state/mouse_messages.h"
#include "core/state/start_globals.h"
#include "core/store/char_store.h"
#include "core/store/store_records.h"
#include "core/store/store_section.h"
#include "core/text/text_settings.h"
#include "support/char_file_fixture.h"
#include "support/file_bytes.h"
#include "support/path_points.h"
#include "support/scripted_chooser.h"
#include "support/small_disk.h"

namespace tmb::test {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;
using Points = std::vector<WdfPoint>;

const Points kA = {{1, 1, 1, -1}};
const Points kB = {{2, 2, 1, -1}};
const Points kPart1 = {{11, 11, 1, -1}, {12, 12, 0, -1}};
const Points kPart2 = {{22, 22, 1, -1}};
const Points kOld = {{33, 33, 1, -1}};

// Windows A and B with a document each; what the document asked of them is recorded.
class TwoWindows final : public TmbDocWindows {
 public:
  CTmbDoc* DocumentOfKind(int kind) override {
    if (kind == kKindDrawA) return a.get();
    if (kind == kKindDrawB) return b.get();
    return nullptr;
  }
  void LoadImageIntoView(int kind, int picture) override { pictures.push_back(kind * 10 + picture); }
  void RefreshAfterLoad(int kind) override { refreshed.push_back(kind); }
  void UpdateAllViews(CTmbDoc&) override { ++updates; }

  std::unique_ptr<CTmbDoc> a = std::make_unique<CTmbDoc>();
  std::unique_ptr<CTmbDoc> b = std::make_unique<CTmbDoc>();
  std::vector<int> pictures;
  std::vector<int> refreshed;
  int updates = 0;
};

class CharDocument : public CharFileTest {
 protected:
  void SetUp() override {
    CharFileTest::SetUp();
    windows.emplace();
    SetTmbDocWindows(&*windows);
    A().OnNewDocument();
    B().OnNewDocument();
  }
  void TearDown() override {
    SetTmbDocWindows(nullptr);
    windows.reset();
    gStartLoading = 0;
    CharFileTest::TearDown();
  }
  CTmbDoc& A() { return *windows->a; }
  CTmbDoc& B() { return *windows->b; }

  static WdfBlock Block(const Points& points, int first) {
    WdfBlock b;
    b.points = points;
    b.firstPart = first;
    b.params[50] = 1;
    b.valueTable = {0};
    return b;
  }
  fs::path NewFile() { return WriteBytes("two.wdf", BuildWdfFile({Block(kPart1, 1), Block(kPart2, 0)})); }
  fs::path OldFile() {
    WdfBlock b;
    b.magic = "TAMBERI DATA FILE 2.1";
    b.major = 2;
    b.minor = 50;
    b.points = kOld;
    return WriteBytes("old.wdf", BuildWdfBlock(b));
  }
  void Reset() {
    for (CTmbDoc* d : {&A(), &B()}) {
      d->m_bUndoValid = 0;
      d->m_base[kBaseUndo].m_nPoints = 0;
    }
    SetPoints(A().m_char, kA);
    SetPoints(B().m_char, kB);
    windows->refreshed.clear();
  }

  std::optional<TwoWindows> windows;
  ScriptedChooser chooser;
};

TEST_F(CharDocument, TheFileChoiceModesGiveThePartsToTheirWindows) {
  struct Case {
    int mode;
    Points a, b;
    bool undoA, undoB;
    std::vector<int> refreshed;
  } newFile[] = {
      {kSelectAtoA_BtoB, kPart1, kPart2, true, true, {0, 2}},
      {kSelectAtoB_BtoA, kPart2, kPart1, true, true, {0, 2}},
      {kSelectAtoA, kPart1, kB, true, false, {0}},
      {kSelectAtoB, kA, kPart1, false, true, {2}},
      {kSelectBtoB, kA, kPart2, false, true, {2}},
      {kSelectBtoA, kPart2, kB, true, false, {0}},
  }, oldFile[] = {
      // One block: a window it does not reach keeps its undo (here none).
      {kSelectAtoA_BtoB, kOld, kB, true, false, {0}},
      {kSelectAtoB_BtoA, kA, kOld, false, true, {2}},
      {kSelectAtoA, kOld, kB, true, false, {0}},
      {kSelectAtoB, kA, kOld, false, true, {2}},
      {kSelectBtoB, kA, kB, false, false, {}},
      {kSelectBtoA, kA, kB, false, false, {}},
  };
  for (auto [path, cases] : {std::pair{NewFile(), newFile}, std::pair{OldFile(), oldFile}}) {
    for (int i = 0; i < 6; ++i) {
      const Case& c = cases[i];
      SCOPED_TRACE(path.filename().string() + " mode " + std::to_string(c.mode));
      Reset();
      gFileSelect.m_nMode = c.mode;
      EXPECT_EQ(A().LoadFile(path.string(), 0), c.refreshed.empty() ? 0 : 1);
      EXPECT_EQ(RecordPoints(A().m_char), c.a);
      EXPECT_EQ(RecordPoints(B().m_char), c.b);
      EXPECT_EQ(A().m_bUndoValid, c.undoA ? 1 : 0);
      EXPECT_EQ(B().m_bUndoValid, c.undoB ? 1 : 0);
      if (c.undoA) {
        EXPECT_EQ(RecordPoints(A().m_base[kBaseUndo]), kA);
      }
      if (c.undoB) {
        EXPECT_EQ(RecordPoints(B().m_base[kBaseUndo]), kB);
      }
      EXPECT_EQ(windows->refreshed, c.refreshed);
      for (int kind : c.refreshed) {
        EXPECT_EQ((kind == 0 ? A() : B()).m_char.m_nLoadState, 2);
      }
    }
  }
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(CharDocument, AnEmptyWindowTheFileLoadsIntoKeepsNoUndoThatWouldThrowTheFileAway) {
  const fs::path path = NewFile();
  gFileSelect.m_nMode = kSelectAtoA_BtoB;
  for (int settingsOnly : {0, 1}) {
    SCOPED_TRACE(settingsOnly);
    Reset();
    // Window A is empty and still holds the copy of an earlier edit; window B holds its
    // character.
    A().m_char.ClearPoints();
    A().SaveUndoCopy();
    SetPoints(A().m_base[kBaseUndo], kOld);
    EXPECT_EQ(A().LoadFile(path.string(), settingsOnly), 1);
    EXPECT_EQ(RecordPoints(B().m_base[kBaseUndo]), kB);
    EXPECT_EQ(B().m_bUndoValid, 1);
    if (settingsOnly) {
      // Only settings came: the undo takes them back and the points stay as they are.
      EXPECT_EQ(A().m_bUndoValid, 1);
      EXPECT_EQ(A().m_base[kBaseUndo].m_nPoints, 0);
    } else {
      EXPECT_EQ(RecordPoints(A().m_char), kPart1);
      EXPECT_EQ(A().m_bUndoValid, 0);
    }
  }
}

TEST_F(CharDocument, APartThatFailsKeepsItsWindowAndAFailedFirstPartSkipsTheSecond) {
  // Only one block: part 2 is missing, which is silent.
  const fs::path single = WriteBytes("one.wdf", BuildWdfBlock(Block(kPart1, 1)));
  Reset();
  EXPECT_EQ(A().LoadFile(single.string(), 0), 1);
  EXPECT_EQ(RecordPoints(A().m_char), kPart1);
  EXPECT_EQ(RecordPoints(B().m_char), kB);
  EXPECT_EQ(windows->refreshed, std::vector<int>{0});
  EXPECT_TRUE(messages.ids.empty());
  // A damaged first part: neither window changes.
  Bytes bytes = BuildWdfFile({Block(kPart1, 1), Block(kPart2, 0)});
  bytes[32] = 0xFF;  // 65,535 points
  bytes[33] = 0xFF;
  Reset();
  EXPECT_EQ(A().LoadFile(WriteBytes("bad.wdf", bytes).string(), 0), 0);
  EXPECT_EQ(RecordPoints(A().m_char), kA);
  EXPECT_EQ(RecordPoints(B().m_char), kB);
  EXPECT_EQ(messages.ids, std::vector<int>{61521});
}

// A load that does not reach a window leaves its undo as it was: the open replaced
// nothing, so the user's last edit can still be taken back. The cases: a damaged first
// part, a file with no second part (window B), a second part cut short.
TEST_F(CharDocument, AFailedLoadKeepsTheWindowsUndo) {
  Bytes cutSecond = BuildWdfFile({Block(kPart1, 1), Block(kPart2, 0)});
  cutSecond.pop_back();
  Bytes badFirst = BuildWdfFile({Block(kPart1, 1), Block(kPart2, 0)});
  badFirst[32] = 0xFF;  // 65,535 points
  badFirst[33] = 0xFF;
  const struct Case {
    const char* name;
    Bytes bytes;
    bool aLoads;
  } cases[] = {
      {"bad first", badFirst, false},
      {"one part", BuildWdfBlock(Block(kPart1, 1)), true},
      {"cut second", cutSecond, true},
  };
  for (const Case& c : cases) {
    for (const bool emptyB : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (emptyB ? ", B empty" : ""));
      Reset();
      if (emptyB) B().m_char.ClearPoints();
      for (CTmbDoc* d : {&A(), &B()}) {
        d->SaveUndoCopy();
        SetPoints(d->m_base[kBaseUndo], kOld);
        d->m_bUndoAtNextStroke = 1;
      }
      A().LoadFile(WriteBytes("f.wdf", c.bytes).string(), 0);
      EXPECT_EQ(RecordPoints(B().m_char), emptyB ? Points{} : kB);
      EXPECT_EQ(B().m_bUndoValid, 1);
      EXPECT_EQ(RecordPoints(B().m_base[kBaseUndo]), kOld);
      EXPECT_EQ(B().m_bUndoAtNextStroke, 1);
      if (!c.aLoads) {
        EXPECT_EQ(RecordPoints(A().m_char), kA);
        EXPECT_EQ(A().m_bUndoValid, 1);
        EXPECT_EQ(RecordPoints(A().m_base[kBaseUndo]), kOld);
        EXPECT_EQ(A().m_bUndoAtNextStroke, 1);
      }
    }
  }
}

// An undo copy or a temporary save taken before a file was opened over the window holds
// a character of no file the path names: bringing it back leaves the windows without a
// current path. A copy taken after the open, a window the open did not reach and an open
// of settings alone keep the path.
TEST_F(CharDocument, BringingBackWhatAnOpenReplacedForgetsTheCurrentFile) {
  const std::string file = NewFile().string();
  Bytes bad = BuildWdfFile({Block(kPart1, 1), Block(kPart2, 0)});
  bad[32] = 0xFF;  // 65,535 points
  bad[33] = 0xFF;
  const std::string damaged = WriteBytes("bad.wdf", bad).string();
  const struct Case {
    const char* name;
    int mode;
    int settingsOnly;
    std::function<void(CTmbDoc&)> afterOpen;
    BaseRecord which;
    bool forgets;
  } cases[] = {
      {"undo of the open", kSelectAtoA_BtoB, 0, [](CTmbDoc&) {}, kBaseUndo, true},
      {"temporary save before the open", kSelectBtoA, 0, [](CTmbDoc&) {}, kBaseTempSave, true},
      {"undo kept by a failed open", kSelectAtoA_BtoB, 0, [&](CTmbDoc& a) { a.LoadFile(damaged, 0); },
       kBaseUndo, true},
      {"undo of an edit after the open", kSelectAtoA_BtoB, 0, [](CTmbDoc& a) { a.SaveUndoCopy(); }, kBaseUndo,
       false},
      {"temporary save after the open", kSelectAtoA_BtoB, 0, [](CTmbDoc& a) { a.TempSave(); }, kBaseTempSave,
       false},
      {"a window the open did not reach", kSelectBtoB, 0, [](CTmbDoc&) {}, kBaseUndo, false},
      {"an open of settings alone", kSelectAtoA_BtoB, 1, [](CTmbDoc&) {}, kBaseUndo, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Reset();
    A().SaveUndoCopy();
    A().TempSave();
    gDrawState.m_szCharFilePath = "/earlier.wdf";
    A().m_bHasPath = B().m_bHasPath = 1;
    gFileSelect.m_nMode = c.mode;
    ASSERT_EQ(A().LoadFile(file, c.settingsOnly), 1);
    c.afterOpen(A());
    const std::string path = gDrawState.m_szCharFilePath;
    const int updates = windows->updates;
    ASSERT_EQ(A().RestoreBase(c.which), 1);
    EXPECT_EQ(gDrawState.m_szCharFilePath, c.forgets ? std::string() : path);
    EXPECT_EQ(A().m_bHasPath + B().m_bHasPath, c.forgets ? 0 : 2);
    // The title follows.
    EXPECT_EQ(windows->updates, updates + (c.forgets ? 1 : 0));
  }
  // Spent, the undo brings nothing back.
  EXPECT_EQ(A().RestoreBase(kBaseUndo), 0);
}

TEST_F(CharDocument, ThePathChangesOnlyWithASuccessfulLoad) {
  const fs::path good = NewFile();
  ASSERT_EQ(A().LoadFile(good.string(), 0), 1);
  EXPECT_EQ(gDrawState.m_szCharFilePath, good.string());
  EXPECT_EQ(A().m_bHasPath, 1);
  EXPECT_EQ(B().m_bHasPath, 1);

  // A file that cannot be opened, a foreign file, a settings-only load: the path stays.
  Bytes foreign(200, 0);
  foreign[0] = 'M';
  foreign[1] = 'Z';
  foreign[2] = 0x90;
  const fs::path other = WriteBytes("other.exe", foreign);
  struct Case {
    std::string path;
    int settingsOnly;
    std::vector<int> told;
  } cases[] = {
      {(dir / "missing.wdf").string(), 0, {62047}},
      {other.string(), 0, {62051}},  // told once, not again as an old file
      {WriteBytes("empty.wdf", {}).string(), 0, {62051}},
      {NewFile().string(), 1, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    messages.ids.clear();
    A().LoadFile(c.path, c.settingsOnly);
    EXPECT_EQ(messages.ids, c.told);
    EXPECT_EQ(gDrawState.m_szCharFilePath, good.string());
  }
  // So an overwrite save after the failures goes to the file the characters came from.
  SetPoints(A().m_char, {{7, 7, 1, -1}});
  ASSERT_EQ(A().SaveToCurrentPath(), 1);
  EXPECT_EQ(FileBytes(other), foreign);
  ASSERT_EQ(A().LoadFile(good.string(), 0), 1);
  EXPECT_EQ(RecordPoints(A().m_char), (Points{{7, 7, 1, -1}}));
}

TEST_F(CharDocument, SaveWritesEveryWindowAndReadsBack) {
  SetPoints(A().m_char, kPart1);
  SetPoints(B().m_char, kPart2);
  A().m_char.m_bModified = B().m_char.m_bModified = 1;
  // Overwrite save needs a path first.
  EXPECT_EQ(A().SaveToCurrentPath(), 0);
  const fs::path path = dir / "saved.wdf";
  chooser.Next(path.string());
  ASSERT_EQ(A().SaveAs(), 1);
  EXPECT_EQ(gDrawState.m_szCharFilePath, path.string());
  EXPECT_EQ(gDrawState.m_szLastFolder, dir.path().string());
  EXPECT_EQ(A().m_bHasPath + B().m_bHasPath, 2);
  EXPECT_EQ(A().m_char.m_bModified + B().m_char.m_bModified, 0);
  EXPECT_EQ(windows->updates, 1);
  ASSERT_EQ(chooser.asked.size(), 1u);
  EXPECT_EQ(chooser.asked[0].filter, "(*.wdf)|*.wdf|(*.*)|*.*||");
  EXPECT_EQ(chooser.asked[0].defaultExtension, "wdf");

  Reset();
  ASSERT_EQ(A().LoadFile(path.string(), 0), 1);
  EXPECT_EQ(RecordPoints(A().m_char), kPart1);
  EXPECT_EQ(RecordPoints(B().m_char), kPart2);
  // A cancelled save dialog changes nothing.
  EXPECT_EQ(A().SaveAs(), 0);
  EXPECT_EQ(gDrawState.m_szCharFilePath, path.string());
}

// With window A closed the file holds only B's block, marked as part 2: it goes back to
// window B, whether A is open again or still closed, and never into A.
TEST_F(CharDocument, AFileSavedWithWindowAClosedOpensIntoWindowB) {
  SetPoints(B().m_char, kPart2);
  std::unique_ptr<CTmbDoc> closedA = std::move(windows->a);
  const fs::path path = dir / "b only.wdf";
  ASSERT_EQ(B().SaveCharacterFile(path.string()), 1);

  SetPoints(B().m_char, kB);
  EXPECT_EQ(B().LoadFile(path.string(), 0), 1);
  EXPECT_EQ(RecordPoints(B().m_char), kPart2);
  EXPECT_EQ(windows->refreshed, std::vector<int>{2});

  windows->a = std::move(closedA);
  Reset();
  EXPECT_EQ(A().LoadFile(path.string(), 0), 1);
  EXPECT_EQ(RecordPoints(A().m_char), kA);
  EXPECT_EQ(RecordPoints(B().m_char), kPart2);
  EXPECT_EQ(A().m_bUndoValid, 0);
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(CharDocument, ASaveThatFailsPartWayKeepsTheOldFileAndTheChanges) {
  const fs::path path = dir / "work.wdf";
  const Bytes before = BuildWdfFile({Block(kPart1, 1), Block(kPart2, 0)});
  WriteFileBytes(path, before);
  SetPoints(A().m_char, kOld);
  A().m_char.m_bModified = 1;
  // A disk that takes only a little: writes past 3,000 bytes fail.
  int result;
  {
    SmallDisk disk(3000);
    result = A().SaveCharacterFile(path.string());
  }

  EXPECT_EQ(result, 0);
  EXPECT_EQ(messages.ids, std::vector<int>{62047});
  EXPECT_EQ(FileBytes(path), before);
  EXPECT_EQ(A().m_char.m_bModified, 1);
  size_t files = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.path())) ++files;
  EXPECT_EQ(files, 1u);  // no half-written file left beside it
  // A folder that cannot be written: told, and nothing changes either.
  messages.ids.clear();
  EXPECT_EQ(A().SaveCharacterFile((dir / "no such folder" / "x.wdf").string()), 0);
  EXPECT_EQ(messages.ids, std::vector<int>{62047});
  EXPECT_EQ(A().m_char.m_bModified, 1);
}

TEST_F(CharDocument, LoadingAnOldFileDeletesNothingOfTheDataFolder) {
  // The shipped pictures that the defaults name live in the data folder.
  const fs::path data = dir / "data";
  fs::create_directory(data);
  gDrawState.m_szCurFolder = data.string();
  InitCharacterSlots();
  const fs::path hanami = data / "花見.bmp";
  const fs::path mori = data / "森.bmp";
  WriteFileBytes(hanami, BmpBytes());
  WriteFileBytes(mori, BmpBytes());
  ASSERT_EQ(A().LoadFile(OldFile().string(), 0), 1);
  EXPECT_TRUE(fs::exists(hanami));
  EXPECT_TRUE(fs::exists(mori));
  // The view was told to show them, and they are the pictures the next save embeds.
  EXPECT_EQ(windows->pictures, (std::vector<int>{0, 1}));
  EXPECT_EQ(A().m_char.m_picturePath[0], hanami.string());
  EXPECT_EQ(A().m_char.m_picturePath[1], hanami.string());
}

TEST_F(CharDocument, EmbeddedPicturesSurviveALoadAndTheNextSave) {
  WdfBlock b = Block(kPart1, 1);
  b.picture1 = {0, BmpBytes()};
  b.picture2 = {1, JpegBytes()};
  b.params[115] = b.params[116] = 1;
  gFileSelect.m_nMode = kSelectAtoA;
  ASSERT_EQ(A().LoadFile(WriteBytes("pics.wdf", BuildWdfBlock(b)).string(), 0), 1);
  const std::string temp = A().m_char.m_tempPictures.Path(0);
  ASSERT_FALSE(temp.empty());
  EXPECT_TRUE(fs::exists(temp));  // the view has shown it; the record keeps it
  EXPECT_TRUE(A().m_char.m_text[kTextPicture1].empty());
  EXPECT_EQ(A().m_char.m_picturePath[0], temp);

  const fs::path again = dir / "again.wdf";
  ASSERT_EQ(A().SaveCharacterFile(again.string()), 1);
  CCharDataFull back;
  ASSERT_EQ(ReadFile(back, again), 1);
  EXPECT_EQ(FileBytes(back.m_tempPictures.Path(0)), BmpBytes());
  EXPECT_EQ(FileBytes(back.m_tempPictures.Path(1)), JpegBytes());
  // The record's own temporary files go with the record.
  windows->a.reset();
  EXPECT_FALSE(fs::exists(temp));
}

// A temporary folder whose name code page 932 cannot spell (the user's own, say) still
// carries the embedded pictures through a load and the next save.
TEST_F(CharDocument, EmbeddedPicturesSurviveATemporaryFolderOutsideCodePage932) {
  const char* tmp = std::getenv("TMPDIR");
  const std::optional<std::string> saved = tmp ? std::optional<std::string>(tmp) : std::nullopt;
  const fs::path folder = dir / "tmp \xC3\xA9\xF0\x9F\x8E\xA8";  // é and an emoji
  fs::create_directory(folder);
  setenv("TMPDIR", folder.c_str(), 1);
  WdfBlock b = Block(kPart1, 1);
  b.picture1 = {0, BmpBytes()};
  b.picture2 = {2, PngBytes()};
  b.params[115] = b.params[116] = 1;
  gFileSelect.m_nMode = kSelectAtoA;
  ASSERT_EQ(A().LoadFile(WriteBytes("pics.wdf", BuildWdfBlock(b)).string(), 0), 1);
  const std::string temp = A().m_char.m_tempPictures.Path(0);
  EXPECT_EQ(fs::path(temp).parent_path(), folder);
  EXPECT_EQ(A().m_char.m_picturePath[0], temp);
  EXPECT_EQ(A().m_char.m_picturePath[1], A().m_char.m_tempPictures.Path(1));
  EXPECT_TRUE(A().m_char.m_text[kTextPicture1].empty());
  EXPECT_TRUE(A().m_char.m_text[kTextPicture2].empty());

  const fs::path again = dir / "again.wdf";
  ASSERT_EQ(A().SaveCharacterFile(again.string()), 1);
  CCharDataFull back;
  ASSERT_EQ(ReadFile(back, again), 1);
  EXPECT_EQ(FileBytes(back.m_tempPictures.Path(0)), BmpBytes());
  EXPECT_EQ(FileBytes(back.m_tempPictures.Path(1)), PngBytes());
  windows->a.reset();
  if (saved) {
    setenv("TMPDIR", saved->c_str(), 1);
  } else {
    unsetenv("TMPDIR");
  }
}

// A window's text characters: a font character and a picture place, each with strokes
// of their own (told apart by x) that only the window's temporary store set holds.
struct Embedded {
  const char* ch;  // one CP932 character
  float x;
};
const Embedded kOwnA{"\x82\xA0", 10}, kOwnB{"\x82\xA2", 20}, kFile1{"\x82\xA4", 30}, kFile2{"\x82\xA6", 40};

class EmbeddedCharacters : public CharDocument {
 protected:
  static std::string PictureName(const Embedded& c) { return std::to_string(int(c.x)) + ".bmp"; }
  static std::vector<PathPoint> FontStrokes(const Embedded& c) { return {{c.x, 1, 1}, {c.x + 1, 2, 0}}; }
  static std::vector<PathPoint> PictureStrokes(const Embedded& c) { return {{c.x, 5, 1}, {c.x + 2, 7, 1}}; }

  // Gives doc's first text block the character and a picture place, added to set `set`.
  static void Give(CTmbDoc& doc, int set, const Embedded& c) {
    CTextSettings& t = doc.m_char.m_textSettings[0];
    t.m_nEntries = 2;
    for (size_t k = 0; k < 2; ++k) {
      CTextCharEntry& e = t.m_entries[k];
      e = CTextCharEntry();
      e.m_font = DefaultTextFont();
      e.m_nScale = 100;
    }
    t.m_entries[0].SetChar(c.ch);
    t.m_entries[1].m_bHidden = 1;
    t.m_entries[1].SetPicture(PictureName(c));
    CharStore store;
    ASSERT_EQ(store.MakeFileNames(set, false, false), 1);
    CStrokePath p1(10), p2(10);
    for (const PathPoint& p : FontStrokes(c)) p1.AppendPoint(int(p.x), int(p.y), p.flag);
    for (const PathPoint& p : PictureStrokes(c)) p2.AppendPoint(int(p.x), int(p.y), p.flag);
    p2.EnsureAuxBuffer(0);
    p2.m_pStrokeMarks->SetMark(1, uint8_t(c.x));
    ASSERT_EQ(store.AddFontCharacter(t.m_entries[0], p1), 1);
    t.m_entries[1].m_nPictureIndex = store.AddPicture(PictureName(c), p1, p2);
    ASSERT_GE(t.m_entries[1].m_nPictureIndex, 0);
  }

  // doc holds c, and the window's own set gives both its strokes.
  static void ExpectHolds(const CTmbDoc& doc, int set, const Embedded& c) {
    const CTextSettings& t = doc.m_char.m_textSettings[0];
    ASSERT_EQ(t.m_nEntries, 2);
    EXPECT_EQ(t.m_entries[0].Char(), c.ch);
    EXPECT_EQ(t.m_entries[1].Picture(), PictureName(c));
    CStrokePath p1(10), p2(10);
    EXPECT_EQ(LoadEntryCharacter(p1, p2, t.m_entries[0], set), 1);
    EXPECT_EQ(PointsOf(p1), FontStrokes(c));
    EXPECT_EQ(LoadEntryCharacter(p1, p2, t.m_entries[1], set), 1);
    EXPECT_EQ(PointsOf(p2), PictureStrokes(c));
    EXPECT_EQ(p2.GetStrokeMark(1), int(c.x));
  }

  std::vector<Bytes> SetFiles(int set) const {
    std::vector<Bytes> out;
    for (const char* base : {"fontdata_tmp", "picdata_tmp"}) {
      for (const char* ext : {".idx", ".dat"}) out.push_back(FileBytes(*store / (base + std::to_string(set) + ext)));
    }
    return out;
  }
};

// Each window keeps its characters in its own set (A set 1, B set 2) whichever block of
// the file it takes, a block read for no window changes no set, and every character
// survives a save and a load with nothing but the file to go on.
TEST_F(EmbeddedCharacters, EveryFileChoiceModeKeepsEachWindowsCharactersInItsOwnSet) {
  Reset();
  Give(A(), 1, kFile1);
  Give(B(), 2, kFile2);
  const fs::path both = dir / "both.wdf";
  ASSERT_EQ(A().SaveCharacterFile(both.string()), 1);
  // Saved while window A has no document: window B's block is the file's only one.
  std::unique_ptr<CTmbDoc> a = std::move(windows->a);
  const fs::path bAlone = dir / "b alone.wdf";
  ASSERT_EQ(B().SaveCharacterFile(bAlone.string()), 1);
  windows->a = std::move(a);

  struct Case {
    int mode;
    const Embedded* a;
    const Embedded* b;
    bool set1Changes, set2Changes;
  };
  const Case bothCases[] = {
      {kSelectAtoA_BtoB, &kFile1, &kFile2, true, true}, {kSelectAtoB_BtoA, &kFile2, &kFile1, true, true},
      {kSelectAtoA, &kFile1, &kOwnB, true, false},      {kSelectAtoB, &kOwnA, &kFile1, false, true},
      {kSelectBtoB, &kOwnA, &kFile2, false, true},      {kSelectBtoA, &kFile2, &kOwnB, true, false},
  };
  // B's lone block is part 2: it goes where each mode sends part 2.
  const Case bAloneCases[] = {
      {kSelectAtoA_BtoB, &kOwnA, &kFile2, false, true}, {kSelectAtoB_BtoA, &kFile2, &kOwnB, true, false},
      {kSelectAtoA, &kOwnA, &kOwnB, false, false},      {kSelectAtoB, &kOwnA, &kOwnB, false, false},
      {kSelectBtoB, &kOwnA, &kFile2, false, true},      {kSelectBtoA, &kFile2, &kOwnB, true, false},
  };
  for (auto [path, cases] : {std::pair{both, bothCases}, std::pair{bAlone, bAloneCases}}) {
    for (int i = 0; i < 6; ++i) {
      const Case& c = cases[i];
      SCOPED_TRACE(path.filename().string() + " mode " + std::to_string(c.mode));
      CharStore().RemoveTempFiles(-1);
      Reset();
      Give(A(), 1, kOwnA);
      Give(B(), 2, kOwnB);
      const std::vector<Bytes> set1 = SetFiles(1), set2 = SetFiles(2);
      gFileSelect.m_nMode = c.mode;
      EXPECT_EQ(A().LoadFile(path.string(), 0), c.set1Changes || c.set2Changes ? 1 : 0);
      EXPECT_EQ(SetFiles(1) != set1, c.set1Changes);
      EXPECT_EQ(SetFiles(2) != set2, c.set2Changes);
      ExpectHolds(A(), 1, *c.a);
      ExpectHolds(B(), 2, *c.b);

      const fs::path again = dir / "again.wdf";
      ASSERT_EQ(A().SaveCharacterFile(again.string()), 1);
      CharStore().RemoveTempFiles(-1);
      A().m_char.m_textSettings[0].m_nEntries = B().m_char.m_textSettings[0].m_nEntries = 0;
      gFileSelect.m_nMode = kSelectAtoA_BtoB;
      ASSERT_EQ(A().LoadFile(again.string(), 0), 1);
      ExpectHolds(A(), 1, *c.a);
      ExpectHolds(B(), 2, *c.b);
    }
  }
  // Only the temporary sets ever held them: the main set's indexes were made but stay empty.
  EXPECT_EQ(fs::file_size(*store / "fontdata.idx"), 0u);
  EXPECT_EQ(fs::file_size(*store / "picdata.idx"), 0u);
  EXPECT_FALSE(fs::exists(*store / "fontdata.dat"));
  EXPECT_FALSE(fs::exists(*store / "picdata.dat"));
  EXPECT_TRUE(messages.ids.empty());
}

// A file with both windows' characters, and windows A and B holding their own again.
class KeptSets : public EmbeddedCharacters {
 protected:
  void SetUp() override {
    EmbeddedCharacters::SetUp();
    Reset();
    Give(A(), 1, kFile1);
    Give(B(), 2, kFile2);
    ASSERT_EQ(A().SaveCharacterFile(file.string()), 1);
    CharStore().RemoveTempFiles(-1);
    Reset();
    Give(A(), 1, kOwnA);
    Give(B(), 2, kOwnB);
    set1 = SetFiles(1);
    set2 = SetFiles(2);
    gFileSelect.m_nMode = kSelectAtoA_BtoB;
  }

  // Files the load left beside the store's own.
  std::vector<std::string> Leftovers() const {
    std::vector<std::string> out;
    for (const fs::directory_entry& e : fs::directory_iterator(store->path())) {
      if (e.path().extension() == ".kept") out.push_back(e.path().filename().string());
    }
    return out;
  }

  const fs::path file = dir / "both.wdf";
  std::vector<Bytes> set1, set2;
};

// A window whose block fails keeps its old document, and so its set to the byte; a window
// that took its block keeps the block's set. Cut in the first block, neither changes; cut
// in the second, only window A takes its block.
TEST_F(KeptSets, AWindowWhoseBlockFailsKeepsItsSet) {
  const Bytes whole = FileBytes(file);
  for (const size_t cut : {size_t{200}, whole.size() - 1}) {
    SCOPED_TRACE(cut);
    const bool firstTaken = cut > 200;
    const fs::path damaged = WriteBytes("damaged.wdf", Bytes(whole.begin(), whole.begin() + cut));
    messages.ids.clear();
    EXPECT_EQ(A().LoadFile(damaged.string(), 0), firstTaken ? 1 : 0);
    EXPECT_EQ(messages.ids, std::vector<int>{kMsgDamagedBlock});
    EXPECT_EQ(SetFiles(1) != set1, firstTaken);
    EXPECT_EQ(SetFiles(2), set2);
    ExpectHolds(A(), 1, firstTaken ? kFile1 : kOwnA);
    ExpectHolds(B(), 2, kOwnB);
    EXPECT_EQ(Leftovers(), std::vector<std::string>{});
  }
}

// The refill of the sets fails on a full disk: both windows take the file all the same,
// told once that the store could not be written, and their sets hold the file's
// characters in memory. A damaged file read after it leaves them there; a save writes
// them, so that the file read again where the disk has room gives every character back.
TEST_F(KeptSets, AFullDiskWhileRefillingHoldsTheFilesCharactersUntilTheNextSave) {
  constexpr int kMsgStoreNotWritten = 61522;
  {
    SmallDisk full(kStoreHeaderSize);
    EXPECT_EQ(A().LoadFile(file.string(), 0), 1);
  }
  EXPECT_EQ(messages.ids, std::vector<int>{kMsgStoreNotWritten});
  EXPECT_NE(messages.texts[0].find(store->path().string()), std::string::npos) << "the store's folder is named";
  ExpectHolds(A(), 1, kFile1);
  ExpectHolds(B(), 2, kFile2);
  EXPECT_EQ(Leftovers(), std::vector<std::string>{});

  const Bytes whole = FileBytes(file);
  const fs::path damaged = WriteBytes("damaged.wdf", Bytes(whole.begin(), whole.begin() + 200));
  messages.ids.clear();
  EXPECT_EQ(A().LoadFile(damaged.string(), 0), 0);
  EXPECT_EQ(messages.ids, std::vector<int>{kMsgDamagedBlock});
  ExpectHolds(A(), 1, kFile1);

  const fs::path again = dir / "again.wdf";
  ASSERT_EQ(A().SaveCharacterFile(again.string()), 1);
  CharStore().RemoveTempFiles(-1);
  Reset();
  messages.ids.clear();
  ASSERT_EQ(A().LoadFile(again.string(), 0), 1);
  EXPECT_TRUE(messages.ids.empty());
  ExpectHolds(A(), 1, kFile1);
  ExpectHolds(B(), 2, kFile2);
  EXPECT_EQ(SetFiles(1).front().size(), kStoreHeaderSize + 112) << "window A's set took its character";
  EXPECT_EQ(Leftovers(), std::vector<std::string>{});
}

TEST_F(CharDocument, TheDefaultFileAndTheStartFileLoadSettingsOnlyAndQuietly) {
  // The default file is the data folder's, not the current folder's.
  gDrawState.m_szCurFolder = dir.path().string();
  WdfBlock b = Block(kPart1, 1);
  b.params[3] = 71;
  WriteFileBytes(dir / kDefaultCharFile, BuildWdfBlock(b));
  Reset();
  EXPECT_EQ(A().LoadFile(kDefaultCharFile, 0), 1);
  EXPECT_EQ(RecordPoints(A().m_char), kA);
  EXPECT_EQ(A().m_char.m_param[3], 71);
  EXPECT_TRUE(gDrawState.m_szCharFilePath.empty());
  EXPECT_EQ(A().m_bHasPath, 0);
  EXPECT_TRUE(windows->pictures.empty());  // no pictures for the default file
  fs::remove(dir / kDefaultCharFile);
  EXPECT_EQ(A().LoadFile(kDefaultCharFile, 0), 0);

  gStartLoading = 1;
  Reset();
  EXPECT_EQ(A().LoadFile(NewFile().string(), 0), 1);
  EXPECT_EQ(RecordPoints(A().m_char), kA);
  EXPECT_TRUE(gDrawState.m_szCharFilePath.empty());
  EXPECT_EQ(gCharSlots[4].m_param[3], A().m_char.m_param[3]);
  EXPECT_EQ(RecordPoints(gCharSlots[5]), kB);
  EXPECT_EQ(A().LoadFile((dir / "gone.wdf").string(), 0), 0);
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(CharDocument, OneTouchConversionTakesSettingsAndKeepsThePath) {
  struct Queue : MouseQueue {
    int taken = 0;
    int TakeMouseMessage(bool) override {
      ++taken;
      return kMouseNone;
    }
  } queue;
  SetMouseQueue(&queue);
  gDrawState.m_szCharFilePath = "/earlier.wdf";
  WdfBlock b = Block(kPart1, 1);
  b.params[4] = 66;
  const fs::path path = WriteBytes("style.wdf", BuildWdfFile({b, Block(kPart2, 0)}));
  for (int i = 0; i < 2; ++i) {
    Reset();
    chooser.Next(path.string());
    A().OnOneTouchConvert();
    EXPECT_EQ(A().m_bBusy, 0);
    EXPECT_EQ(RecordPoints(A().m_char), kA);
    EXPECT_EQ(A().m_char.m_param[4], 66);
  }
  EXPECT_EQ(gDrawState.m_szCharFilePath, "/earlier.wdf");
  EXPECT_EQ(gDrawState.m_szLastFolder, dir.path().string());
  EXPECT_EQ(windows->updates, 1);  // the first time only
  EXPECT_EQ(queue.taken, 8);        // the dialog's stale clicks, twice per open
  SetMouseQueue(nullptr);
}

TEST_F(CharDocument, ANewDocumentForgetsItsPathAndCopies) {
  SetPoints(A().m_char, kPart1);
  A().SaveUndoCopy();
  A().TempSave();
  A().m_bHasPath = 1;
  A().m_work.m_nPoints = 5;
  EXPECT_EQ(RecordPoints(A().m_base[kBaseUndo]), kPart1);
  EXPECT_EQ(RecordPoints(A().m_base[kBaseTempSave]), kPart1);
  EXPECT_EQ(A().OnNewDocument(), 1);
  EXPECT_EQ(A().m_char.m_nPoints, 0);
  EXPECT_EQ(A().m_bUndoValid + A().m_bTempSaved + A().m_bHasPath, 0);
  EXPECT_EQ(A().m_work.m_nPoints + A().m_base[kBaseUndo].m_nPoints + A().m_base[kBaseTempSave].m_nPoints, 0);
  EXPECT_EQ(A().m_char.m_nFrameCount, 31);
  EXPECT_EQ(A().m_char.m_bLoaded, 1);
  EXPECT_TRUE(A().m_pFloatPoints);
  EXPECT_EQ(A().m_char.m_pPointAttr != nullptr && A().m_char.m_pPointAttr2 != nullptr, true);
}

}  // namespace
}  // namespace tmb::test
