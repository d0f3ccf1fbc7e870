#include "export/html/text_builders.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace {

TEST(TextBuilders, FloatsTakeTheirDecimalsAndAPoint) {
  struct Case {
    double value;
    int decimals;
    const char* text;
  };
  const Case cases[] = {
      {3.14159, 0, "3"},    {3.14159, 1, "3.1"},     {3.14159, 2, "3.14"},  {3.14159, 3, "3.142"},
      {3.14159, 7, "3.141590"}, {-2.5, 2, "-2.50"},  {-0.001, 2, "0.00"},   {1234567.891, 2, "1234567.89"},
      {0.125, 2, "0.12"},  // the double nearest 0.125 rounds to even
  };
  for (const Case& c : cases) {
    std::string text = "x=";
    AppendFloat(text, c.value, c.decimals);
    EXPECT_EQ(text, std::string("x=") + c.text) << c.value << " " << c.decimals;
  }
}

TEST(TextBuilders, NumbersKeepTheirPointUnderADecimalCommaLocale) {
  const char* saved = std::setlocale(LC_ALL, nullptr);
  const std::string restore = saved ? saved : "C";
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no de_DE.UTF-8 locale";
  char probe[16];
  std::snprintf(probe, sizeof probe, "%.1f", 1.5);
  std::string text;
  AppendFloat(text, 1.5, 2);
  std::setlocale(LC_ALL, restore.c_str());
  EXPECT_EQ(std::string(probe), "1,5");  // the locale is in force
  EXPECT_EQ(text, "1.50");
}

TEST(TextBuilders, ColoursIndentsAndLineEnds) {
  std::string text;
  AppendRgb(text, 0x0000FF);
  EXPECT_EQ(text, "\"rgb(255,0,0)\"");
  text.clear();
  AppendRgb(text, 0x00C08040);
  EXPECT_EQ(text, "\"rgb(64,128,192)\"");
  text.clear();
  AppendIndent(text, 3);
  AppendByte(text, 200);
  AppendIndent(text, -1);
  AppendCrLf(text);
  EXPECT_EQ(text, "   200\r\n\r\n");
}

}  // namespace
