// Reading effect scripts: which lines become entries and what their values set, also when
// the script is damaged.
#include "core/effect/effect_script.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "core/canvas/work_canvas.h"
#include "core/effect/effect_def.h"
#include "platform/text/code_page.h"

namespace {

std::string Sjis(const std::string& utf8) { return tmb::Utf8ToSjis(utf8).value(); }

// A definition that has parsed the script (UTF-8, lines joined by CR LF).
std::unique_ptr<CEffectDef> Parsed(const std::vector<std::string>& lines) {
  auto def = std::make_unique<CEffectDef>();
  for (const std::string& line : lines) def->m_script += Sjis(line) + "\r\n";
  def->Parse();
  return def;
}

std::vector<int> Entries(const CEffectDef& def) {
  return std::vector<int>(def.m_entries.begin(), def.m_entries.begin() + def.m_nEntries);
}

class EffectScript : public testing::Test {
 protected:
  void SetUp() override { gWorkCanvas.Init(500, 750, "", 32000, 32, 32); }
  void TearDown() override { gWorkCanvas.Reset(); }
};

TEST_F(EffectScript, LabelsInEitherLanguageNameTheSameEffect) {
  for (const char* line : {"Relief 3 ON", "浮き彫り 3 ON", "  ここに浮き彫り 3 ON を"}) {
    const auto def = Parsed({line});
    EXPECT_EQ(Entries(*def), std::vector<int>{6}) << line;
    EXPECT_EQ(def->m_value1[6], 3) << line;
    EXPECT_EQ(def->m_flagA[6], 1) << line;
  }
}

TEST_F(EffectScript, TheLabelTableOrderDecidesNotThePlaceInTheLine) {
  const struct {
    const char* line;
    int effect;
  } cases[] = {
      {"影 輪郭抽出", 1},                       // row 0 before row 11
      {"細化", 14},                              // also row 33's second label
      {"Thin", 14},
      {"Monochrome", 25},                        // "MONO" is in 25 before 26
      {"彫り込み", 26},                          // "ENV_MONO"
      {"Relief", 6},                             // "ENV" finds 6, not 26
      {"Gradation/Strokes/Vertical", 29},        // "GRADE_X" finds 29, not 31
      {"グラデーション/用紙部/縦方向", 32},
      {"カラー変更/全用紙", 56},
      {"Expansion/Trapez", 43},
      {"AntiAlias", 67},
      {"くり抜き", 13},
      {"Hollow", 13},                            // its row once named no effect
  };
  for (const auto& c : cases) EXPECT_EQ(Entries(*Parsed({c.line})), std::vector<int>{c.effect}) << c.line;
  EXPECT_EQ(Parsed({"nothing to see", "relief (lower case)", ""})->m_nEntries, 0);
}

TEST_F(EffectScript, ColourTriplesGoToTheFirstAndSecondColour) {
  auto def = Parsed({"影 (255,0,0) (0,0,255)"});
  EXPECT_EQ(def->m_colour1[7], 0x0000FFu);
  EXPECT_EQ(def->m_colour2[7], 0xFF0000u);
  // The parenthesis right after 20 is the number's separator: the triple stays open and
  // 30 completes it.
  def = Parsed({"影 (10,20) 30"});
  EXPECT_EQ(def->m_colour1[7], tmb::MakeRgb(10, 20, 30));
  EXPECT_EQ(def->m_value1[7], 0);
  def = Parsed({"影 (1,2,3) (4,5,6) (7,8,9) 12 34 56"});
  EXPECT_EQ(def->m_colour1[7], tmb::MakeRgb(1, 2, 3));
  EXPECT_EQ(def->m_colour2[7], tmb::MakeRgb(7, 8, 9));
  EXPECT_EQ(def->m_value1[7], 12);
  EXPECT_EQ(def->m_value2[7], 34);
}

TEST_F(EffectScript, SwitchWordsSetAndClearTheSwitches) {
  const struct {
    const char* word;
    int a, bg, t;
  } cases[] = {
      {"ON", 1, 0, 0},     {"ON_A", 1, 0, 0},   {"ON_B", 0, 1, 0},   {"ON_G", 0, 1, 0},
      {"ON_T", 0, 0, 1},   {"ON_X", 0, 0, 0},   {"MONO", 1, 0, 0},   {"5ON", 0, 0, 0},
      {"on", 0, 0, 0},
  };
  for (const auto& c : cases) {
    const auto def = Parsed({std::string("影 ") + c.word});
    EXPECT_EQ(def->m_flagA[7], c.a) << c.word;
    EXPECT_EQ(def->m_flagBG[7], c.bg) << c.word;
    EXPECT_EQ(def->m_flagT[7], c.t) << c.word;
  }
  EXPECT_EQ(Parsed({"影 5ON"})->m_value1[7], 5) << "the O after a number is passed over";
  const auto cleared = Parsed({"影 ON ON_B ON_T", "影 OFF OFF_G OFF_T"});
  EXPECT_EQ(cleared->m_flagA[7], 0);
  EXPECT_EQ(cleared->m_flagBG[7], 0);
  EXPECT_EQ(cleared->m_flagT[7], 0);
  EXPECT_EQ(Parsed({"影 ON OFF_X"})->m_flagA[7], 1) << "OFF followed by _ is no word";
}

TEST_F(EffectScript, EveryLineIsAnEntryAndTheLaterValuesWin) {
  const auto def = Parsed({"影 3 (1,1,1)", "// 影 9", "浮き彫り 4 // 影 8", "影 7"});
  EXPECT_EQ(Entries(*def), (std::vector<int>{7, 6, 7}));
  EXPECT_EQ(def->m_value1[7], 7);
  EXPECT_EQ(def->m_colour1[7], tmb::MakeRgb(1, 1, 1)) << "values a line leaves out stay";
  EXPECT_EQ(def->m_value1[6], 4);
}

TEST_F(EffectScript, ALoneLineFeedEndsALine) {
  CEffectDef def;
  def.m_script = Sjis("影 3\n浮き彫り 4\r\n石板 5\n");
  def.Parse();
  EXPECT_EQ(Entries(def), (std::vector<int>{7, 6, 3}));
  EXPECT_EQ(def.m_value1[7], 3);
  EXPECT_EQ(def.m_value1[3], 5);
}

TEST_F(EffectScript, OnlyTheFirst128BytesOfALineGiveValues) {
  const auto def = Parsed({std::string(130, 'x') + "影 9"});
  EXPECT_EQ(Entries(*def), std::vector<int>{7}) << "the label is found anywhere";
  EXPECT_EQ(def->m_value1[7], 0);
  EXPECT_EQ(Parsed({"影" + std::string(124, ' ') + "12345"})->m_value1[7], 12) << "cut at byte 128";
}

TEST_F(EffectScript, NumbersAreStoredAsWrittenAndOnlyAnOverflowIsHeld) {
  // A number beyond any dialog's range is the script's own: the effects hold what they
  // cannot use. Only a run of digits too long for 32 bits is held at the largest number.
  const struct {
    const char* line;
    int effect, value1, value2;
  } written[] = {
      {"くり抜き 50", 13, 50, 0},                  {"古色化 0", 27, 0, 0},
      {"Expansion/Pixel 9000 9000", 41, 9000, 9000}, {"Expansion/Incline 400", 44, 400, 0},
      {"Expansion/Ratio 0 900", 42, 0, 900},         {"Expansion/Trapez 600 20", 43, 600, 20},
      {"影 99999999999999999999 7", 7, INT_MAX, 7},  {"左右反転 123456", 11, 123456, 0},
  };
  for (const auto& w : written) {
    const auto def = Parsed({w.line});
    EXPECT_EQ(def->m_value1[size_t(w.effect)], w.value1) << w.line;
    EXPECT_EQ(def->m_value2[size_t(w.effect)], w.value2) << w.line;
  }
  // A triple is red + green x 256 + blue x 65536 combined by OR; what reaches beyond the
  // 24 colour bits is dropped.
  const struct {
    const char* line;
    tmb::Colour colour;
  } triples[] = {
      {"影 (1,2,3)", 0x030201},
      {"影 (300,0,0)", 0x00012C},
      {"影 (0,0,256)", 0x000000},
      {"影 (0,65535,0)", 0xFFFF00},
      {"影 (0,0,99999999999)", 0xFF0000},
  };
  for (const auto& t : triples) EXPECT_EQ(Parsed({t.line})->m_colour1[7], t.colour) << t.line;
}

TEST_F(EffectScript, ValuesStayWithinTheirLine) {
  // Neither the window nor the skip after a number runs on into the next line.
  auto def = Parsed({"影", "5 6 ON"});
  EXPECT_EQ(def->m_value1[7], 0);
  EXPECT_EQ(def->m_flagA[7], 0);
  def = Parsed({"浮き彫り 4", "ON"});
  EXPECT_EQ(def->m_flagA[6], 0);
  // An open parenthesis ends with its line: 30 is the next line's first number.
  def = Parsed({"影 (10,20", "浮き彫り 30"});
  EXPECT_EQ(def->m_colour1[7], 0u);
  EXPECT_EQ(def->m_value1[6], 30);
}

TEST_F(EffectScript, DoubleByteCharactersAreReadWhole) {
  CEffectDef def;
  // A trail byte 'T' followed by "hin" spells "Thin" across two characters; the trail
  // byte 0x89 followed by 'e' spells 影 (0x89 0x65) the same way.
  def.m_script = std::string("\x88" "Thin x\r\n") + "\x81\x89" "e 5\r\n";
  def.Parse();
  EXPECT_EQ(def.m_nEntries, 0);
  // A lead byte before a digit or at the end is a byte of its own; before a letter it
  // takes the letter into its character.
  def.m_script = Sjis("影 ") + "\x81" "5 \x81" "ON\r\n" + Sjis("影") + "\x81";
  def.Parse();
  EXPECT_EQ(Entries(def), (std::vector<int>{7, 7}));
  EXPECT_EQ(def.m_value1[7], 5);
  EXPECT_EQ(def.m_flagA[7], 0);
}

TEST_F(EffectScript, ThePartAfterATerminatorIsNoText) {
  CEffectDef def;
  def.m_script = Sjis("影 3") + std::string(1, '\0') + Sjis("\r\n浮き彫り 4");
  EXPECT_EQ(def.Parse(), 1);
  EXPECT_EQ(Entries(def), std::vector<int>{7});
  def.m_script.clear();
  EXPECT_EQ(def.Parse(), -1);
  EXPECT_EQ(def.m_nEntries, 0);
}

TEST_F(EffectScript, TwoHundredEntriesAreKeptAndTheRestCounted) {
  std::vector<std::string> lines(205, "影 1");
  lines.back() = "影 9";
  const auto def = Parsed(lines);
  EXPECT_EQ(def->m_nEntries, CEffectDef::kMaxEntries);
  EXPECT_EQ(def->m_nDroppedEntries, 5);
  EXPECT_EQ(def->m_value1[7], 1) << "dropped lines set nothing";
}

TEST_F(EffectScript, SwitchWordsAreTestedWhereTheyStart) {
  CEffectDef def;
  const std::string text = "xON_T";
  ParseSwitchWord(def, text, 0, 7);
  EXPECT_EQ(def.m_flagT[7], 0);
  ParseSwitchWord(def, text, 1, 7);
  EXPECT_EQ(def.m_flagT[7], 1);
  ParseSwitchWord(def, text, 99, 7);
  ParseSwitchWord(def, text, 1, 78);
  ParseEffectLine(def, "1 2", 0, 128);
  EXPECT_EQ(def.m_value1[0], 0) << "effect 0 has no slots to fill";
  ParseEffectLine(def, "(1,2,3) 4", 7, 3);
  EXPECT_EQ(def.m_colour1[7], 0u) << "the triple runs past the limit";
}

}  // namespace
