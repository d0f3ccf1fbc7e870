// The handwriting recogniser over Zinnia: the packaged model reads a character, and a
// missing, empty, foreign or cut-off model file opens as no model and reads nothing.
#include "platform/ink/handwriting_recogniser.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/temp_dir.h"
#include "support/written_characters.h"

namespace tmb {
namespace {

constexpr char kPackageModel[] = "/usr/share/tegaki/models/zinnia/handwriting-ja.model";

// The strokes of the written ten, in a box of 300.
std::vector<std::vector<Point>> TenStrokes() {
  std::vector<std::vector<Point>> strokes;
  for (const auto& stroke : test::WrittenCharacters()[1].strokes) strokes.push_back(test::StrokeSamples(stroke, 3, {}, 8));
  return strokes;
}

TEST(HandwritingRecogniser, ThePackagedModelReadsACharacterBestFirst) {
  if (!std::filesystem::exists(kPackageModel)) GTEST_SKIP() << "no handwriting model installed";
  HandwritingRecogniser recogniser;
  ASSERT_TRUE(recogniser.Open(kPackageModel));
  const std::vector<InkCandidate> found = recogniser.Classify(TenStrokes(), 300, 300, 5);
  ASSERT_EQ(found.size(), 5u);
  EXPECT_EQ(found[0].text, "十");
  for (size_t k = 1; k < found.size(); ++k) EXPECT_LE(found[k].score, found[k - 1].score);
  // Nothing to read: no strokes, strokes without points, an empty box, no reading asked.
  EXPECT_TRUE(recogniser.Classify({}, 300, 300, 5).empty());
  const std::vector<std::vector<Point>> empty(3);
  EXPECT_TRUE(recogniser.Classify(empty, 300, 300, 5).empty());
  EXPECT_TRUE(recogniser.Classify(TenStrokes(), 0, 300, 5).empty());
  EXPECT_TRUE(recogniser.Classify(TenStrokes(), 300, 300, 0).empty());
}

TEST(HandwritingRecogniser, ADamagedModelOpensAsNoModel) {
  test::TempDir dir;
  std::ofstream(dir / "empty.model").close();
  std::ofstream(dir / "text.model") << "this is no model, only words about one\n";
  std::vector<std::string> files{(dir / "missing.model").string(), (dir / "empty.model").string(),
                                 (dir / "text.model").string()};
  if (std::filesystem::exists(kPackageModel)) {
    // The real model cut off after its first 64 KiB.
    std::ifstream in(kPackageModel, std::ios::binary);
    std::string head(64 * 1024, '\0');
    in.read(head.data(), std::streamsize(head.size()));
    std::ofstream(dir / "cut.model", std::ios::binary).write(head.data(), std::streamsize(head.size()));
    files.push_back((dir / "cut.model").string());
  }
  for (const std::string& file : files) {
    HandwritingRecogniser recogniser;
    EXPECT_FALSE(recogniser.Open(file)) << file;
    EXPECT_FALSE(recogniser.IsOpen()) << file;
    EXPECT_TRUE(recogniser.Classify(TenStrokes(), 300, 300, 5).empty()) << file;
  }
}

}  // namespace
}  // namespace tmb
