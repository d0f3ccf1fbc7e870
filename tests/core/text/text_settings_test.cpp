#include "core/text/text_settings.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/text/code_page.h"

namespace {

// Code page 932 bytes of a UTF-8 literal.
std::string Sjis(const char* utf8) { return tmb::Utf8ToSjis(utf8).value(); }

std::unique_ptr<CTextSettings> Block() { return std::make_unique<CTextSettings>(); }

struct Placed {
  std::string ch;  // UTF-8
  int column;
  int row;
};

std::vector<Placed> Layout(const CTextSettings& t) {
  std::vector<Placed> out;
  for (int i = 0; i < t.m_nEntries; ++i) {
    const CTextCharEntry& e = t.m_entries[i];
    out.push_back({e.m_bHidden ? "<pic>" : tmb::SjisToUtf8Lossy(e.Char()), e.m_nColumn, e.m_nRow});
  }
  return out;
}

std::string Describe(const std::vector<Placed>& v) {
  std::string s;
  for (const Placed& p : v) s += p.ch + "@" + std::to_string(p.column) + "," + std::to_string(p.row) + " ";
  return s;
}

TEST(TextSettings, FreshBlockHoldsTheDefaults) {
  auto t = Block();
  EXPECT_EQ(t->m_nEntries, 0);
  EXPECT_EQ(t->m_strText, "");
  EXPECT_EQ(t->m_nCharsPerLine, 10);
  EXPECT_EQ(t->m_nLayout2, 1);
  EXPECT_EQ(t->m_nCellSize, 128);
  EXPECT_EQ(t->m_nAspect, 100);
  EXPECT_EQ(t->m_nGlyphSize, 256);
  EXPECT_EQ(t->m_nValue10, 10);
  EXPECT_EQ(t->m_nMarks, 0);
  EXPECT_EQ(t->m_template.m_nScale, 100);
  EXPECT_TRUE(t->m_template.m_font.SameBytes(DefaultTextFont()));
  for (const CTextCharEntry& e : t->m_entries) {
    ASSERT_TRUE(e.m_font.SameBytes(DefaultTextFont()));
    ASSERT_EQ(e.m_nScale, 100);
  }
  EXPECT_EQ(t->Differs(*Block()), 0);
}

TEST(TextSettings, WrappingCountsShiftJisBytes) {
  struct Case {
    const char* text;
    int charsPerLine;
    std::vector<Placed> expected;
  } cases[] = {
      {"abcdefghijk", 10, {{"a", 1, 1}, {"b", 2, 1}, {"c", 3, 1}, {"d", 4, 1}, {"e", 5, 1},
                           {"f", 6, 1}, {"g", 7, 1}, {"h", 8, 1}, {"i", 9, 1}, {"j", 10, 1},
                           {"k", 1, 2}}},
      // A double-byte character at the wrap column needs two columns: it wraps.
      {"abcdefghiあb", 10, {{"a", 1, 1}, {"b", 2, 1}, {"c", 3, 1}, {"d", 4, 1}, {"e", 5, 1},
                            {"f", 6, 1}, {"g", 7, 1}, {"h", 8, 1}, {"i", 9, 1}, {"あ", 1, 2},
                            {"b", 3, 2}}},
      // ... and one that ends exactly on the last column does not.
      {"abcdefghあb", 10, {{"a", 1, 1}, {"b", 2, 1}, {"c", 3, 1}, {"d", 4, 1}, {"e", 5, 1},
                           {"f", 6, 1}, {"g", 7, 1}, {"h", 8, 1}, {"あ", 9, 1}, {"b", 1, 2}}},
      {"あいうえお漢", 10, {{"あ", 1, 1}, {"い", 3, 1}, {"う", 5, 1}, {"え", 7, 1},
                           {"お", 9, 1}, {"漢", 1, 2}}},
      // The full-width space is a character of two columns, half-width kana of one.
      {"a　ｱb", 3, {{"a", 1, 1}, {"　", 2, 1}, {"ｱ", 1, 2}, {"b", 2, 2}}},
      {"あい", 1, {{"あ", 1, 2}, {"い", 1, 3}}},
  };
  for (const Case& c : cases) {
    auto t = Block();
    t->m_nCharsPerLine = c.charsPerLine;
    t->ParseTextScript(Sjis(c.text), false);
    EXPECT_EQ(Describe(Layout(*t)), Describe(c.expected)) << c.text;
  }
}

TEST(TextSettings, ScriptMarkersAndMarks) {
  struct Mark {
    int entry;
    int number;
  };
  struct Case {
    const char* text;
    std::vector<std::string> chars;  // "<pic>" for a picture place
    std::vector<Mark> marks;
  } cases[] = {
      {"a##b", {"a", "#", "b"}, {}},
      {"a//b", {"a", "/", "b"}, {}},
      {"a#b", {"a", "<pic>", "b"}, {}},
      {"a/3,4)b", {"a", "b"}, {{0, 3}, {0, 4}}},
      {"ab/ 7 , 12,,5 )c", {"a", "b", "c"}, {{1, 7}, {1, 12}, {1, 5}}},
      {"a/)b", {"a", "b"}, {}},
      // Anything but digits, blanks and commas before ")" makes one mark -1, and the
      // bytes after the "/" are read as text again.
      {"a/x", {"a", "x"}, {{0, -1}}},
      {"a/3x)", {"a", "3", "x", ")"}, {{0, -1}}},
      {"a/3", {"a", "3"}, {{0, -1}}},
      // Marks belong to the last character that is not a blank.
      {"a /5)", {"a", " "}, {{0, 5}}},
      {"ab　/5)", {"a", "b", "　"}, {{1, 5}}},
      {"あ/2)い/1)", {"あ", "い"}, {{0, 2}, {1, 1}}},
      {"#/9)", {"<pic>"}, {{0, 9}}},
      {"/4)a", {"a"}, {{0, 4}}},
  };
  for (const Case& c : cases) {
    auto t = Block();
    int n = t->ParseTextScript(Sjis(c.text), false);
    std::vector<Placed> got = Layout(*t);
    ASSERT_EQ(n, static_cast<int>(c.chars.size())) << c.text;
    for (size_t i = 0; i < c.chars.size(); ++i) EXPECT_EQ(got[i].ch, c.chars[i]) << c.text << " " << i;
    ASSERT_EQ(t->m_nMarks, static_cast<int>(c.marks.size())) << c.text;
    for (size_t i = 0; i < c.marks.size(); ++i) {
      EXPECT_EQ(t->m_marks[i].m_nEntry, c.marks[i].entry) << c.text << " mark " << i;
      EXPECT_EQ(t->m_marks[i].m_nNumber, c.marks[i].number) << c.text << " mark " << i;
    }
  }
}

TEST(TextSettings, PicturePlaceTakesAColumnAndClearsAnOldCharacter) {
  auto t = Block();
  t->ParseTextScript("xyz", false);
  t->ParseTextScript("a#b", false);
  EXPECT_EQ(t->m_entries[1].m_bHidden, 1);
  EXPECT_EQ(t->m_entries[1].Char(), "");
  EXPECT_EQ(t->m_entries[2].m_nColumn, 3);
  // A later text puts a character there again.
  t->ParseTextScript("abc", false);
  EXPECT_EQ(t->m_entries[1].m_bHidden, 0);
  EXPECT_EQ(t->m_entries[1].Char(), "b");
}

TEST(TextSettings, LeadByteAtTheEndIsDropped) {
  for (std::string text : {std::string("ab\x82"), std::string("ab\x82", 3) + '\0' + "c",
                           std::string("\x82")}) {
    auto t = Block();
    t->m_entries[2].SetChar("Q");
    int n = t->ParseTextScript(text, false);
    EXPECT_EQ(n, text[0] == 'a' ? 2 : 0);
    EXPECT_EQ(t->m_entries[2].Char(), "Q") << "nothing is written for the broken character";
  }
}

TEST(TextSettings, ParserStopsAtTheEntryCapacity) {
  auto t = Block();
  t->m_nCharsPerLine = 1000;
  t->m_entries[kTextEntryCount - 1].SetChar("Q");
  EXPECT_EQ(t->ParseTextScript(std::string(200, 'a') + "/5)", false), kTextEntryCount);
  EXPECT_EQ(t->m_nMarks, 0) << "the script after the last entry is not read";
  EXPECT_EQ(t->m_entries[kTextEntryCount - 1].Char(), "a");
  // Appending to a full block adds nothing.
  EXPECT_EQ(t->ParseTextScript("bcd", true), kTextEntryCount);
  EXPECT_EQ(t->m_entries[kTextEntryCount - 1].Char(), "a");
  // Appending to a partly used block fills it up to the capacity.
  t->ParseTextScript(std::string(120, 'x'), false);
  EXPECT_EQ(t->ParseTextScript(std::string(20, 'y'), true), kTextEntryCount);
  EXPECT_EQ(t->m_entries[119].Char(), "x");
  EXPECT_EQ(t->m_entries[120].Char(), "y");
  EXPECT_EQ(t->m_entries[120].m_nColumn, 1) << "an appended text starts at column 1";
}

TEST(TextSettings, ParserReadsOnlyTheFirst1024BytesAndKeepsMarksInTheTable) {
  // 341 lists of one number fill 1 + 1023 bytes; the list after them is not read.
  std::string text = "a";
  for (int i = 0; i < 341; ++i) text += "/1)";
  ASSERT_EQ(text.size(), 1024u);
  auto t = Block();
  t->ParseTextScript(text + "/7)b", false);
  EXPECT_EQ(t->m_nEntries, 1);
  EXPECT_EQ(t->m_nMarks, 341);
  EXPECT_EQ(t->m_marks[340].m_nNumber, 1);
  // The densest list the limit allows gives one mark per two bytes, within the table.
  std::string dense = "a/";
  while (dense.size() < 1020) dense += "9,";
  dense += "9)";
  t->ParseTextScript(dense, false);
  EXPECT_EQ(t->m_nMarks, 510);
  EXPECT_LE(t->m_nMarks, kTextMarkCount);
  // A number too long for 32 bits is held at a limit instead of overflowing.
  t->ParseTextScript("a/99999999999999999999)", false);
  ASSERT_EQ(t->m_nMarks, 1);
  EXPECT_EQ(t->m_marks[0].m_nNumber, 1000000000);
}

TEST(TextSettings, InitClearsAllMarks) {
  auto t = Block();
  t->m_nMarks = 3;
  for (CTextMark& m : t->m_marks) m = {5, 6, 7};
  t->Init();
  EXPECT_EQ(t->m_nMarks, 0);
  for (int i = 0; i < kTextMarkCount; ++i) {
    ASSERT_EQ(t->m_marks[i].m_nEntry, 0) << i;
    ASSERT_EQ(t->m_marks[i].m_nValue, 0) << i;
    ASSERT_EQ(t->m_marks[i].m_nNumber, 0) << i;
  }
}

TEST(TextSettings, CopyFromKeepsOrCopiesMarkValues) {
  auto src = Block();
  src->ParseTextScript(Sjis("あいう/1,2)"), false);
  src->m_template.m_nScale = 250;
  src->m_entries[5].SetChar("Z");  // not a used entry
  for (int i = 0; i < kTextMarkCount; ++i) src->m_marks[i] = {i, 1000 + i, 2000 + i};
  for (int keep : {0, 1}) {
    auto dst = Block();
    for (CTextMark& m : dst->m_marks) m.m_nValue = -5;
    dst->CopyFrom(*src, keep);
    EXPECT_EQ(dst->Differs(*src), 0);
    EXPECT_EQ(dst->m_nMarks, 2);
    EXPECT_EQ(dst->m_template.m_nScale, 250);
    EXPECT_EQ(dst->m_entries[5].Char(), "") << "unused entries are not copied";
    for (int i : {0, 511, 512, kTextMarkCount - 1}) {
      EXPECT_EQ(dst->m_marks[i].m_nEntry, i);
      EXPECT_EQ(dst->m_marks[i].m_nNumber, 2000 + i);
      EXPECT_EQ(dst->m_marks[i].m_nValue, keep ? -5 : 1000 + i) << "keep " << keep << " mark " << i;
    }
  }
}

TEST(TextSettings, CopyFromKeepsCountsWithinTheTables) {
  auto src = Block();
  src->m_nEntries = 5000;
  src->m_nMarks = -3;
  auto dst = Block();
  dst->CopyFrom(*src, 0);
  EXPECT_EQ(dst->m_nEntries, kTextEntryCount);
  EXPECT_EQ(dst->m_nMarks, 0);
}

TEST(TextSettings, WhichComparisonSeesWhichChange) {
  struct Case {
    const char* name;
    std::function<void(CTextSettings&)> change;
    int differs;
    int fontDiffers;
  } cases[] = {
      {"characters per line", [](CTextSettings& t) { t.m_nCharsPerLine = 5; }, 1, 1},
      {"second layout value", [](CTextSettings& t) { t.m_nLayout2 = 2; }, 1, 1},
      {"cell size", [](CTextSettings& t) { t.m_nCellSize = 64; }, 1, 1},
      {"aspect", [](CTextSettings& t) { t.m_nAspect = 50; }, 1, 1},
      {"position", [](CTextSettings& t) { t.m_nPosY = 3; }, 1, 1},
      {"glyph size", [](CTextSettings& t) { t.m_nGlyphSize = 128; }, 1, 0},
      {"fill value", [](CTextSettings& t) { t.m_nFillValue = 1; }, 1, 0},
      {"further value", [](CTextSettings& t) { t.m_nValue10 = 11; }, 1, 0},
      {"current entry", [](CTextSettings& t) { t.m_nCurEntry = 1; }, 1, 0},
      {"text", [](CTextSettings& t) { t.m_strText = "abd"; }, 1, 0},
      {"entry count", [](CTextSettings& t) { t.m_nEntries = 2; }, 1, 1},
      {"used entry", [](CTextSettings& t) { t.m_entries[2].m_font.italic = 1; }, 1, 0},
      {"unused entry", [](CTextSettings& t) { t.m_entries[3].m_font.italic = 1; }, 0, 0},
      {"template", [](CTextSettings& t) { t.m_template.m_nScale = 3; }, 0, 0},
      {"marks", [](CTextSettings& t) { t.m_nMarks = 4; }, 0, 0},
  };
  auto base = Block();
  base->m_strText = "abc";
  base->ParseTextScript("abc", false);
  for (const Case& c : cases) {
    auto t = Block();
    t->CopyFrom(*base, 0);
    c.change(*t);
    EXPECT_EQ(t->Differs(*base), c.differs) << c.name;
    EXPECT_EQ(t->FontDiffers(*base), c.fontDiffers) << c.name;
  }
}

TEST(TextSettings, EntryDiffersSeesEveryField) {
  std::function<void(CTextCharEntry&)> changes[] = {
      [](CTextCharEntry& e) { e.m_nColumn = 2; },
      [](CTextCharEntry& e) { e.m_nRow = 2; },
      [](CTextCharEntry& e) { e.m_nPosX = 1; },
      [](CTextCharEntry& e) { e.m_nPosY = -1; },
      [](CTextCharEntry& e) { e.m_font.faceName[20] = 'x'; },
      [](CTextCharEntry& e) { e.m_font.pitchAndFamily = 1; },
      [](CTextCharEntry& e) { e.m_nScale = 99; },
      [](CTextCharEntry& e) { e.m_bHidden = 1; },
      [](CTextCharEntry& e) { e.m_nPictureIndex = -1; },
      [](CTextCharEntry& e) { e.SetPicture("p.bmp"); },
      [](CTextCharEntry& e) { e.m_nExtra = 1; },
      [](CTextCharEntry& e) { e.SetChar("b"); },
  };
  CTextCharEntry a;
  a.SetChar("a");
  a.m_font = DefaultTextFont();
  CTextCharEntry same = a;
  EXPECT_EQ(CTextSettings::EntryDiffers(a, same), 0);
  int i = 0;
  for (const auto& change : changes) {
    CTextCharEntry b = a;
    change(b);
    EXPECT_EQ(CTextSettings::EntryDiffers(a, b), 1) << "change " << i++;
  }
}

TEST(TextSettings, TemplateCopies) {
  auto t = Block();
  t->ParseTextScript("abc", false);
  t->m_template.m_nPosX = 7;
  t->m_template.m_nScale = 150;
  t->m_template.m_nExtra = 9;
  t->m_template.m_font.weight = 700;
  t->ApplyTemplateToAll();
  EXPECT_EQ(t->m_entries[2].m_font.weight, 700);
  EXPECT_EQ(t->m_entries[2].m_nScale, 100) << "only the font";
  EXPECT_EQ(t->m_entries[3].m_font.weight, 400) << "only the used entries";
  t->StoreTemplateToEntry(1);
  EXPECT_EQ(t->m_entries[1].m_nPosX, 7);
  EXPECT_EQ(t->m_entries[1].m_nScale, 150);
  EXPECT_EQ(t->m_entries[1].m_nExtra, 9);
  EXPECT_EQ(t->m_entries[1].Char(), "b");
  t->StoreTemplateToEntry(-1);
  t->StoreTemplateToEntry(kTextEntryCount);  // ignored, not written past the table

  CTextCharEntry src;
  src.m_nPosY = 4;
  src.m_nScale = 30;
  src.m_nExtra = 2;
  src.m_bHidden = 1;
  src.m_nPictureIndex = 8;
  src.SetPicture("logo.bmp");
  src.SetChar("x");
  CTextCharEntry dst;
  dst.SetChar("y");
  CTextSettings::CopyEntryStyle(dst, src);
  EXPECT_EQ(dst.m_nPosY, 4);
  EXPECT_EQ(dst.m_nScale, 30);
  EXPECT_EQ(dst.m_nExtra, 2);
  EXPECT_EQ(dst.Picture(), "logo.bmp");
  EXPECT_EQ(dst.Char(), "y");
  EXPECT_EQ(dst.m_bHidden, 0);
  EXPECT_EQ(dst.m_nPictureIndex, 0);
}

TEST(TextSettings, CharCodeBlankAndWidth) {
  EXPECT_EQ(CTextSettings::CharCode(Sjis("あ")), 0x82A0);
  EXPECT_EQ(CTextSettings::CharCode("a"), 'a');
  EXPECT_EQ(CTextSettings::CharCode("\xB1"), 0xB1);
  EXPECT_EQ(CTextSettings::CharCode(""), 0);
  EXPECT_TRUE(CTextSettings::IsBlank(" "));
  EXPECT_TRUE(CTextSettings::IsBlank(Sjis("　")));
  EXPECT_FALSE(CTextSettings::IsBlank("  "));
  EXPECT_FALSE(CTextSettings::IsBlank(""));
  EXPECT_FALSE(CTextSettings::IsBlank("a"));

  CLogFont font = DefaultTextFont();
  EXPECT_EQ(CTextSettings::CharWidth(nullptr, font, 'a'), 128);
  EXPECT_EQ(CTextSettings::CharWidth(nullptr, font, 0x82A0), 256);

  struct Recorder : CGlyphMeasure {
    int CharWidth(const CLogFont& f, int code) override {
      height = f.height;
      face = f.faceName;
      return code + 1;
    }
    int height = 0;
    std::string face;
  } recorder;
  EXPECT_EQ(CTextSettings::CharWidth(&recorder, font, 0x82A0), 0x82A1);
  EXPECT_EQ(recorder.height, 256) << "measured at height 256, whatever the font's height";
  EXPECT_EQ(recorder.face, font.faceName);
}

TEST(TextSettings, CompareEntriesFindsOneInsertionOrDeletion) {
  struct Case {
    const char* a;
    const char* b;
    int result;
    int out[3];
  } cases[] = {
      {"abc", "abc", 0, {-1, -1, 3}},
      {"abcd", "abc", 1, {-1, -1, 3}},     // added at the end
      {"aXbc", "abc", 1, {1, 2, 4}},       // one inserted at 1
      {"aXYbc", "abc", 2, {1, 3, 5}},      // two inserted at 1
      {"ac", "abc", -1, {1, 2, 3}},        // one deleted at 1
      {"aXc", "abc", 0, {1, -1, -1}},      // replaced: b is not found again
      {"aXbYc", "abc", 2, {1, 2, -1}},     // a second difference stops the walk
      {"", "ab", -2, {-1, -1, 0}},
  };
  for (const Case& c : cases) {
    auto a = Block();
    auto b = Block();
    a->ParseTextScript(c.a, false);
    b->ParseTextScript(c.b, false);
    int out[3];
    EXPECT_EQ(CTextSettings::CompareEntries(*a, *b, out), c.result) << c.a << " / " << c.b;
    EXPECT_EQ(out[0], c.out[0]) << c.a << " / " << c.b;
    EXPECT_EQ(out[1], c.out[1]) << c.a << " / " << c.b;
    EXPECT_EQ(out[2], c.out[2]) << c.a << " / " << c.b;
  }
}

TEST(TextSettings, ReparseKeepsTheStyleOfEachCharacter) {
  struct Case {
    const char* before;
    const char* after;
    int result;
    std::vector<int> scales;  // 100 is the template's
  } cases[] = {
      {"abc", "abc", 2, {101, 102, 103}},
      {"abc", "aXbc", 1, {101, 100, 102, 103}},
      {"abc", "XYabc", 1, {100, 100, 101, 102, 103}},
      {"abcd", "acd", 1, {101, 103, 104}},
      {"abcd", "a", 1, {101}},
      {"ab", "abcd", 1, {101, 102, 100, 100}},
      {"abc", "aXc", 1, {101, 102, 103}},         // replaced: styles stay by index
      {"abc", "XaYbZc", 1, {101, 102, 103, 100, 100, 100}},  // no single change
  };
  for (const Case& c : cases) {
    auto t = Block();
    t->ParseTextScript(c.before, false);
    for (int i = 0; i < kTextEntryCount; ++i) t->m_entries[i].m_nScale = 101 + i;
    EXPECT_EQ(t->Reparse(c.after), c.result) << c.before << " -> " << c.after;
    EXPECT_EQ(t->m_strText, c.after);
    ASSERT_EQ(t->m_nEntries, static_cast<int>(c.scales.size())) << c.after;
    for (size_t i = 0; i < c.scales.size(); ++i) {
      EXPECT_EQ(t->m_entries[i].m_nScale, c.scales[i]) << c.before << " -> " << c.after << " entry " << i;
    }
  }
}

TEST(TextSettings, ReparseWithANewWidthOfLineKeepsCharactersAndRelaysThem) {
  auto t = Block();
  t->Reparse("abcdef");
  t->m_nCharsPerLine = 3;
  EXPECT_EQ(t->Reparse("abcdef"), 2);
  EXPECT_EQ(t->m_entries[3].m_nColumn, 1);
  EXPECT_EQ(t->m_entries[3].m_nRow, 2);
}

}  // namespace
