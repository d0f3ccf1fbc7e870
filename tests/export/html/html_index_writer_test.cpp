// The index page of saved pictures: its exact text, the columns that fit the screen, a
// thousand long names, escaped names and captions that xmllint reads without a complaint,
// and the page of a frame run.
#include "export/html/html_index_writer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/record/char_data_full.h"
#include "core/state/draw_state.h"
#include "export/animation/animation_params.h"
#include "export/animation/frame_output.h"
#include "export/html/html_index_page.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/surface.h"
#include "platform/service/shell_open.h"
#include "support/checking_tool.h"
#include "support/file_bytes.h"
#include "support/recorded_services.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

std::string FileText(const fs::path& path) {
  const std::vector<uint8_t> bytes = tmb::test::FileBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

// xmllint's complaints about the page (it exits 0 on errors, so its output is the check).
std::string XmllintComplaints(const fs::path& page) {
  return tmb::test::RunTool("xmllint --html --noout '" + page.string() + "'").output;
}

class HtmlIndexWriterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    screenBefore_ = gDrawState.m_sizeScreen;
    gDrawState.m_sizeScreen = {1024, 768};
    gHtmlIndexWriter.Init((dir / "page").string(), 0);
  }
  void TearDown() override {
    gDrawState.m_sizeScreen = screenBefore_;
    gHtmlIndexWriter.Init(std::string(), 1);
  }
  tmb::test::TempDir dir;
  tmb::test::ScriptedMessages messages;

 private:
  tmb::Size screenBefore_;
};

TEST_F(HtmlIndexWriterTest, APageWithoutPicturesHoldsTheHeadAnEmptyTableAndTheTail) {
  EXPECT_EQ(gHtmlIndexWriter.BuildPage(1024),
            "<html>\r\n<head>\r\n"
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">\r\n"
            "<title></title>\r\n</head>\r\n<body bgcolor=\"#FFFFFF\">\r\n\r\n"
            "<table border=\"1\">\r\n\r\n"
            "\r\n</table>\r\n\r\n</body>\r\n</html>\r\n");
  CHtmlIndexWriter unnamed;
  EXPECT_EQ(unnamed.m_szFileName, "test_html.html");
}

TEST_F(HtmlIndexWriterTest, AsManyColumnsAsFitInEightyPercentOfTheScreen) {
  struct Case {
    int pictures, width, screen, columns, rows;
  } cases[] = {
      {5, 100, 1024, 8, 1},   // 819 / 100
      {25, 100, 1024, 8, 4},
      {3, 900, 1024, 1, 3},   // wider than 80 %: one column
      {0, 100, 1024, 8, 0},
      {2, 100, 0, 1, 2},      // no screen measured
  };
  for (const Case& c : cases) {
    CHtmlIndexWriter page;
    page.SetImageRect(10, 10, 10 + c.width, 60);
    for (int i = 0; i < c.pictures; ++i) page.AddImageName(std::string("p").append(std::to_string(i)).append(".png"));
    page.Layout(c.screen);
    EXPECT_EQ(page.m_nColumns, c.columns) << c.pictures << " of " << c.width;
    EXPECT_EQ(page.m_nRows, c.rows) << c.pictures << " of " << c.width;
  }
  CHtmlIndexWriter page;
  page.SetImageRect(0, 0, 100, 50);
  for (int i = 0; i < 5; ++i) page.AddImageName("p.png");
  const std::string text = page.BuildPage(1024);
  size_t rows = 0;
  for (size_t at = text.find("<tr>"); at != std::string::npos; at = text.find("<tr>", at + 1)) ++rows;
  EXPECT_EQ(rows, 2u);  // one row of pictures, one of captions
  EXPECT_NE(text.find(" <td> <img src=\"p.png\" width=\"100\" height=\"50\"> </td>\r\n"), std::string::npos);
  EXPECT_NE(text.find(" <td><b></b></td>\r\n"), std::string::npos);
}

TEST_F(HtmlIndexWriterTest, AThousandLongNamesAndCaptionsAreAllWritten) {
  const std::string longName = std::string(250, 'n');
  const std::string longCaption = std::string(259, 'c');
  for (int i = 0; i < kHtmlIndexLimit; ++i) {
    ASSERT_EQ(gHtmlIndexWriter.AddImageName(longName + std::to_string(i) + ".png"), 1) << i;
    ASSERT_EQ(gHtmlIndexWriter.AddCaption(longCaption), 1) << i;
  }
  EXPECT_EQ(gHtmlIndexWriter.AddImageName("one too many.png"), 0);
  EXPECT_EQ(gHtmlIndexWriter.AddCaption("one too many"), 0);
  ASSERT_EQ(WriteHtmlIndex(), 1);
  const std::string text = FileText(dir / "page.html");
  EXPECT_NE(text.find(longName + "999.png"), std::string::npos);
  EXPECT_EQ(text.find("one too many"), std::string::npos);
  size_t captions = 0;
  for (size_t at = text.find(longCaption); at != std::string::npos; at = text.find(longCaption, at + 1)) ++captions;
  EXPECT_EQ(captions, size_t(kHtmlIndexLimit));
}

TEST_F(HtmlIndexWriterTest, NamesAndCaptionsAreEscapedAndXmllintReadsThePage) {
  tmb::test::RecordedShell shell;
  gHtmlIndexWriter.Init((dir / "page").string(), 1);
  gHtmlIndexWriter.AddImageName("a\"b<c.png");
  gHtmlIndexWriter.AddCaption("x & y");
  gHtmlIndexWriter.AddImageName("筆 #1.png");
  gHtmlIndexWriter.AddCaption("行書 <b>");
  ASSERT_EQ(WriteHtmlIndex(), 1);
  EXPECT_EQ(shell.opened, (std::vector<std::string>{(dir / "page.html").string()}));
  const std::string text = FileText(dir / "page.html");
  EXPECT_NE(text.find("src=\"a%22b%3Cc.png\""), std::string::npos) << text;
  EXPECT_NE(text.find("src=\"筆%20%231.png\""), std::string::npos) << text;
  EXPECT_NE(text.find("<b>x &amp; y</b>"), std::string::npos);
  EXPECT_NE(text.find("<b>行書 &lt;b&gt;</b>"), std::string::npos);
  if (!tmb::test::ToolInstalled("xmllint")) GTEST_SKIP() << "xmllint is not installed";
  EXPECT_EQ(XmllintComplaints(dir / "page.html"), "");
}

TEST_F(HtmlIndexWriterTest, APageThatCannotBeWrittenIsToldAndNothingIsOpened) {
  tmb::test::RecordedShell shell;
  gHtmlIndexWriter.Init((dir / "missing" / "page").string(), 1);
  gHtmlIndexWriter.AddImageName("a.png");
  EXPECT_EQ(WriteHtmlIndex(), 0);
  EXPECT_EQ(messages.ids, (std::vector<int>{62047}));
  EXPECT_TRUE(shell.opened.empty());
}

TEST_F(HtmlIndexWriterTest, AFrameRunListsItsPicturesOnThePage) {
  SetFrameIndexPage(&gHtmlIndexPage);
  auto record = std::make_unique<CCharDataFull>();
  record->m_text[kTextFolder] = dir.path().string();
  record->m_text[kTextAnimationName] = "ani";
  ParamBlock& params = record->m_param;
  params[kAnimFrameFiles] = 1;
  params[kAnimFrameFormat] = 1;  // PNG
  params[kAnimHtml] = 1;
  params[kAnimOpenMng] = 0;
  for (int k : {kAnimAvi, kAnimMng, kAnimGif, kAnimSwf}) params[size_t(k)] = 0;
  tmb::Surface surface;
  ASSERT_TRUE(surface.Create(30, 20, tmb::PixelFormat::kColour32));
  tmb::DeviceContext dc(&surface);
  CFrameOutput output;
  output.m_rcCanvas = {0, 0, 30, 20};
  ASSERT_EQ(output.Begin(*record, 5), 1);
  for (int i = 0; i < 5; ++i) ASSERT_EQ(output.SaveFrameImage(params, i, 5, i, 5, dc, surface), 1);
  ASSERT_EQ(output.End(params, dc, 5, 5), 1);
  SetFrameIndexPage(nullptr);
  const std::string text = FileText(dir / "ani.html");
  for (int i = 1; i <= 5; ++i) {
    EXPECT_NE(text.find("<img src=\"ani_0" + std::to_string(i) + ".png\" width=\"30\" height=\"20\">"),
              std::string::npos)
        << i;
  }
  if (!tmb::test::ToolInstalled("xmllint")) GTEST_SKIP() << "xmllint is not installed";
  EXPECT_EQ(XmllintComplaints(dir / "ani.html"), "");
}

}  // namespace
