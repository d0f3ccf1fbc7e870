// Long work stopped by the user in the started program: a click (or Escape) that arrives
// while an animation of 100 frames, an AVI recompression or a batch of pictures runs asks
// whether to stop; yes stops it within one frame (or file) and leaves no half-written file:
// the animation's movies hold the frames made before the stop.
#include <algorithm>
#include <filesystem>
#include <functional>
#include <set>

#include "app/app_fixture.h"
#include "app/kind_lookup.h"
#include "export/animation/animation_params.h"
#include "export/animation/frame_output.h"
#include "export/avi/avi_movie_file.h"
#include "export/picture/picture_file_writer.h"
#include "export/sheet/ani_base_page.h"
#include "export/sheet/ani_p_sheet.h"
#include "imageedit/editor/batch_effect.h"
#include "imageedit/view/bmp_view_window.h"
#include "platform/file/big_endian.h"
#include "platform/gdi/dib_rows.h"
#include "platform/media/avi_writer.h"
#include "platform/text/code_page.h"
#include "support/checking_tool.h"
#include "support/file_bytes.h"
#include "support/gif_encoding_checks.h"
#include "support/movie_probe.h"
#include "support/recorded_character.h"
#include "support/recorded_services.h"
#include "support/swf_display_list.h"
#include "support/temp_dir.h"
#include "support/test_canvas.h"
#include "support/ui/posted_input.h"
#include "views/tmb_view.h"

namespace tmb::test {
namespace {

namespace fs = std::filesystem;

constexpr int kMsgStop = 62091;
constexpr int kMsgBatchCancelled = 61547;

// Where the user's clicks land on a window.
constexpr QPointF kClickPoint(40, 40);

// The progress of the work, which gives the user's input once it passed a position; the
// cancel questions go on to the main window's own display.
class InputAtProgress final : public ProgressService {
 public:
  InputAtProgress(CMainFrame* frame, int at, std::function<void()> input)
      : frame_(frame), at_(at), input_(std::move(input)) {
    SetProgressService(this);
  }
  ~InputAtProgress() override { SetProgressService(nullptr); }
  void SetPos(int percent) override {
    positions.push_back(percent);
    if (!given && percent >= at_) {
      given = true;
      input_();
    }
  }
  void OfferCancel(bool on) override { frame_->OfferCancel(on); }
  bool CancelRequested() override { return frame_->CancelRequested(); }
  bool given = false;
  std::vector<int> positions;

 private:
  CMainFrame* frame_;
  int at_;
  std::function<void()> input_;
};

std::set<std::string> Names(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.insert(e.path().filename().string());
  return names;
}

class LongRunStop : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    ASSERT_TRUE(Start());
    ShowAndPaint();
    // The sheet's first showing starts its file page at the data folder; the folders the
    // tests give the records come after it.
    ASSERT_TRUE(frame()->ExecuteCommand(33098));
    frame()->HideAnimationSheet();
  }
  void TearDown() override {
    gPlaybackOutput.Abandon();
    AppTest::TearDown();
  }
  static CCharDataFull& Record(int kind) { return *GetCharDocumentOfKind(kind)->DrawnRecord(); }
  QWidget* ViewA() { return CTmbView::ViewOfKind(kKindDrawA); }

  TempDir dir;
  RecordedShell shell;
};

TEST_F(LongRunStop, AClickOrEscapeStopsAHundredFrameAnimationWithinAFrameAndItsMoviesHoldTheFramesMade) {
  struct Case {
    const char* what;
    std::function<void(QWidget*)> input;
  } cases[] = {
      {"left click", [](QWidget* w) { PostClick(w, Qt::LeftButton, kClickPoint); }},
      {"right click", [](QWidget* w) { PostClick(w, Qt::RightButton, kClickPoint); }},
      {"escape", [](QWidget* w) { PostKey(w, Qt::Key_Escape); }},
  };
  AppendRecordedCharacter(Record(kKindDrawA));
  AppendRecordedCharacter(Record(kKindDrawB));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const fs::path folder = dir / c.what;
    fs::create_directory(folder);
    for (int kind : {kKindDrawA, kKindDrawB}) {
      CCharDataFull& r = Record(kind);
      r.m_text[kTextFolder] = folder.string();
      r.m_text[kTextAnimationName] = "run";
      r.m_param[kAnimFrameFiles] = 1;
      r.m_param[kAnimFrameFormat] = 1;  // PNG
      r.m_param[kAnimAvi] = 1;
      r.m_param[kAnimGif] = 1;
      r.m_param[kAnimMng] = 1;
      r.m_param[kAnimAviRecompress] = 0;
    }
    ASSERT_TRUE(frame()->ExecuteCommand(33098));
    auto* page = static_cast<CAniPage*>(frame()->AnimationSheet()->Page(frame()->AnimationSheet()->ActiveIndex()));
    qobject_cast<QLineEdit*>(page->Control(CAniBasePage::kFramesEdit))->setText(QStringLiteral("100"));
    messages.ids.clear();
    messages.Answer(kAnswerYes);
    InputAtProgress progress(frame(), 10, [&] { c.input(ViewA()); });
    qobject_cast<QAbstractButton*>(page->Control(CAniBasePage::kShowButton))->click();

    EXPECT_EQ(Record(kKindDrawA).m_param[kAnimFrames], 100);
    ASSERT_TRUE(progress.given);
    EXPECT_EQ(messages.ids, std::vector<int>{kMsgStop});
    EXPECT_EQ(gAnimAborted, 1);
    // The input came after the tenth frame; the next frame is the last one made.
    std::set<std::string> names = Names(folder);
    for (const char* made : {"run_01.png", "run_05.png", "run_10.png"}) EXPECT_TRUE(names.count(made)) << made;
    EXPECT_FALSE(names.count("run_12.png"));
    for (const char* movie : {"run.avi", "run.gif", "run.mng", "run.swf"}) {
      EXPECT_EQ(names.erase(movie), 1u) << movie;
    }
    for (const std::string& name : names) {
      EXPECT_EQ(name.rfind("run_", 0), 0u) << name << ": only whole frame pictures stay";
      EXPECT_EQ(fs::path(name).extension(), ".png") << name;
    }
    EXPECT_TRUE(shell.opened.empty()) << "a stopped run opens nothing";
    // Each movie holds the frames made before the stop, and says so.
    const int made = int(names.size());
    const std::vector<uint8_t> mng = FileBytes(folder / "run.mng");
    ASSERT_GT(mng.size(), 40u);
    EXPECT_EQ(LoadBigU32(&mng[32]), uint32_t(made)) << "the header's frame count";
    ExpectPngcheckPasses(folder / "run.mng");
    const MovieProbe probe = ProbeMovie(folder / "run.avi");
    if (probe.ran) {
      EXPECT_TRUE(probe.clean) << probe.output;
      EXPECT_EQ(probe.frames, made);
    }
    SwfFileInfo swf;
    std::string why;
    ASSERT_TRUE(ParseSwfFile(FileBytes(folder / "run.swf"), swf, why)) << why;
    const SwfDisplayFrames play = PlaySwfTags(swf.tags);
    EXPECT_TRUE(play.faults.empty()) << play.faults.front();
    EXPECT_GE(play.frames.size(), 1u);
    if (ToolInstalled("gifsicle")) {
      const GifInfo gif = GifsicleInfo(folder / "run.gif");
      EXPECT_EQ(gif.exitCode, 0) << gif.output;
      EXPECT_EQ(gif.images, made) << gif.output;
    }
  }
}

TEST_F(LongRunStop, AnAnswerOfNoLetsTheAnimationRunToItsEnd) {
  AppendRecordedCharacter(Record(kKindDrawA));
  AppendRecordedCharacter(Record(kKindDrawB));
  for (int kind : {kKindDrawA, kKindDrawB}) {
    CCharDataFull& r = Record(kind);
    r.m_text[kTextFolder] = dir.path().string();
    r.m_text[kTextAnimationName] = "go";
    r.m_param[kAnimFrameFiles] = 1;
    r.m_param[kAnimFrameFormat] = 1;
    r.m_param[kAnimFrames] = 12;
  }
  messages.Answer(kAnswerNo);
  InputAtProgress progress(frame(), 50, [&] { PostClick(ViewA(), Qt::LeftButton, kClickPoint); });
  ASSERT_TRUE(frame()->ExecuteCommand(33098));
  auto* page = static_cast<CAniPage*>(frame()->AnimationSheet()->Page(frame()->AnimationSheet()->ActiveIndex()));
  qobject_cast<QAbstractButton*>(page->Control(CAniBasePage::kShowButton))->click();
  EXPECT_EQ(messages.ids, std::vector<int>{kMsgStop});
  EXPECT_EQ(gAnimAborted, 0);
  EXPECT_TRUE(fs::exists(dir / "go_12.png"));
}

// A movie of frames frames of 64 x 48 pixels, uncompressed.
void WriteMovie(const fs::path& path, int frames) {
  ASSERT_EQ(OpenAviFile(path.string(), 64, 48, frames, 10), 1);
  DibHeader header;
  header.width = 64;
  header.height = 48;
  header.bitCount = 24;
  std::vector<uint8_t> rows(AviFrameBytes(64, 48));
  for (int f = 0; f < frames; ++f) {
    std::fill(rows.begin(), rows.end(), uint8_t(f * 2));
    ASSERT_EQ(WriteAviFrame(header, rows.data(), rows.size()), 1);
  }
  ASSERT_EQ(CloseAviFile(), 1);
}

TEST_F(LongRunStop, AClickStopsTheRecompressionAtOnceAndKeepsTheWholeUncompressedMovie) {
  const fs::path movie = dir / "movie.avi";
  WriteMovie(movie, 100);
  const auto before = fs::file_size(movie);
  dialogs.Then([](ui::DialogWindow&) { return ui::kIdOk; });  // the codec question
  messages.Answer(kAnswerYes);
  InputAtProgress progress(frame(), 50, [&] { PostClick(ViewA(), Qt::LeftButton, kClickPoint); });
  EXPECT_EQ(RecompressAvi(movie.string(), movie.string()), 0);
  ASSERT_TRUE(progress.given);
  EXPECT_EQ(messages.ids, std::vector<int>{kMsgStop}) << "a stop is not told as a failure";
  ASSERT_GE(progress.positions.size(), 2u);
  EXPECT_EQ(progress.positions.end()[-2], 50) << "no frame follows the one the click came with";
  EXPECT_EQ(progress.positions.back(), 0);
  EXPECT_EQ(Names(dir.path()), std::set<std::string>{"movie.avi"}) << "no half movie stays beside it";
  EXPECT_EQ(fs::file_size(movie), before);
  const MovieProbe probe = ProbeMovie(movie);
  if (!probe.ran) GTEST_SKIP() << "ffprobe is not installed";
  EXPECT_TRUE(probe.clean) << probe.output;
  EXPECT_EQ(probe.frames, 100);
  EXPECT_EQ(probe.codec, "rawvideo");
}

TEST_F(LongRunStop, AClickStopsTheBatchAfterTheFileInHandAndTheBatchSaysSo) {
  frame()->EnsureImageEditorOpen();
  CBmpViewWindow* editor = CBmpViewWindow::Instance();
  ASSERT_NE(editor, nullptr);
  CBmpView& view = editor->editor();
  view.m_effectDef.m_script = Utf8ToSjis("左右反転\r\n").value();
  view.m_effectDef.Parse();
  view.m_effectDef.m_strSuffix = "_";
  std::vector<std::string> sources;
  for (int i = 0; i < 20; ++i) {
    Canvas c(40, 30, PixelFormat::kColour32, 0xFFFFFF);
    c.dc.FillSolidRect({10, 10, 20, 20}, 0x000000);
    const std::string path = (dir / ("p" + std::to_string(100 + i) + ".bmp")).string();
    ASSERT_EQ(WritePictureFile(&c.dc, &c.surface, nullptr, path, 40, 30, kFormatBmp), 1);
    sources.push_back(path);
  }
  messages.Answer(kAnswerYes);
  InputAtProgress progress(frame(), 25, [&] { PostClick(editor, Qt::LeftButton, kClickPoint); });
  const CBatchResult result = RunBatchEffect(view, sources);
  ASSERT_TRUE(progress.given);
  EXPECT_TRUE(result.cancelled);
  EXPECT_EQ(result.written.size(), 5u) << "the input came after five files";
  EXPECT_EQ(messages.ids, (std::vector<int>{kMsgStop, kMsgBatchCancelled}));
  const std::set<std::string> names = Names(dir.path());
  EXPECT_EQ(names.size(), sources.size() + result.written.size()) << "only whole results stay";
  for (const std::string& out : result.written) EXPECT_TRUE(names.count(fs::path(out).filename().string())) << out;
}

}  // namespace
}  // namespace tmb::test
