// The dormant sample log: asked for, it sweeps the minimum sample interval over 30
// strokes and then writes every point with its timing to "tes.txt".
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "core/document/tmb_doc.h"
#include "support/file_bytes.h"
#include "support/small_disk.h"
#include "support/temp_dir.h"
#include "views/input/pen_fixture.h"

namespace tmb::test {
namespace {

class SampleLog : public PenInputTest {
 protected:
  void SetUp() override {
    PenInputTest::SetUp();
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
  }
  void TearDown() override {
    std::filesystem::current_path(previous_);
    PenInputTest::TearDown();
  }

  // Draws the thirty strokes of a log.
  void DrawLogStrokes() {
    view->m_nSampleLog = 1;
    // Samples far enough apart for every interval tried.
    PenEvents slow(view->area()->viewport(), clock, 300);
    for (int k = 0; k < 30; ++k) {
      ASSERT_FALSE(std::filesystem::exists("tes.txt")) << k;
      const int y = 20 + 20 * k;
      slow.Stroke({At(100, y), At(120, y), At(140, y)});
    }
  }

  TempDir dir;

 private:
  std::filesystem::path previous_;
};

TEST_F(SampleLog, ThirtyStrokesSweepTheIntervalAndWriteEveryPoint) {
  AddThreeStrokes(a);
  ASSERT_NO_FATAL_FAILURE(DrawLogStrokes());
  EXPECT_EQ(view->m_nSampleLog, 0);
  EXPECT_EQ(gDrawState.m_nPenDelay, 30);
  // The log began with an empty character; each stroke is four points.
  ASSERT_EQ(a.m_nPoints, 120);
  std::ifstream file("tes.txt");
  ASSERT_TRUE(file);
  std::stringstream text;
  text << file.rdbuf();
  EXPECT_EQ(text.str().front(), '\n');
  std::istringstream lines(text.str().substr(1));
  std::string line;
  std::vector<std::string> all;
  while (std::getline(lines, line)) all.push_back(line);
  ASSERT_EQ(all.size(), 120u);
  // Sample number, interval setting, interval, pressure, a cleared column, time.
  int sample = 0, delay = 0, interval = 0, pressure = 0, cleared = 0, time = 0;
  ASSERT_EQ(std::sscanf(all[0].c_str(), " %d %d %d %d (%d ,%d)", &sample, &delay, &interval, &pressure, &cleared, &time), 6);
  EXPECT_EQ(sample, 0);
  EXPECT_EQ(delay, 0);
  EXPECT_EQ(pressure, -1);
  ASSERT_EQ(std::sscanf(all[1].c_str(), " %d %d %d %d (%d ,%d)", &sample, &delay, &interval, &pressure, &cleared, &time), 6);
  EXPECT_EQ(sample, 1);
  EXPECT_EQ(interval, 300);
  // Strokes 4 to 6 ran with 5 ms, the last three with 120 ms.
  ASSERT_EQ(std::sscanf(all[13].c_str(), " %d %d", &sample, &delay), 2);
  EXPECT_EQ(delay, 5);
  ASSERT_EQ(std::sscanf(all[119].c_str(), " %d %d", &sample, &delay), 2);
  EXPECT_EQ(delay, 120);
  EXPECT_EQ(sample, 90);
}

TEST_F(SampleLog, ALogThatCannotBeWrittenKeepsThePreviousOneWhole) {
  AddThreeStrokes(a);
  ASSERT_NO_FATAL_FAILURE(DrawLogStrokes());
  const std::vector<uint8_t> previous = FileBytes("tes.txt");
  a.m_nPoints = 0;
  {
    // A disk with room for a few bytes only, far fewer than the new log's.
    SmallDisk full(16);
    view->m_nSampleLog = 1;
    PenEvents slow(view->area()->viewport(), clock, 300);
    for (int k = 0; k < 30; ++k) slow.Stroke({At(100, 20 + 20 * k), At(130, 20 + 20 * k)});
  }
  EXPECT_EQ(view->m_nSampleLog, 0);
  EXPECT_EQ(FileBytes("tes.txt"), previous);
  // Nothing but the log in the folder: the unfinished copy is gone.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1);
}

TEST_F(SampleLog, TheBuffersHoldAValuePerPointUntilTheLogIsWritten) {
  gDrawState.m_nPenDelay = 15;
  view->AllocSampleBuffers();
  for (const std::vector<int32_t>& column : view->m_sampleColumns) {
    EXPECT_EQ(column.size() * sizeof(int32_t), 64000u);
  }
  EXPECT_EQ(gDrawState.m_nPenDelay, 0);
  view->FreeSampleBuffers();
  for (const std::vector<int32_t>& column : view->m_sampleColumns) EXPECT_EQ(column.capacity(), 0u);
  // A whole log leaves nothing behind.
  ASSERT_NO_FATAL_FAILURE(DrawLogStrokes());
  for (const std::vector<int32_t>& column : view->m_sampleColumns) EXPECT_EQ(column.capacity(), 0u);
}

}  // namespace
}  // namespace tmb::test
