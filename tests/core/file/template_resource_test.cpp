// Copying a compiled-in resource into a caller's buffer.
#include "core/file/template_resource.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "resources/svg_template.h"
#include "support/checking_tool.h"
#include "support/temp_dir.h"

namespace {

constexpr CompiledResource kTable[] = {{23, 315, "<svg>tmpl</svg>"}, {23, 316, ""}};

TEST(TemplateResource, CopiesAtMostTheResourceAndTheBufferThenTheZero) {
  char buffer[8];
  std::string(sizeof buffer, 'x').copy(buffer, sizeof buffer);
  EXPECT_EQ(LoadResourceText(kTable, 23, 315, buffer, sizeof buffer, 0), 1);
  EXPECT_EQ(buffer[0], 0);
  EXPECT_EQ(buffer[1], 'x') << "n = 0 writes only the zero";
  EXPECT_EQ(LoadResourceText(kTable, 23, 315, nullptr, 0, -1), 15) << "its size";
  EXPECT_EQ(LoadResourceText(kTable, 23, 315, buffer, sizeof buffer, 100), 1);
  EXPECT_EQ(std::string(buffer), "<svg>tm") << "held to the buffer";
  char large[64];
  EXPECT_EQ(LoadResourceText(kTable, 23, 315, large, sizeof large, 1000), 1);
  EXPECT_EQ(std::string(large), "<svg>tmpl</svg>") << "held to the resource";
  EXPECT_EQ(LoadResourceText(kTable, 23, 999, large, sizeof large, 1), -1);
}

TEST(TemplateResource, TheAnimationTemplateIsCompiledInAndIsAScriptedSvgPage) {
  const int size = LoadTemplateResource(nullptr, 0, -1);
  ASSERT_GT(size, 0);
  std::vector<char> text(size_t(size) + 1, 'x');
  EXPECT_EQ(LoadTemplateResource(text.data(), text.size(), size), 1);
  const std::string page(text.data());
  EXPECT_EQ(page.size(), size_t(size));
  EXPECT_NE(page.find("<svg"), std::string::npos);
  EXPECT_NE(page.find("<script"), std::string::npos);
  EXPECT_NE(page.find(tmb::kSvgTemplateFramesMarker), std::string::npos);
  char small[4] = {'x', 'x', 'x', 'x'};
  EXPECT_EQ(LoadTemplateResource(small, sizeof small, 0), 1);
  EXPECT_EQ(small[0], 0) << "n = 0 writes only the zero";
  EXPECT_EQ(small[1], 'x');

  if (!tmb::test::ToolInstalled("xmllint")) GTEST_SKIP() << "xmllint is not installed";
  tmb::test::TempDir dir;
  const std::filesystem::path file = dir / "template.svg";
  std::ofstream(file) << page;
  const tmb::test::ToolRun lint = tmb::test::RunTool("xmllint --noout '" + file.string() + "' 2>&1");
  EXPECT_EQ(lint.output, "");
  EXPECT_EQ(lint.exitCode, 0);
}

}  // namespace
