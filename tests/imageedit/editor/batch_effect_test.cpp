// The one-touch effect over many picture files: names of the results, what is asked
// before a source could be replaced, files that cannot be read, the cancel, and each file
// starting from the same definition.
#include "imageedit/editor/batch_effect.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/state/draw_state.h"
#include "export/picture/picture_file_reader.h"
#include "export/picture/picture_file_writer.h"
#include "export/picture/picture_read_result.h"
#include "imageedit/editor/bmp_view.h"
#include "core/effect/effect_dialogs.h"
#include "platform/service/progress.h"
#include "platform/text/code_page.h"
#include "support/checking_tool.h"
#include "support/editor_host.h"
#include "support/file_bytes.h"
#include "support/paper_state.h"
#include "support/picture_files.h"
#include "support/scoped_work_canvas.h"
#include "support/scripted_chooser.h"
#include "support/scripted_effect_dialogs.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"
#include "support/test_canvas.h"

namespace {

namespace fs = std::filesystem;
using tmb::Colour;
using tmb::PixelFormat;

constexpr int kWidth = 120, kHeight = 90;
constexpr Colour kWhite = 0xFFFFFF, kBlack = 0x000000, kYellow = 0x00FFFF;
constexpr int kMsgWouldOverwrite = 61545, kMsgBatchDone = 61546, kMsgBatchCancelled = 61547;

// A progress display whose cancel is pressed once a number of files were done.
class CancelAfter final : public tmb::ProgressService {
 public:
  explicit CancelAfter(int files) : files_(files) { tmb::SetProgressService(this); }
  ~CancelAfter() override { tmb::SetProgressService(nullptr); }
  void SetPos(int percent) override {
    if (percent > 0) ++done_;
  }
  void OfferCancel(bool on) override { offers.push_back(on); }
  bool CancelRequested() override { return done_ >= files_; }
  std::vector<bool> offers;

 private:
  int files_;
  int done_ = 0;
};

class BatchEffect : public ::testing::Test {
 protected:
  void SetUp() override {
    tmb::test::ResetDrawStateForPaper(kWidth, kHeight);
    view.OnInitialUpdate();
    ASSERT_TRUE(view.EnsureSetup(nullptr));
  }
  void TearDown() override { gDrawState.Reset(); }

  // White paper with a black bar, w x h, in format.
  std::string WritePicture(const std::string& name, int w, int h, int format) {
    tmb::test::Canvas c(w, h, PixelFormat::kColour32, kWhite);
    c.dc.FillSolidRect({w / 4, h / 4, w / 2, h / 2}, kBlack);
    const std::string path = (dir / name).string();
    EXPECT_EQ(WritePictureFile(&c.dc, &c.surface, nullptr, path, w, h, format), 1);
    return path;
  }
  void UseScript(const char* utf8) {
    view.m_effectDef.m_script = tmb::Utf8ToSjis(utf8).value();
    view.m_effectDef.Parse();
  }
  // The picture at path read back, with its size.
  tmb::Surface ReadBack(const fs::path& path, tmb::Size& size) {
    tmb::Surface s;
    s.Create(kWidth, kHeight, PixelFormat::kColour32);
    s.Fill(0x808080);
    EXPECT_EQ(ReadPictureFile(nullptr, path.string(), &s, &size), kPictureRead) << path;
    return s;
  }

  tmb::test::ScopedWorkCanvas canvas{kWidth, kHeight};
  tmb::test::ScriptedMessages messages;
  tmb::test::TempDir dir;
  tmb::test::EditorHost host{kWidth + 64, kHeight + 64};
  CBmpView view{&host};
};

TEST(BatchOutputName, AddsTheSuffixToTheTitle) {
  EXPECT_EQ(BatchOutputName("/p/a.bmp", "t"), "/p/at.bmp");
  EXPECT_EQ(BatchOutputName("/p/x.y/b.png", "_"), "/p/x.y/b_.png");
  EXPECT_EQ(BatchOutputName("/p/noext", "_"), "/p/noext_");
  EXPECT_EQ(BatchOutputName("/p/c.bmp", ""), "/p/c.bmp");
}

TEST_F(BatchEffect, WritesEachResultBesideItsSourceInTheFormatItsNameSays) {
  UseScript("左右反転\r\n");
  view.m_effectDef.m_strSuffix = "_";
  const std::vector<std::string> sources = {WritePicture("a.bmp", 40, 30, kFormatBmp),
                                            WritePicture("b.bmp", 50, 20, kFormatBmp),
                                            WritePicture("b.png", 30, 40, kFormatPng)};
  std::vector<std::vector<uint8_t>> before;
  for (const std::string& s : sources) before.push_back(tmb::test::FileBytes(s));
  const tmb::Surface pictureBefore = [&] {
    tmb::Surface s;
    s.Create(kWidth, kHeight, PixelFormat::kColour32);
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) s.SetPixel(x, y, view.m_bmpWork.GetPixel(x, y));
    }
    return s;
  }();

  const CBatchResult r = RunBatchEffect(view, sources);
  EXPECT_EQ(r.written.size(), 3u);
  EXPECT_TRUE(r.skipped.empty());
  for (size_t i = 0; i < sources.size(); ++i) {
    EXPECT_EQ(tmb::test::FileBytes(sources[i]), before[i]) << "source unchanged: " << sources[i];
  }
  EXPECT_EQ(PictureFileKindOf((dir / "a_.bmp").string()), kPictureFileBmp);
  EXPECT_EQ(PictureFileKindOf((dir / "b_.bmp").string()), kPictureFileBmp);
  EXPECT_EQ(PictureFileKindOf((dir / "b_.png").string()), kPictureFilePng);
  tmb::test::ExpectPngcheckPasses(dir / "b_.png");
  EXPECT_EQ(messages.CountOf(kMsgBatchDone), 1);
  // Each result holds its own picture at its own size (no mirroring effect is built yet,
  // so the pixels are the source's).
  tmb::Size size{};
  const tmb::Surface b = ReadBack(dir / "b_.png", size);
  EXPECT_EQ(size, (tmb::Size{30, 40}));
  EXPECT_EQ(b.GetPixel(10, 12), kBlack);
  EXPECT_EQ(b.GetPixel(25, 35), kWhite);
  for (int y = 0; y < kHeight; y += 7) {
    for (int x = 0; x < kWidth; x += 7) ASSERT_EQ(view.m_bmpWork.GetPixel(x, y), pictureBefore.GetPixel(x, y));
  }
  EXPECT_EQ(view.m_bClipFilled, 0) << "the editor's clip buffer is left alone";
}

TEST_F(BatchEffect, AsksBeforeAResultReplacesAChosenPictureAndNoWritesNothing) {
  UseScript("左右反転\r\n");
  const std::vector<std::string> sources = {WritePicture("a.bmp", 20, 20, kFormatBmp),
                                            WritePicture("b.png", 20, 20, kFormatPng)};
  const auto bytesA = tmb::test::FileBytes(sources[0]);
  struct Case {
    std::string suffix;
    std::vector<std::string> sources;
  };
  // The empty suffix names every source; "_" from "a.bmp" names the chosen "a_.bmp".
  const std::string aUnder = WritePicture("a_.bmp", 10, 10, kFormatBmp);
  const auto bytesAUnder = tmb::test::FileBytes(aUnder);
  for (const Case& c : {Case{"", sources}, Case{"_", {sources[0], aUnder}}}) {
    SCOPED_TRACE(c.suffix);
    messages.ids.clear();
    view.m_effectDef.m_strSuffix = c.suffix;
    messages.Answer(tmb::kAnswerNo);
    const CBatchResult r = RunBatchEffect(view, c.sources);
    EXPECT_TRUE(r.refused);
    EXPECT_TRUE(r.written.empty());
    ASSERT_EQ(messages.ids, (std::vector<int>{kMsgWouldOverwrite}));
    EXPECT_EQ(tmb::test::FileBytes(sources[0]), bytesA);
    EXPECT_EQ(tmb::test::FileBytes(aUnder), bytesAUnder);
  }
  EXPECT_FALSE(fs::exists(dir / "b_.png"));
  // A service that asks nobody takes the default: No.
  EXPECT_EQ(tmb::SilentAnswer(tmb::kMsgYesNoDefaultNo), tmb::kAnswerNo);
}

TEST_F(BatchEffect, AFileThatCannotBeReadIsSkippedAndNamed) {
  UseScript("左右反転\r\n");
  view.m_effectDef.m_strSuffix = "_";
  const std::string good = WritePicture("good.bmp", 20, 20, kFormatBmp);
  const fs::path bad = dir / "bad.bmp";
  tmb::test::WriteFileBytes(bad, {'B', 'M', 1, 2, 3});
  const CBatchResult r = RunBatchEffect(view, {bad.string(), good, (dir / "missing.png").string()});
  EXPECT_EQ(r.written, (std::vector<std::string>{(dir / "good_.bmp").string()}));
  EXPECT_EQ(r.skipped.size(), 2u);
  EXPECT_FALSE(fs::exists(dir / "bad_.bmp"));
  ASSERT_EQ(messages.ids, (std::vector<int>{kMsgBatchDone}));
  EXPECT_NE(messages.texts[0].find("bad.bmp"), std::string::npos) << messages.texts[0];
  EXPECT_NE(messages.texts[0].find("missing.png"), std::string::npos);
}

TEST_F(BatchEffect, ACancelAfterOneFileLeavesOneResult) {
  UseScript("左右反転\r\n");
  view.m_effectDef.m_strSuffix = "_";
  CancelAfter progress(1);
  const std::vector<std::string> sources = {WritePicture("a.bmp", 20, 20, kFormatBmp),
                                            WritePicture("b.bmp", 20, 20, kFormatBmp),
                                            WritePicture("c.bmp", 20, 20, kFormatBmp)};
  const CBatchResult r = RunBatchEffect(view, sources);
  EXPECT_TRUE(r.cancelled);
  EXPECT_EQ(r.written.size(), 1u);
  EXPECT_TRUE(fs::exists(dir / "a_.bmp"));
  EXPECT_FALSE(fs::exists(dir / "b_.bmp"));
  EXPECT_FALSE(fs::exists(dir / "c_.bmp"));
  EXPECT_EQ(progress.offers, (std::vector<bool>{true, false}));
  EXPECT_EQ(messages.CountOf(kMsgBatchCancelled), 1);
}

TEST_F(BatchEffect, TheWholePaperColourGoesYellowInEveryResult) {
  // Afresh: a new definition whose background is yellow; the change moves the paper
  // colour, and each file starts from the same white paper again.
  UseScript("カラー変更/全用紙\r\n");
  view.m_effectDef.m_colour1[kEffectColourBack] = kYellow;
  view.m_effectDef.m_strSuffix = "_";
  const std::vector<std::string> sources = {WritePicture("a.bmp", 40, 30, kFormatBmp),
                                            WritePicture("b.bmp", 50, 20, kFormatBmp),
                                            WritePicture("b.png", 30, 40, kFormatPng)};
  const CBatchResult r = RunBatchEffect(view, sources);
  ASSERT_EQ(r.written.size(), 3u);
  for (const std::string& out : r.written) {
    SCOPED_TRACE(out);
    tmb::Size size{};
    const tmb::Surface s = ReadBack(out, size);
    int yellow = 0, black = 0;
    for (int y = 0; y < size.cy; ++y) {
      for (int x = 0; x < size.cx; ++x) {
        const Colour c = s.GetPixel(x, y);
        ASSERT_TRUE(c == kYellow || c == kBlack) << x << "," << y << " " << std::hex << c;
        (c == kYellow ? yellow : black)++;
      }
    }
    EXPECT_EQ(black, (size.cx / 2 - size.cx / 4) * (size.cy / 2 - size.cy / 4)) << "the ink keeps its colour";
    EXPECT_GT(yellow, black);
    tmb::test::SavePictureForViewing(s, "batch_yellow_paper_" + fs::path(out).filename().string());
  }
  EXPECT_EQ(view.m_effectDef.m_crPaper, kWhite) << "the definition is as it was before the run";
}

TEST_F(BatchEffect, TheCommandChoosesFilesAfterItsDialogAndRunsOnTheAreaOtherwise) {
  const fs::path script = dir / "ef_test.txt";
  {
    const std::string text = tmb::Utf8ToSjis("カラー変更/全用紙\r\n").value();
    tmb::test::WriteFileBytes(script, std::vector<uint8_t>(text.begin(), text.end()));
  }
  tmb::test::ScriptedEffectDialogs dialogs;
  int action = 1;
  dialogs.oneTouch = [&](COneTouchEffectDlg& d) {
    d.m_strFile = script.string();
    d.m_strSuffix = "_";
    d.m_nAction = action;
    return tmb::kAnswerOk;
  };
  tmb::test::ScriptedChooser chooser;
  const std::string a = WritePicture("a.bmp", 20, 20, kFormatBmp);
  chooser.NextFiles({a});
  EXPECT_EQ(BatchOneTouchEffect(view), 1);
  ASSERT_EQ(chooser.asked.size(), 1u);
  EXPECT_EQ(chooser.asked[0].title, "More than one file can be chosen by pushing Ctrl key");
  EXPECT_EQ(chooser.asked[0].filter, "(*.bmp)|*.bmp|(*.*)|*.*||");
  EXPECT_TRUE(fs::exists(dir / "a_.bmp"));

  // Action 0 runs on the area of the picture, which can be undone; without an area the
  // user is told.
  action = 0;
  view.m_effectDef.m_colour1[kEffectColourBack] = kYellow;
  gColorChangeDlg.m_slots[CColorChangeDlg::kSlotBackground] = RgbSlotOf(kYellow);
  view.m_bmpWork.Fill(kWhite);
  view.m_region = {0, 0, kWidth, kHeight};
  EXPECT_EQ(BatchOneTouchEffect(view), 0);
  EXPECT_EQ(view.m_bmpWork.GetPixel(5, 5), kYellow);
  EXPECT_EQ(view.m_bModified, 1);
  view.Undo();
  EXPECT_EQ(view.m_bmpWork.GetPixel(5, 5), kWhite);
  view.m_region = {kWidth + 10, 0, kWidth + 20, 10};
  messages.ids.clear();
  EXPECT_EQ(BatchOneTouchEffect(view), -1);
  EXPECT_EQ(messages.ids, (std::vector<int>{61544}));
  EXPECT_EQ(messages.beeps, 1);
  // Cancelled dialog: nothing.
  dialogs.oneTouch = nullptr;
  EXPECT_EQ(BatchOneTouchEffect(view), -1);
}

}  // namespace
