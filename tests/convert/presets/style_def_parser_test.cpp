#include "convert/presets/style_def_parser.h"

#include <gtest/gtest.h>

#include "platform/text/code_page.h"

namespace {

std::string Sjis(const char* utf8) { return tmb::Utf8ToSjisLossy(utf8); }

TEST(StyleDefParser, BareWordsBecomeDataAndWordsStartingWithADigitValInsideTheirTag) {
  const CStyleParse parse = ParseStyleTags(Sjis("<class \"甲\" : \"乙\" id=105> 崩し 40, 太さ -7 // 筆脈 9\n</class>"));
  ASSERT_EQ(parse.damageLine, 0);
  ASSERT_EQ(parse.elements.size(), 5u);
  const CStyleElement& cls = parse.elements[0];
  EXPECT_EQ(cls.tag, "class");
  EXPECT_EQ(cls.Attribute("name"), Sjis("甲"));
  EXPECT_EQ(cls.Attribute(":"), Sjis("乙"));
  EXPECT_EQ(cls.Attribute("id"), "105");
  EXPECT_EQ(cls.first, 1);
  EXPECT_EQ(cls.last, 4);
  const struct {
    const char* tag;
    std::string text;
  } content[] = {{"data", Sjis("崩し")}, {"val", "40"}, {"data", Sjis("太さ")}, {"data", "-7"}};
  for (size_t i = 0; i < std::size(content); ++i) {
    const CStyleElement& e = parse.elements[i + 1];
    EXPECT_EQ(e.tag, content[i].tag) << i;
    EXPECT_EQ(e.text, content[i].text) << i;
    EXPECT_EQ(e.depth, 1) << i;
  }
}

TEST(StyleDefParser, AWordOrNumberInItsOwnTagIsThatElementsText) {
  const CStyleParse parse = ParseStyleTags(Sjis("<class \"c\"><data> 崩し </data><val>-7</val>\n<data>太さ</data> 9</class>"));
  ASSERT_EQ(parse.damageLine, 0);
  const struct {
    const char* tag;
    std::string text;
  } elements[] = {{"class", ""}, {"data", Sjis("崩し")}, {"val", "-7"}, {"data", Sjis("太さ")}, {"val", "9"}};
  ASSERT_EQ(parse.elements.size(), std::size(elements));
  for (size_t i = 0; i < std::size(elements); ++i) {
    EXPECT_EQ(parse.elements[i].tag, elements[i].tag) << i;
    EXPECT_EQ(parse.elements[i].text, elements[i].text) << i;
  }
  EXPECT_EQ(parse.elements[0].last, 4);
}

TEST(StyleDefParser, NestingLinesAndEmptyElements) {
  const CStyleParse parse = ParseStyleTags("<menu \"m\">\n a\n <popup name=p>\n  b\n  <s/>\n </popup>\n</menu>\n");
  ASSERT_EQ(parse.damageLine, 0);
  ASSERT_EQ(parse.elements.size(), 5u);
  const int depths[] = {0, 1, 1, 2, 2};
  const int lines[] = {1, 2, 3, 4, 5};
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(parse.elements[i].depth, depths[i]) << i;
    EXPECT_EQ(parse.elements[i].line, lines[i]) << i;
  }
  EXPECT_EQ(parse.elements[2].Attribute("name"), "p");
  EXPECT_EQ(parse.elements[2].last, 4);
  EXPECT_LT(parse.elements[4].last, parse.elements[4].first);  // <s/> has no content
}

TEST(StyleDefParser, KeepsFourAttributesAndCutsLongTextsAtACharacter) {
  std::string longName;
  for (int i = 0; i < 100; ++i) longName += Sjis("字");  // 200 bytes
  const CStyleParse parse = ParseStyleTags("<t a=1 b=2 c=3 d=4 e=5/> x" + longName);
  ASSERT_EQ(parse.elements.size(), 2u);
  EXPECT_EQ(parse.elements[0].nAttributes, 4);
  EXPECT_EQ(parse.elements[0].Attribute("e"), "");
  const std::string& cut = parse.elements[1].text;
  EXPECT_EQ(cut.size(), 127u);  // "x" and 63 whole characters
  EXPECT_EQ(cut.substr(1), longName.substr(0, 126));
}

TEST(StyleDefParser, StopsAtElementCapacity) {
  std::string words;
  for (int i = 0; i < 1100; ++i) words += "w ";
  EXPECT_EQ(ParseStyleTags(words).elements.size(), size_t(CStyleParse::kMaxElements));
}

TEST(StyleDefParser, DamageKeepsOnlyWholeElementsBeforeIt) {
  const std::string good = "<class a>x 1</class>\n";
  const struct {
    const char* name;
    std::string tail;
    int line;
  } cases[] = {
      {"unterminated tag", "<class b", 2},
      {"unterminated quote", "<class \"b>\n\n", 2},
      {"stray close tag", "x\n</menu>", 3},
      {"close tag without its end", "</class", 2},
      {"element left open", "\n<class b> y 1", 3},
  };
  for (const auto& c : cases) {
    const CStyleParse parse = ParseStyleTags(good + c.tail);
    EXPECT_EQ(parse.damageLine, c.line) << c.name;
    ASSERT_GE(parse.elements.size(), 3u) << c.name;
    EXPECT_EQ(parse.elements[0].last, 2) << c.name;
    for (const CStyleElement& e : parse.elements) EXPECT_GE(e.last, e.first - 1) << c.name;
    EXPECT_LE(parse.elements.size(), 4u) << c.name;  // at most the stray word before a close tag
  }
}

// A bare word that starts with a digit is a value whatever follows its digits, and the
// file reads on after it.
TEST(StyleDefParser, AWordStartingWithADigitIsAValueAndReadingGoesOn) {
  const CStyleParse parse = ParseStyleTags("<class b> y 12ab z 99999999999 w -7 </class>\n<class c></class>");
  ASSERT_EQ(parse.damageLine, 0);
  std::vector<std::pair<std::string, std::string>> words;
  for (const CStyleElement& e : parse.elements) words.emplace_back(e.tag, e.text);
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"class", ""},  {"data", "y"},  {"val", "12ab"}, {"data", "z"}, {"val", "99999999999"},
      {"data", "w"},  {"data", "-7"}, {"class", ""}};
  EXPECT_EQ(words, expected);
}

TEST(StyleDefParser, NumbersOfThirtyTwoBits) {
  const struct {
    const char* text;
    bool ok;
    int value;
  } cases[] = {{"0", true, 0},           {"2147483647", true, 2147483647}, {"-2147483648", true, -2147483648},
               {"2147483648", false, 0}, {"12a", false, 0},               {"", false, 0},
               {"+5", false, 0},         {"-", false, 0}};
  for (const auto& c : cases) {
    int v = 0;
    EXPECT_EQ(ParseStyleNumber(c.text, v), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(v, c.value) << c.text;
    }
  }
}

}  // namespace
