// Reading the registration's lists of characters, sound and damaged, the list information
// file, and the names of the pictures the registration saves and finds.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "core/state/draw_state.h"
#include "core/state/registration_panel.h"
#include "support/list_info_file.h"
#include "support/temp_dir.h"

namespace tmb::test {
namespace {

std::vector<uint8_t> Bytes(std::initializer_list<int> list) {
  std::vector<uint8_t> b;
  for (int v : list) b.push_back(uint8_t(v));
  return b;
}

std::vector<uint8_t> BytesOf(const std::string& s) { return {s.begin(), s.end()}; }

std::vector<std::string> Texts(const CCharacterList& list) {
  std::vector<std::string> out;
  for (const CRegistrationEntry& e : list.entries) out.push_back(e.text);
  return out;
}

void Touch(const std::filesystem::path& path) { std::ofstream(path) << "x"; }

TEST(CharacterList, SoundAndDamagedListsGiveTheirPrintableCharactersAndCountTheRest) {
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
    std::vector<std::string> entries;
    int bad;
    int wide;
  } cases[] = {
      {"Shift-JIS", Bytes({0x82, 0xA0, 0x82, 0xA2, '?'}), {"あ", "い", "?"}, 0, 0},
      {"lead byte at the end", Bytes({'A', 0x82}), {"A"}, 1, 0},
      {"lead byte before a line break", Bytes({0x81, 0x0A, 'B'}), {"B"}, 1, 0},
      {"line breaks and blanks", Bytes({'A', '\r', '\n', ' ', '\t', 'B', 0x81, 0x40}), {"A", "B"}, 0, 0},
      {"controls", Bytes({'A', 0x01, 0x7F, 'B'}), {"A", "B"}, 2, 0},
      {"FF FE alone", Bytes({0xFF, 0xFE}), {}, 0, 1},
      {"UTF-16", Bytes({0xFF, 0xFE, 0x42, 0x30, 0x41, 0x00}), {"あ", "A"}, 0, 1},
      {"UTF-16 odd length", Bytes({0xFF, 0xFE, 0x42, 0x30, 0x41}), {"あ"}, 1, 1},
      {"UTF-16 surrogate pair", Bytes({0xFF, 0xFE, 0x40, 0xD8, 0x0B, 0xDC}), {"𠀋"}, 0, 1},
      {"UTF-16 lone surrogates", Bytes({0xFF, 0xFE, 0x00, 0xDC, 0x41, 0x00, 0x00, 0xD8}), {"A"}, 4, 1},
      {"UTF-16 line breaks", Bytes({0xFF, 0xFE, 0x0D, 0x00, 0x0A, 0x00, 0x00, 0x30, 0x42, 0x30}), {"あ"}, 0, 1},
      {"UTF-8 with a mark", BytesOf("\xEF\xBB\xBF" "あ漢 z"), {"あ", "漢", "z"}, 0, 0},
      {"UTF-8 damaged", BytesOf("\xEF\xBB\xBF" "a\xE3\x81" "b\xFF"), {"a", "b"}, 3, 0},
  };
  for (const Case& c : cases) {
    const CCharacterList list = ReadCharacterList(c.bytes);
    EXPECT_EQ(Texts(list), c.entries) << c.what;
    EXPECT_EQ(list.badBytes, c.bad) << c.what;
    EXPECT_EQ(list.wide, c.wide) << c.what;
  }
}

TEST(CharacterList, ALargeDamagedListIsReadWithoutReadingPastItsEnd) {
  std::vector<uint8_t> bytes(size_t(2) << 20);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = uint8_t(i % 3 == 0 ? 0x82 : i % 3 == 1 ? 0x0A : 'A');
  const CCharacterList list = ReadCharacterList(bytes);
  EXPECT_GT(list.entries.size(), 0u);
  EXPECT_GT(list.badBytes, 0);
  std::vector<uint8_t> wide(bytes.size() + 1, 0xD8);
  wide[0] = 0xFF, wide[1] = 0xFE;
  const CCharacterList lone = ReadCharacterList(wide);
  EXPECT_TRUE(lone.entries.empty());
  EXPECT_EQ(lone.badBytes, int(wide.size() - 2));
}

TEST(CharacterList, TextPositionsCountUtf16UnitsAndMapBackToEntries) {
  const CCharacterList list = CharacterListOfText("a𠀋 b\nあ");
  ASSERT_EQ(Texts(list), (std::vector<std::string>{"a", "𠀋", "b", "あ"}));
  EXPECT_EQ(list.entries[2].textPos, 4);
  EXPECT_EQ(list.entries[3].textPos, 6);
  CRegistrationPanel panel;
  panel.SetList(list);
  EXPECT_EQ(panel.EntryAtTextPos(3), 2);  // the blank: the character after it
  EXPECT_EQ(panel.EntryAtTextPos(6), 3);
  EXPECT_EQ(panel.EntryAtTextPos(7), -1);
}

TEST(ListInformationFile, ReadsSizeFolderAndCodesAndRefusesShortFilesAndNegativeCounts) {
  CListInfo info;
  ASSERT_EQ(ReadListInfo(ListInfoFileBytes(300, 300, 3, "c:\\pics\\", {0x3042, 0x41, 0x6F22}), info), 1);
  EXPECT_EQ(info.box, (Size{300, 300}));
  EXPECT_EQ(info.folder, "c:\\pics\\");
  EXPECT_EQ(Texts(info.list), (std::vector<std::string>{"あ", "A", "漢"}));
  EXPECT_EQ(info.list.wide, 1);
  // A folder field without its NUL is cut at the field's end.
  ASSERT_EQ(ReadListInfo(ListInfoFileBytes(0, 0, 0, std::string(300, 'f'), {}), info), 1);
  EXPECT_EQ(info.folder.size(), kListFolderField);
  // A code 0 ends the list.
  ASSERT_EQ(ReadListInfo(ListInfoFileBytes(0, 0, 3, "", {0x41, 0, 0x42}), info), 1);
  EXPECT_EQ(Texts(info.list), (std::vector<std::string>{"A"}));

  std::vector<uint8_t> shortRecords = ListInfoFileBytes(300, 300, 3, "", {0x41, 0x42, 0x43});
  shortRecords.pop_back();
  EXPECT_EQ(ReadListInfo(shortRecords, info), 0);
  EXPECT_EQ(ReadListInfo(ListInfoFileBytes(300, 300, -1, "", {}), info), 0);
  EXPECT_EQ(ReadListInfo(Bytes({1, 0, 1}), info), 0);
}

TEST(RegistrationFolder, WindowsPathsBecomeFoldersOfTheUserFolder) {
  EXPECT_EQ(RegistrationFolderOf("c:\\data\\pics\\  ", "/u"), "/u/pics");
  EXPECT_EQ(RegistrationFolderOf("", "/u"), "/u/fontbmp");
  EXPECT_EQ(RegistrationFolderOf("/tmp/x", "/u"), "/tmp/x");
  EXPECT_EQ(RegistrationFolderOf("rel", "/u"), "/u/rel");
}

TEST(PictureNames, CharactersCodesAndForbiddenCharacters) {
  const CRegistrationEntry a{"あ", 0x3042, 0, 0}, latin{"A", 0x41, 0, 0}, question{"?", 0x3F, 0, 0};
  EXPECT_EQ(PictureBaseName(a, false), "__あ");
  EXPECT_EQ(PictureBaseName(a, true), "_3042");
  EXPECT_EQ(PictureBaseName(latin, true), "_0041");
  EXPECT_EQ(PictureBaseName(question, false), "_3f");
  EXPECT_EQ(ParsePictureName("__あ.bmp"), 0x3042);
  EXPECT_EQ(ParsePictureName("__あ_2.bmp"), 0x3042);
  EXPECT_EQ(ParsePictureName("___.bmp"), '_');
  EXPECT_EQ(ParsePictureName("_3042.bmp"), 0x3042);
  EXPECT_EQ(ParsePictureName("_0041_7.bmp"), 0x41);
  EXPECT_EQ(ParsePictureName("_3f.bmp"), -1);
  EXPECT_EQ(ParsePictureName("x.bmp"), -1);
  EXPECT_EQ(ParsePictureName("__ab.bmp"), -1);
}

TEST(PictureNames, FurtherPicturesAreNumberedAfterTheLargestUnlessOverwriting) {
  TempDir dir;
  CRegistrationPanel panel;
  panel.m_szFolder = dir.path().string();
  panel.SetList(CharacterListOfText("あい"));
  panel.m_nCurrent = 0;
  EXPECT_EQ(panel.NextPicturePath(), (dir / "__あ.bmp").string());
  Touch(dir / "__あ.bmp");
  EXPECT_EQ(panel.NextPicturePath(), (dir / "__あ_2.bmp").string());
  Touch(dir / "__あ_7.bmp");
  EXPECT_EQ(panel.NextPicturePath(), (dir / "__あ_8.bmp").string());
  panel.m_bOverwrite = 1;
  EXPECT_EQ(panel.NextPicturePath(), (dir / "__あ.bmp").string());
  panel.m_bOverwrite = 0;
  // A number past the int stays at the int's end.
  Touch(dir / "__あ_99999999999999.bmp");
  EXPECT_EQ(LargestPictureNumber(panel.m_szFolder, "__あ"), INT32_MAX);
  EXPECT_EQ(panel.NextPicturePath(), (dir / ("__あ_" + std::to_string(INT32_MAX) + ".bmp")).string());
  // Done flags come from the folder.
  panel.LookUpPictures();
  EXPECT_EQ(panel.m_entries[0].done, 1);
  EXPECT_EQ(panel.m_entries[1].done, 0);
  panel.m_bNoCheck = 1;
  panel.LookUpPictures();
  EXPECT_EQ(panel.m_entries[0].done, 0);
}

TEST(PictureNames, AFolderListsThePicturesThatNameACharacter) {
  TempDir dir;
  for (const char* name : {"__永.bmp", "_6c38_2.bmp", "__𠀋.bmp", "x.bmp", "_zz.bmp", "__永.txt", "_0041.bmp"}) {
    Touch(dir / name);
  }
  std::vector<CRegisteredPicture> table;
  ASSERT_EQ(ListRegisteredPictures(dir.path().string(), table), 4);
  // In the order of their names, each with its character and code.
  const std::vector<std::pair<std::string, uint32_t>> expected = {
      {"A", 0x41}, {"永", 0x6C38}, {"永", 0x6C38}, {"𠀋", 0x2000B}};
  std::vector<std::pair<std::string, uint32_t>> found;
  for (const CRegisteredPicture& p : table) found.emplace_back(p.text, p.code);
  EXPECT_EQ(found, expected);
  EXPECT_EQ(table[0].path, (dir / "_0041.bmp").string());
  EXPECT_EQ(ListRegisteredPictures((dir / "missing").string(), table), 0);
  EXPECT_TRUE(table.empty());
}

TEST(RegistrationPanel, TheButtonsAreNineTenthsOfTheRowHigh) {
  CRegistrationPanel panel;
  for (int row : {20, 30, 41}) {
    panel.Layout(500, {256, 256}, row);
    for (const Rect& b : panel.m_rcButtons) EXPECT_EQ(b.Height(), row * 9 / 10) << row;
    EXPECT_EQ(panel.m_rcButtons[2].top, panel.m_rcButtons[0].bottom) << row;
  }
}

TEST(RegistrationPanel, LayoutPromptsAndTheNextCharacter) {
  CRegistrationPanel panel;
  panel.SetList(ReadCharacterList(Bytes({0xFF, 0xFE})));
  EXPECT_EQ(panel.Prompt(), "文字の書き込みが可能です");
  panel.Layout(500, {256, 256}, 20);
  EXPECT_EQ(panel.m_rcPanel.right, 450);
  EXPECT_EQ(panel.m_rcPanel.top, 25);
  EXPECT_EQ(panel.m_rcPanel.Width(), 240);
  EXPECT_EQ(panel.m_rcWriting.Width(), 256);
  EXPECT_EQ(panel.m_rcWriting.top, panel.m_rcPanel.bottom + 20);
  EXPECT_EQ(panel.m_rcWriting.left + panel.m_rcWriting.Width() / 2, panel.m_rcPanel.left + 120);
  panel.m_sizePicture = {300, 300};
  panel.Layout(500, {256, 256}, 20);
  EXPECT_EQ(panel.m_rcPanel.Width(), 300);

  std::u16string codes;
  for (int i = 0; i < 25; ++i) codes += char16_t(0x4E00 + i);
  std::vector<uint8_t> bytes{0xFF, 0xFE};
  for (char16_t u : codes) bytes.push_back(uint8_t(u & 0xFF)), bytes.push_back(uint8_t(u >> 8));
  panel.SetList(ReadCharacterList(bytes));
  panel.Layout(500, {256, 256}, 20);
  const Rect box = panel.BoxOf(12);
  EXPECT_EQ(panel.EntryAt(box.left + 1, box.top + 1), 12);
  // Row 2, box 3 is the 13th character.
  EXPECT_EQ(panel.EntryAt(panel.m_rcList.left + 2 * 2 * panel.m_nCellWidth + 1, panel.m_rcList.top + panel.m_nCellHeight + 1),
            12);
  // A box past the end of the list selects nothing.
  const Rect last = panel.BoxOf(27);
  EXPECT_EQ(panel.EntryAt(last.left + 1, last.top + 1), -1);

  panel.m_entries[0].done = 1;
  EXPECT_EQ(panel.NextUnwritten(0), 1);
  panel.m_nCurrent = 1;
  EXPECT_EQ(panel.Prompt(), "「 丁 」を書き込んでください   ");
  panel.m_entries[1].done = 1;
  EXPECT_EQ(panel.Prompt(), "「 丁 」は書込済みの文字です   ");
  panel.m_bAllDone = 1;
  EXPECT_EQ(panel.Prompt(), "文字は全て登録済みです");
}

// A wide list's boxes are rows of ten text cells: the entry at byte index i (entry i / 2)
// stands at cell column i mod 20 and row i / 20, its character centred inside the box.
TEST(RegistrationPanel, AWideListsBoxesAreRowsOfTextCellsWithTheCharacterInside) {
  std::vector<uint8_t> bytes{0xFF, 0xFE};
  for (int i = 0; i < 23; ++i) bytes.push_back(uint8_t(i)), bytes.push_back(0x4E);
  CRegistrationPanel panel;
  panel.SetList(ReadCharacterList(bytes));
  panel.Layout(500, {256, 256}, 20);
  const int cw = panel.m_nCellWidth, ch = panel.m_nCellHeight;
  ASSERT_GT(cw, 0);
  EXPECT_EQ(gDrawState.m_textCell, (Size{2 * cw, ch})) << "a box is the drawing state's text cell";
  EXPECT_EQ(panel.m_rows.size(), 3u);
  const int left = panel.m_rcList.left, top = panel.m_rcList.top;
  for (int e : {0, 9, 10, 19, 22}) {
    SCOPED_TRACE(e);
    const int i = 2 * e;
    const Rect box = panel.BoxOf(e);
    EXPECT_EQ(box, (Rect{left + (i % 20) * cw, top + (i / 20) * ch, left + (i % 20 + 2) * cw, top + (i / 20 + 1) * ch}));
    const Rect text = panel.BoxTextOf(e);
    EXPECT_EQ(text.left - box.left, box.right - text.right) << "centred across";
    EXPECT_EQ(text.top - box.top, box.bottom - text.bottom) << "and up and down";
    EXPECT_GT(text.left, box.left);
    EXPECT_EQ(panel.EntryAt(box.right - 1, box.bottom - 1), e);
  }
  EXPECT_EQ(panel.BoxOf(30), Rect{}) << "past the rows";
  // A longer list of the same kind, not laid out again, still finds its boxes.
  for (int i = 23; i < 45; ++i) bytes.push_back(uint8_t(i)), bytes.push_back(0x4E);
  panel.SetList(ReadCharacterList(bytes));
  EXPECT_EQ(panel.m_rows.size(), 5u);
  EXPECT_EQ(panel.EntryAt(panel.BoxOf(44).left, panel.BoxOf(44).top), 44);
  // An empty wide list is laid out as a list of 40 bytes.
  panel.SetList(ReadCharacterList(Bytes({0xFF, 0xFE})));
  EXPECT_EQ(panel.m_rows.size(), 3u);
  // A text list has no boxes.
  panel.SetList(ReadCharacterList(Bytes({'A', 'B'})));
  EXPECT_TRUE(panel.m_rows.empty());
  EXPECT_EQ(panel.EntryAt(left + 1, top + 1), -1);
  gDrawState.Reset();
}

}  // namespace
}  // namespace tmb::test
