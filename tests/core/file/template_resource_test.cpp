// Copying a compiled-in resource into a caller's buffer.
#include "core/file/template_resource.h"

#include <gtest/gtest.h>

#include <string>

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
  EXPECT_EQ(LoadTemplateResource(large, sizeof large, 1), -1) << "no template is compiled in yet";
}

}  // namespace
