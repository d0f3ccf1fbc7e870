// The print road over a PDF printer without dialogs: begin and end in pairs whatever
// happens, the page's pictures (colour and one-bit) stretched at 300 dpi, and a failed
// page that sends nothing.
#include "platform/ui/print_service.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/checking_tool.h"
#include "support/file_bytes.h"
#include "support/scripted_messages.h"
#include "support/small_disk.h"
#include "support/temp_dir.h"
#include "support/ui/scripted_printing.h"

namespace tmb::test {
namespace {

// A job whose page is a block of black ink stretched onto the page's top-left corner.
class BlockJob final : public ui::PrintJob {
 public:
  explicit BlockJob(PixelFormat format) {
    EXPECT_TRUE(picture.Create(200, 200, format));
    picture.Fill(0xFFFFFF);
    for (int y = 0; y < 100; ++y) {
      for (int x = 0; x < 100; ++x) picture.SetPixel(x, y, 0x000000);
    }
  }
  void BeginPrinting(bool preview) override {
    ++begins;
    previewed = preview;
  }
  int PrintPage(PageContext& page) override {
    ++pages;
    pageSize = page.PageSize();
    if (result < 1) return result;
    // The block's 100 pixels become 1,000 on the page.
    return page.StretchToPage(picture, {0, 0, 200, 200}, {2000, 2000}) ? 1 : 0;
  }
  void EndPrinting() override { ++ends; }
  std::string DocumentName() override { return "block"; }

  Surface picture;
  int result = 1;
  int begins = 0, pages = 0, ends = 0;
  bool previewed = false;
  Size pageSize{};
};

// Whether the page read back at 30 dpi is dark at (x, y) of 300 dpi.
bool DarkAt(const std::filesystem::path& pdf, int x, int y) {
  const ToolRun run = RunTool("pdftoppm -r 30 -gray -singlefile -x " + std::to_string(x / 10) + " -y " +
                              std::to_string(y / 10) + " -W 1 -H 1 '" + pdf.string() + "' '" +
                              (pdf.parent_path() / "probe").string() + "'");
  EXPECT_EQ(run.exitCode, 0) << run.output;
  std::ifstream in(pdf.parent_path() / "probe.pgm", std::ios::binary);
  std::string magic;
  int w = 0, h = 0, max = 0;
  in >> magic >> w >> h >> max;
  in.get();
  const int grey = in.get();
  return grey >= 0 && grey < 128;
}

class PrintServiceTest : public ::testing::Test {
 protected:
  ScriptedPrinting printing;
  TempDir dir;
};

TEST_F(PrintServiceTest, APrintedPageCarriesItsPictureAt300Dpi) {
  if (!ToolInstalled("pdftoppm")) GTEST_SKIP() << "poppler-utils is not installed";
  for (PixelFormat format : {PixelFormat::kColour32, PixelFormat::kMono1}) {
    const std::filesystem::path pdf = dir / (format == PixelFormat::kMono1 ? "mono.pdf" : "colour.pdf");
    printing.pdfPath = pdf.string();
    BlockJob job(format);
    EXPECT_TRUE(ui::RunPrintJob(job, false));
    EXPECT_EQ(job.begins, 1);
    EXPECT_EQ(job.ends, 1);
    EXPECT_FALSE(job.previewed);
    // A4 without margins (Qt rounds its width down to 2,479).
    EXPECT_NEAR(job.pageSize.cx, 2480, 1);
    EXPECT_NEAR(job.pageSize.cy, 3508, 1);
    EXPECT_TRUE(DarkAt(pdf, 500, 500));
    EXPECT_FALSE(DarkAt(pdf, 1500, 500));
    EXPECT_FALSE(DarkAt(pdf, 500, 1500));
  }
}

TEST_F(PrintServiceTest, AFailedPageSendsNothingAndTheJobStillEnds) {
  for (int result : {0, -1}) {
    const std::filesystem::path pdf = dir / ("failed" + std::to_string(result) + ".pdf");
    printing.pdfPath = pdf.string();
    BlockJob job(PixelFormat::kColour32);
    job.result = result;
    EXPECT_FALSE(ui::RunPrintJob(job, false));
    EXPECT_EQ(job.begins, 1);
    EXPECT_EQ(job.ends, 1);
    EXPECT_FALSE(std::filesystem::exists(pdf)) << result;
  }
}

TEST_F(PrintServiceTest, APrintToAFileThatCannotBeWrittenSaysSoAndKeepsThePreviousFile) {
  ScriptedMessages messages;
  const std::filesystem::path pdf = dir / "old.pdf";
  const std::vector<uint8_t> old{'%', 'P', 'D', 'F', '-', 'o', 'l', 'd'};
  WriteFileBytes(pdf, old);
  struct Case {
    const char* name;
    std::filesystem::path path;
    rlim_t room;
  };
  const Case cases[] = {
      {"full disk", pdf, 512},
      {"folder that is a file", pdf / "x.pdf", RLIM_INFINITY},
  };
  for (const Case& c : cases) {
    printing.pdfPath = c.path.string();
    BlockJob job(PixelFormat::kColour32);
    {
      SmallDisk disk(c.room);
      EXPECT_FALSE(ui::RunPrintJob(job, false)) << c.name;
    }
    EXPECT_EQ(job.ends, 1) << c.name;
    EXPECT_EQ(FileBytes(pdf), old) << c.name;
    ASSERT_EQ(messages.texts.size(), 1u) << c.name;
    EXPECT_NE(messages.texts.back().find(c.path.string()), std::string::npos) << c.name;
    messages.texts.clear();
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1)
        << c.name;
  }

  // With room, the print replaces the file.
  printing.pdfPath = pdf.string();
  BlockJob job(PixelFormat::kColour32);
  EXPECT_TRUE(ui::RunPrintJob(job, false));
  EXPECT_NE(FileBytes(pdf), old);
  EXPECT_TRUE(messages.texts.empty());
}

TEST_F(PrintServiceTest, ACancelledDialogBeginsNothingAndACancelledPreviewStillEnds) {
  BlockJob job(PixelFormat::kColour32);
  EXPECT_FALSE(ui::RunPrintJob(job, false));
  EXPECT_EQ(job.begins, 0);
  EXPECT_EQ(job.ends, 0);

  EXPECT_FALSE(ui::RunPrintJob(job, true));
  EXPECT_EQ(job.begins, 1);
  EXPECT_EQ(job.ends, 1);
  EXPECT_TRUE(job.previewed);
  EXPECT_EQ(job.pages, 0);

  printing.previewPath = (dir / "preview.pdf").string();
  EXPECT_TRUE(ui::RunPrintJob(job, true));
  EXPECT_EQ(job.begins, 2);
  EXPECT_EQ(job.ends, 2);
  EXPECT_EQ(job.pages, 1);
  EXPECT_EQ(printing.previews, 2);
}

}  // namespace
}  // namespace tmb::test
